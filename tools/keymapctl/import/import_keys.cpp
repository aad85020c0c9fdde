#include "import/import_keys.h"

#include <QMetaEnum>

namespace keymapctl {

namespace {

using ovelkeymapmanager::CreateConfigKey;

// Windows virtual-key codes and set-1 scan codes of the keys a Windows host receives. The text
// column is what the library shows for the scan code; a test holds the two together.
const QtKeyRow kKeyboardRows[] = {
    {Qt::Key_A, 65, 30, "A"},
    {Qt::Key_B, 66, 48, "B"},
    {Qt::Key_C, 67, 46, "C"},
    {Qt::Key_D, 68, 32, "D"},
    {Qt::Key_E, 69, 18, "E"},
    {Qt::Key_F, 70, 33, "F"},
    {Qt::Key_G, 71, 34, "G"},
    {Qt::Key_H, 72, 35, "H"},
    {Qt::Key_I, 73, 23, "I"},
    {Qt::Key_J, 74, 36, "J"},
    {Qt::Key_K, 75, 37, "K"},
    {Qt::Key_L, 76, 38, "L"},
    {Qt::Key_M, 77, 50, "M"},
    {Qt::Key_N, 78, 49, "N"},
    {Qt::Key_O, 79, 24, "O"},
    {Qt::Key_P, 80, 25, "P"},
    {Qt::Key_Q, 81, 16, "Q"},
    {Qt::Key_R, 82, 19, "R"},
    {Qt::Key_S, 83, 31, "S"},
    {Qt::Key_T, 84, 20, "T"},
    {Qt::Key_U, 85, 22, "U"},
    {Qt::Key_V, 86, 47, "V"},
    {Qt::Key_W, 87, 17, "W"},
    {Qt::Key_X, 88, 45, "X"},
    {Qt::Key_Y, 89, 21, "Y"},
    {Qt::Key_Z, 90, 44, "Z"},
    {Qt::Key_1, 49, 2, "1"},
    {Qt::Key_2, 50, 3, "2"},
    {Qt::Key_3, 51, 4, "3"},
    {Qt::Key_4, 52, 5, "4"},
    {Qt::Key_5, 53, 6, "5"},
    {Qt::Key_6, 54, 7, "6"},
    {Qt::Key_7, 55, 8, "7"},
    {Qt::Key_8, 56, 9, "8"},
    {Qt::Key_9, 57, 10, "9"},
    {Qt::Key_0, 48, 11, "0"},
    {Qt::Key_F1, 112, 59, "F1"},
    {Qt::Key_F2, 113, 60, "F2"},
    {Qt::Key_F3, 114, 61, "F3"},
    {Qt::Key_F4, 115, 62, "F4"},
    {Qt::Key_F5, 116, 63, "F5"},
    {Qt::Key_F6, 117, 64, "F6"},
    {Qt::Key_F7, 118, 65, "F7"},
    {Qt::Key_F8, 119, 66, "F8"},
    {Qt::Key_F9, 120, 67, "F9"},
    {Qt::Key_F10, 121, 68, "F10"},
    {Qt::Key_F11, 122, 87, "F11"},
    {Qt::Key_F12, 123, 88, "F12"},
    {Qt::Key_Escape, 27, 1, "Esc"},
    {Qt::Key_Tab, 9, 15, "Tab"},
    {Qt::Key_Backspace, 8, 14, "Backspace"},
    {Qt::Key_Return, 13, 28, "Enter"},
    {Qt::Key_Enter, 13, 284, "Enter"}, // the keypad's Enter, an extended key
    {Qt::Key_Space, 32, 57, "Space"},
    {Qt::Key_CapsLock, 20, 58, "Caps"},
    {Qt::Key_ScrollLock, 145, 70, "Scrolllock"},
    {Qt::Key_Shift, 16, 42, "Shift"},
    {Qt::Key_Control, 17, 29, "Ctrl"},
    {Qt::Key_Alt, 18, 56, "Alt"},
    {Qt::Key_Up, 38, 328, "Direction_up"},
    {Qt::Key_Right, 39, 333, "Direction_right"},
    {Qt::Key_Down, 40, 336, "Direction_down"},
    {Qt::Key_Left, 37, 331, "Direction_left"},
    {Qt::Key_Home, 36, 327, "Home"},
    {Qt::Key_End, 35, 335, "End"},
    {Qt::Key_PageUp, 33, 329, "PageUp"},
    {Qt::Key_PageDown, 34, 337, "PageDown"},
    {Qt::Key_Insert, 45, 338, "Insert"},
    {Qt::Key_Delete, 46, 339, "Delete"},
    {Qt::Key_Minus, 189, 12, "-"},
    {Qt::Key_Equal, 187, 13, "="},
    {Qt::Key_BracketLeft, 219, 26, "["},
    {Qt::Key_BracketRight, 221, 27, "]"},
    {Qt::Key_Semicolon, 186, 39, ";"},
    {Qt::Key_Apostrophe, 222, 40, "'"},
    {Qt::Key_QuoteLeft, 192, 41, "`"},
    {Qt::Key_Backslash, 220, 43, "\\"},
    {Qt::Key_Comma, 188, 51, ","},
    {Qt::Key_Period, 190, 52, "."},
    {Qt::Key_Slash, 191, 53, "/"},
    // Qt names these by the character, which only the keypad sends without Shift.
    {Qt::Key_Asterisk, 106, 55, "*"},
    {Qt::Key_Plus, 107, 78, "+"},
    // The rest of the keypad, which Qt names by the key with the keypad modifier.
    {keypad(Qt::Key_0), 96, 82, "N0"},
    {keypad(Qt::Key_1), 97, 79, "N1"},
    {keypad(Qt::Key_2), 98, 80, "N2"},
    {keypad(Qt::Key_3), 99, 81, "N3"},
    {keypad(Qt::Key_4), 100, 75, "N4"},
    {keypad(Qt::Key_5), 101, 76, "N5"},
    {keypad(Qt::Key_6), 102, 77, "N6"},
    {keypad(Qt::Key_7), 103, 71, "N7"},
    {keypad(Qt::Key_8), 104, 72, "N8"},
    {keypad(Qt::Key_9), 105, 73, "N9"},
    {keypad(Qt::Key_Period), 110, 83, "."},
    {keypad(Qt::Key_Minus), 109, 74, "-"},
    {keypad(Qt::Key_Slash), 111, 309, "/"},
};

// The library's mouse codes are Qt's button values; the virtual keys are Windows' own.
const QtKeyRow kMouseRows[] = {
    {Qt::LeftButton, 1, 1, "left_mouse"},          {Qt::RightButton, 2, 2, "right_mouse"},
    {Qt::MiddleButton, 4, 4, "middle_mouse"},      {Qt::BackButton, 5, 8, "back_mouse"},
    {Qt::ForwardButton, 6, 16, "forward_mouse"},   {kWheelUpCode, -1, 548, "wheel_up_mouse"},
    {kWheelDownCode, -1, 549, "wheel_down_mouse"},
};

// Qt 6 dropped this old spelling of the middle button from its enumeration; files still use it.
const char kOldMiddleButtonName[] = "MidButton";

const QtKeyRow* findRow(const QtKeyTable& table, int qtCode) {
    for (int i = 0; i < table.size; ++i) {
        if (table.rows[i].qtCode == qtCode)
            return &table.rows[i];
    }
    return nullptr;
}

} // namespace

QtKey keyForQtCode(const QtKeyTable& table, int qtCode) {
    QtKey result;
    result.status = QtKeyStatus::Unsupported;
    if (const QtKeyRow* row = findRow(table, qtCode)) {
        result.status = QtKeyStatus::Mapped;
        result.key = CreateConfigKey(QLatin1String(table.device), row->virtualKey, row->scanCode);
    }
    return result;
}

QtKeyTable qtKeyboardTable() {
    return {kKeyboardRows, int(std::size(kKeyboardRows)), ovelkeymapmanager::Device::Keyboard};
}

QtKeyTable qtMouseTable() {
    return {kMouseRows, int(std::size(kMouseRows)), ovelkeymapmanager::Device::Mouse};
}

QtKey keyForQtName(const QString& name) {
    const QByteArray latin = name.toLatin1();
    bool found = false;
    const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(latin.constData(), &found);
    if (found)
        return keyForQtCode(qtKeyboardTable(), key);
    const QByteArray buttonName = latin == kOldMiddleButtonName ? QByteArray("MiddleButton") : latin;
    const int button = QMetaEnum::fromType<Qt::MouseButtons>().keyToValue(buttonName.constData(), &found);
    if (found)
        return keyForQtCode(qtMouseTable(), button);
    return QtKey();
}

ovelkeymapmanager::ConfigKey mouseKey(int qtCode) {
    return keyForQtCode(qtMouseTable(), qtCode).key;
}

} // namespace keymapctl
