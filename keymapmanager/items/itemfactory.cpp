// The item factory is the one place that knows every item class: documents, the exported
// CreateConfigItem, the description and the tools reach the classes only through this table.
#include <keymapmanager/items/itemfactory_p.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/allitems.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

namespace {

using Maker = ConfigItem* (*)();

using Describe = void (*)(json::Describer&);

template <typename Item> ConfigItem* make() {
    return new Item;
}

// A new item's members, its fields giving the defaults.
template <typename Item> void describe(json::Describer& describer) {
    Item item;
    describeMembers(describer, item);
}

struct Entry {
    const char* typeName;
    Maker maker;
    const char* className;
    Describe describe;
};

// One row per type name; the order is that of the vocabulary.
#define KEYMAP_ITEM_ENTRY(type, Class)                                                                       \
    { TypeName::type, make<Class>, #Class, describe<Class> }
constexpr Entry kEntries[] = {
    KEYMAP_ITEM_ENTRY(Click, ClickConfigItem),
    KEYMAP_ITEM_ENTRY(BunchClick, BunchClickConfigItem),
    KEYMAP_ITEM_ENTRY(Fire, FireConfigItem),
    KEYMAP_ITEM_ENTRY(RightWalk, MouseRightWalkConfigItem),
    KEYMAP_ITEM_ENTRY(Spell, SpellConfigItem),
    KEYMAP_ITEM_ENTRY(Staring, StaringConfigItem),
    KEYMAP_ITEM_ENTRY(Swipehold, SwipeholdConfigItem),
    KEYMAP_ITEM_ENTRY(Eye, EyeConfigItem),
    KEYMAP_ITEM_ENTRY(Curve, CurveConfigItem),
    KEYMAP_ITEM_ENTRY(SpellCancel, SpellCancelConfigItem),
    KEYMAP_ITEM_ENTRY(LeftStickWalk, JoystickLeftWalkConfigItem),
    KEYMAP_ITEM_ENTRY(RightStickEye, JoystickRightEyeConfigItem),
    KEYMAP_ITEM_ENTRY(Macro, MacroConfigItem),
    KEYMAP_ITEM_ENTRY(Gravity, GravityConfigItem),
    KEYMAP_ITEM_ENTRY(Wheel, WheelConfigItem),
    KEYMAP_ITEM_ENTRY(Zoom, ZoomConfigItem),
    KEYMAP_ITEM_ENTRY(Observe, ObserveConfigItem),
    KEYMAP_ITEM_ENTRY(OperationRecorder, OperationRecorderConfigItem),
    KEYMAP_ITEM_ENTRY(Tip, TipConfigItem),
    KEYMAP_ITEM_ENTRY(VirtualLeftStick, VirtualStickLeftConfigItem),
    KEYMAP_ITEM_ENTRY(VirtualLeftStickShiftButton, VirtualStickLeftShiftButtonConfigItem),
    KEYMAP_ITEM_ENTRY(VirtualRightStick, VirtualStickRightConfigItem),
    KEYMAP_ITEM_ENTRY(VirtualJoystickButton, VirtualJoystickButtonConfigItem),
    KEYMAP_ITEM_ENTRY(VirtualJoystickBunchButton, VirtualJoystickBunchButtonConfigItem),
};
#undef KEYMAP_ITEM_ENTRY

} // namespace

ConfigItem* createConfigItemByType(const QString& typeName) {
    for (const Entry& entry : kEntries) {
        if (typeName == QLatin1String(entry.typeName))
            return entry.maker();
    }
    return nullptr;
}

QString configItemClassName(const QString& typeName) {
    for (const Entry& entry : kEntries) {
        if (typeName == QLatin1String(entry.typeName))
            return QLatin1String(entry.className);
    }
    return QString();
}

void describeItems(QList<KeymapMemberDescription>& out) {
    for (const Entry& entry : kEntries) {
        json::Describer describer(out, QLatin1String(entry.typeName));
        entry.describe(describer);
    }
}

QStringList configItemTypeNames() {
    QStringList names;
    for (const Entry& entry : kEntries)
        names.append(QLatin1String(entry.typeName));
    return names;
}

} // namespace ovelkeymapmanager
