// The keys of imported keymaps: Qt key and mouse button names (as other mapping tools store
// them) turned into the keyboard and mouse keys of a keymap.
#pragma once

#include <keymapmanager/keymapmanager.h>

#include <QString>

namespace keymapctl {

// One row of the key table: a Qt code, the Windows virtual-key code and the keymap code (set-1
// scan code with 256 added for extended keys, or the mouse button code) that a Windows host
// receives for it, and the display text the library gives that code.
struct QtKeyRow {
    int qtCode; // a Qt::Key or a Qt::MouseButton value
    int virtualKey;
    int scanCode;
    const char* text;
};

// The rows of the table, keyboard keys by Qt::Key and mouse buttons by Qt::MouseButton.
struct QtKeyTable {
    const QtKeyRow* rows;
    int size;
    const char* device; // "keyboard" or "mouse"
};
QtKeyTable qtKeyboardTable();
QtKeyTable qtMouseTable();

enum class QtKeyStatus {
    Mapped,      // the key was found
    Unsupported, // a Qt key or button name, but one that has no key in a keymap
    Unknown      // not a Qt key or button name at all
};

struct QtKey {
    QtKeyStatus status = QtKeyStatus::Unknown;
    ovelkeymapmanager::ConfigKey key; // made by CreateConfigKey when mapped, unbound otherwise
};

// "Key_W", "Key_Control", "RightButton"...: the names are Qt's own enumerator names, read from
// Qt's meta-object data, so they are matched exactly (case included).
QtKey keyForQtName(const QString& name);

} // namespace keymapctl
