// The keys of imported keymaps. Every source format names its keys its own way (Qt key names,
// web key codes, USB usages); each format's table leads to a key as Qt names it, and one table
// turns Qt's keys into the keyboard and mouse keys of a keymap.
#pragma once

#include <keymapmanager/keymapmanager.h>

#include <QString>

namespace keymapctl {

// One row of the Qt key table: a Qt code, the Windows virtual-key code and the keymap code (set-1
// scan code with 256 added for extended keys, or the mouse button code) that a Windows host
// receives for it, and the display text the library gives that code.
struct QtKeyRow {
    int qtCode; // a Qt::Key (with Qt::KeypadModifier for a key of the keypad) or a Qt::MouseButton
    int virtualKey;
    int scanCode;
    const char* text;
};

// Qt's name of a key of the keypad: the key with the keypad modifier.
constexpr int keypad(Qt::Key key) {
    return int(Qt::KeypadModifier) | int(key);
}

// Qt names no wheel button; the mouse table gives the two wheel notches these codes.
constexpr int kWheelUpCode = -1;
constexpr int kWheelDownCode = -2;

// The rows of the table, keyboard keys by Qt::Key and mouse buttons by Qt::MouseButton.
struct QtKeyTable {
    const QtKeyRow* rows;
    int size;
    const char* device; // "keyboard" or "mouse"
};
QtKeyTable qtKeyboardTable();
QtKeyTable qtMouseTable();

enum class QtKeyStatus {
    Mapped,      // the key was found (or the source says on purpose that nothing is bound)
    Unsupported, // a name of the source's naming, but one that has no key in a keymap
    Unknown,     // not a name of the source's naming at all
    Controller   // a game controller's button or stick, which a keyboard keymap cannot bind
};

struct QtKey {
    QtKeyStatus status = QtKeyStatus::Unknown;
    ovelkeymapmanager::ConfigKey key; // made by CreateConfigKey when mapped, unbound otherwise
};

// The keymap key of a Qt code of the table; Unsupported when the table has no row for it.
QtKey keyForQtCode(const QtKeyTable& table, int qtCode);

// "Key_W", "Key_Control", "RightButton"...: the names are Qt's own enumerator names, read from
// Qt's meta-object data, so they are matched exactly (case included).
QtKey keyForQtName(const QString& name);

// Web key codes (KeyboardEvent.code: "KeyW", "ShiftLeft", "Numpad1"), as keymaps of browser-based
// tools store them. Each row names the Qt key; a test holds the names to Qt's.
struct WebKeyRow {
    const char* code;
    int qtCode; // a Qt::Key, with Qt::KeypadModifier for the keypad
};
struct WebKeyTable {
    const WebKeyRow* rows;
    int size;
};
WebKeyTable webKeyTable();
// A web key code, matched exactly; Unknown for a name that is not one.
QtKey keyForWebCode(const QString& code);

// USB HID usages of the keyboard page (4 is A, 224 left Ctrl), each given by its web key code,
// which the web's key code table defines by the same usage.
struct HidUsageRow {
    int usage;
    const char* code;
};
struct HidUsageTable {
    const HidUsageRow* rows;
    int size;
};
HidUsageTable hidUsageTable();
// The key of a keyboard-page usage; Unsupported for a usage without a key in a keymap.
QtKey keyForHidUsage(int usage);

// The mouse key of a Qt::MouseButton or wheel code (always in the table).
ovelkeymapmanager::ConfigKey mouseKey(int qtCode);

} // namespace keymapctl
