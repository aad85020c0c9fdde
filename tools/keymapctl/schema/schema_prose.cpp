#include "schema/schema_prose.h"

namespace keymapctl {

namespace {

// Nothing here may contradict docs/keymap-format.md; rules (required, defaults, vocabularies,
// geometry) come from the description, not from this table.
constexpr SchemaProse kProse[] = {
    {"document", "",
     "A keymap: items that bind keys to touch behaviours on the emulated screen, with document-wide "
     "settings. Positions are fractions of the screen's width and height, lengths (radii, distances, gaps) "
     "fractions of its shorter side. A required member that is missing, or a value that cannot be converted, "
     "stops the loader there: what was read before it is kept, everything else keeps its default. Members "
     "the "
     "loader does not know are ignored and not written back on save; elements of \"keymaps\" whose \"type\" "
     "is not an item type are kept and written back where they stood."},
    {"document", "keymaps",
     "The items, in order. Each element names its kind in \"type\"; an element of another \"type\" is kept "
     "as it is."},
    {"info", "", "Document-wide settings."},
    {"param", "", "Tuning of wheel, zoom and transparent input; every object is optional."},
    {"info", "feature_images",
     "Groups of feature images; a document with at least one group is an intelligent config. Elements of "
     "another kind are skipped, and an image object that lacks any of its three members is an empty image."},
    {"info", "feature_images[][].image", "The picture as PNG, in Base64."},
    {"info", "feature_images[][].resolution", "The resolution stored with the image, in pixels."},
    {"info", "background_color", "Colour as eight hexadecimal digits: red, green, blue, alpha."},
    {"info", "character_id", "-1 for none."},
    {"*", "type", "The item type."},
    {"*", "rel_work_position",
     "Where the item acts on the screen: its touch point, or the centre of a stick."},
    {"*", "editor_icon_scale", "Size factor of the item's icon in the keymap editor."},
    {"*", "key", "The key that triggers the item."},
    {"*", "second_key", "A second key: the item then answers to the chord of both keys only."},
    {"*", "icon", "How the item's icon is drawn over the game."},
    {"*", "icon.background_color", "Colour as eight hexadecimal digits: red, green, blue, alpha."},
    {"*", "key.device", "The key's device; empty when no key is bound."},
    {"*", "key.text", "The key's display text; for a joystick key also its identity."},
    {"*", "key.virtual_key", "The Windows virtual-key code; 2147483647 means unset."},
    {"*", "key.scan_code", "The scan code (keyboard) or button code (mouse); 2147483647 means unset."},
    {"Click", "", "A tap at the work position when the key (or chord) is pressed."},
    {"BunchClick", "",
     "Repeated taps at the work position while the key is held, or a fixed number of them."},
    {"Fire", "", "Fire with the mouse: a touch at the work position that follows the mouse."},
    {"RightWalk", "", "View steering with the right mouse button held."},
    {"Spell", "", "An aimed skill button: a touch at the button, aimed within a circle."},
    {"Staring", "", "View steering by the mouse within an area."},
    {"Swipehold", "", "A movement stick worked by four direction keys; every member of its own is optional."},
    {"Eye", "", "View steering by four direction keys."},
    {"Curve", "", "A touch that travels along a curve of points."},
    {"SpellCancel", "", "The button that cancels an aimed skill."},
    {"LeftStickWalk", "", "Walking with a game controller's left stick."},
    {"RightStickEye", "", "View steering with a game controller's right stick."},
    {"Macro", "", "Macro lines played on key press and release, stored in their running form."},
    {"Gravity", "", "Tilting worked by four direction keys."},
    {"Wheel", "", "A wheel gesture worked by a pair of keys."},
    {"Zoom", "", "A two-finger zoom worked by a pair of keys."},
    {"Observe", "", "Looking around while a key is held."},
    {"OperationRecorder", "", "A recorded sequence of operations, stored as macro lines."},
    {"Tip", "", "A tip button: stored as a Click item is, under its own type."},
    {"VirtualLeftStick", "", "The left stick of the virtual game controller."},
    {"VirtualLeftStickShiftButton", "", "The shift button of the virtual controller's left stick."},
    {"VirtualRightStick", "", "The right stick of the virtual game controller."},
    {"VirtualJoystickButton", "", "A button of the virtual game controller."},
    {"VirtualJoystickBunchButton", "", "A button of the virtual game controller that bursts taps."},
};

} // namespace

QString schemaProse(const QString& owner, const QString& path) {
    for (const bool anyOwner : {false, true}) {
        for (const SchemaProse& prose : kProse) {
            if ((anyOwner ? qstrcmp(prose.owner, "*") == 0 : owner == QLatin1String(prose.owner)) &&
                path == QLatin1String(prose.path))
                return QLatin1String(prose.text);
        }
    }
    return QString();
}

} // namespace keymapctl
