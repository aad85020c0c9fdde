// Web key codes (the "code" of a browser's KeyboardEvent) as Qt names the same keys.
#include "import/import_keys.h"

namespace keymapctl {

namespace {

// clang-format off
const WebKeyRow kWebKeyRows[] = {
    {"KeyA", Qt::Key_A}, {"KeyB", Qt::Key_B}, {"KeyC", Qt::Key_C}, {"KeyD", Qt::Key_D},
    {"KeyE", Qt::Key_E}, {"KeyF", Qt::Key_F}, {"KeyG", Qt::Key_G}, {"KeyH", Qt::Key_H},
    {"KeyI", Qt::Key_I}, {"KeyJ", Qt::Key_J}, {"KeyK", Qt::Key_K}, {"KeyL", Qt::Key_L},
    {"KeyM", Qt::Key_M}, {"KeyN", Qt::Key_N}, {"KeyO", Qt::Key_O}, {"KeyP", Qt::Key_P},
    {"KeyQ", Qt::Key_Q}, {"KeyR", Qt::Key_R}, {"KeyS", Qt::Key_S}, {"KeyT", Qt::Key_T},
    {"KeyU", Qt::Key_U}, {"KeyV", Qt::Key_V}, {"KeyW", Qt::Key_W}, {"KeyX", Qt::Key_X},
    {"KeyY", Qt::Key_Y}, {"KeyZ", Qt::Key_Z},
    {"Digit0", Qt::Key_0}, {"Digit1", Qt::Key_1}, {"Digit2", Qt::Key_2}, {"Digit3", Qt::Key_3},
    {"Digit4", Qt::Key_4}, {"Digit5", Qt::Key_5}, {"Digit6", Qt::Key_6}, {"Digit7", Qt::Key_7},
    {"Digit8", Qt::Key_8}, {"Digit9", Qt::Key_9},
    {"F1", Qt::Key_F1}, {"F2", Qt::Key_F2}, {"F3", Qt::Key_F3}, {"F4", Qt::Key_F4},
    {"F5", Qt::Key_F5}, {"F6", Qt::Key_F6}, {"F7", Qt::Key_F7}, {"F8", Qt::Key_F8},
    {"F9", Qt::Key_F9}, {"F10", Qt::Key_F10}, {"F11", Qt::Key_F11}, {"F12", Qt::Key_F12},
    {"F13", Qt::Key_F13}, {"F14", Qt::Key_F14}, {"F15", Qt::Key_F15}, {"F16", Qt::Key_F16},
    {"F17", Qt::Key_F17}, {"F18", Qt::Key_F18}, {"F19", Qt::Key_F19}, {"F20", Qt::Key_F20},
    {"F21", Qt::Key_F21}, {"F22", Qt::Key_F22}, {"F23", Qt::Key_F23}, {"F24", Qt::Key_F24},
    {"Escape", Qt::Key_Escape}, {"Tab", Qt::Key_Tab}, {"Backspace", Qt::Key_Backspace},
    {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space}, {"CapsLock", Qt::Key_CapsLock},
    {"ScrollLock", Qt::Key_ScrollLock}, {"NumLock", Qt::Key_NumLock}, {"PrintScreen", Qt::Key_Print},
    {"Pause", Qt::Key_Pause}, {"ContextMenu", Qt::Key_Menu},
    {"ShiftLeft", Qt::Key_Shift}, {"ShiftRight", Qt::Key_Shift},
    {"ControlLeft", Qt::Key_Control}, {"ControlRight", Qt::Key_Control},
    {"AltLeft", Qt::Key_Alt}, {"AltRight", Qt::Key_Alt},
    {"MetaLeft", Qt::Key_Meta}, {"MetaRight", Qt::Key_Meta},
    {"ArrowUp", Qt::Key_Up}, {"ArrowDown", Qt::Key_Down}, {"ArrowLeft", Qt::Key_Left},
    {"ArrowRight", Qt::Key_Right}, {"Home", Qt::Key_Home}, {"End", Qt::Key_End},
    {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown}, {"Insert", Qt::Key_Insert},
    {"Delete", Qt::Key_Delete},
    {"Minus", Qt::Key_Minus}, {"Equal", Qt::Key_Equal}, {"BracketLeft", Qt::Key_BracketLeft},
    {"BracketRight", Qt::Key_BracketRight}, {"Backslash", Qt::Key_Backslash},
    {"Semicolon", Qt::Key_Semicolon}, {"Quote", Qt::Key_Apostrophe}, {"Backquote", Qt::Key_QuoteLeft},
    {"Comma", Qt::Key_Comma}, {"Period", Qt::Key_Period}, {"Slash", Qt::Key_Slash},
    {"Numpad0", keypad(Qt::Key_0)}, {"Numpad1", keypad(Qt::Key_1)}, {"Numpad2", keypad(Qt::Key_2)},
    {"Numpad3", keypad(Qt::Key_3)}, {"Numpad4", keypad(Qt::Key_4)}, {"Numpad5", keypad(Qt::Key_5)},
    {"Numpad6", keypad(Qt::Key_6)}, {"Numpad7", keypad(Qt::Key_7)}, {"Numpad8", keypad(Qt::Key_8)},
    {"Numpad9", keypad(Qt::Key_9)}, {"NumpadDecimal", keypad(Qt::Key_Period)},
    {"NumpadSubtract", keypad(Qt::Key_Minus)}, {"NumpadDivide", keypad(Qt::Key_Slash)},
    // The library's keymaps hold keypad *, + and Enter under these plain Qt keys.
    {"NumpadMultiply", Qt::Key_Asterisk}, {"NumpadAdd", Qt::Key_Plus}, {"NumpadEnter", Qt::Key_Enter},
};
// clang-format on

} // namespace

WebKeyTable webKeyTable() {
    return {kWebKeyRows, int(std::size(kWebKeyRows))};
}

QtKey keyForWebCode(const QString& code) {
    for (const WebKeyRow& row : kWebKeyRows) {
        if (code == QLatin1String(row.code))
            return keyForQtCode(qtKeyboardTable(), row.qtCode);
    }
    return QtKey();
}

} // namespace keymapctl
