// The commands that press, release or toggle one key, mouse button or joystick control, or turn the
// mouse wheel ("key_press ctrl" <-> "keyboard_press:29", "joystick_press LT" <-> "joystick_press:LT").
#pragma once

#include <keymapmanager/macro/linescans_p.h>
#include <keymapmanager/macro/marcoconverter_p.h>

namespace ovelkeymapmanager {

// How a device command writes its argument in each form.
enum class DeviceArgument {
    KeyName,    // a key name in editing text, its keyboard code in running text
    ButtonName, // a mouse button name, its button code
    Token,      // a joystick control, the same text in both forms
    Digits,     // a wheel amount, the same digits in both forms
};

// The grammar of one device command.
struct DeviceCommand {
    DeviceCommand(const char* editingWord, const char* runningWord, DeviceArgument argument);
    // "key" or "btn" for the naming functions; empty for arguments that pass through.
    QString nameClass() const;

    DeviceArgument argument;
    QString editingPrefix;                   // "key_press "
    QString runningPrefix;                   // "keyboard_press:"
    macro::WordArgumentScan editingArgument; // key_press\s+(\S+)$ (wheel: (\d+))
    macro::WordArgumentScan runningArgument; // keyboard_press:(\d+) (joystick: (\S+))
    // What recognises an editing line: the argument scan, except that a joystick line may go on
    // after its token (joystick_press\s+(\S+)).
    macro::WordArgumentScan editingLine;
};

QString deviceToRunningText(const DeviceCommand& command, const QString& editingText);
QString deviceToEditingText(const DeviceCommand& command, const QString& runningText);

template <const char* EditingWord, const char* RunningWord, DeviceArgument Argument>
class MarcoDeviceConVerter : public MarcoConVerter {
public:
    static const DeviceCommand& command() {
        static const DeviceCommand compiled(EditingWord, RunningWord, Argument);
        return compiled;
    }

    QString toEditingText() const override { return deviceToEditingText(command(), runningText); }
    QString toRunningText() const override { return deviceToRunningText(command(), editingText); }
};

namespace macroword {
inline constexpr char keyPress[] = "key_press";
inline constexpr char keyRelease[] = "key_release";
inline constexpr char keySwitch[] = "key_switch";
inline constexpr char keyboardPress[] = "keyboard_press";
inline constexpr char keyboardRelease[] = "keyboard_release";
inline constexpr char keyboardSwitch[] = "keyboard_switch";
inline constexpr char mousePress[] = "mouse_press";
inline constexpr char mouseRelease[] = "mouse_release";
inline constexpr char mouseSwitch[] = "mouse_switch";
inline constexpr char joystickPress[] = "joystick_press";
inline constexpr char joystickRelease[] = "joystick_release";
inline constexpr char joystickSwitch[] = "joystick_switch";
inline constexpr char mouseWheelup[] = "mouse_wheelup";
inline constexpr char mouseWheeldown[] = "mouse_wheeldown";
} // namespace macroword

class MarcoKeyboardPressConVerter final
    : public MarcoDeviceConVerter<macroword::keyPress, macroword::keyboardPress, DeviceArgument::KeyName> {};
class MarcoKeyboardReleaseConVerter final
    : public MarcoDeviceConVerter<macroword::keyRelease, macroword::keyboardRelease,
                                  DeviceArgument::KeyName> {};
class MarcoKeyboardSwitchConVerter final
    : public MarcoDeviceConVerter<macroword::keySwitch, macroword::keyboardSwitch, DeviceArgument::KeyName> {
};
class MarcoMousePressConVerter final
    : public MarcoDeviceConVerter<macroword::mousePress, macroword::mousePress, DeviceArgument::ButtonName> {
};
class MarcoMouseReleaseConVerter final
    : public MarcoDeviceConVerter<macroword::mouseRelease, macroword::mouseRelease,
                                  DeviceArgument::ButtonName> {};
class MarcoMouseSwitchConVerter final
    : public MarcoDeviceConVerter<macroword::mouseSwitch, macroword::mouseSwitch,
                                  DeviceArgument::ButtonName> {};
class MarcoJoystickPressConVerter final
    : public MarcoDeviceConVerter<macroword::joystickPress, macroword::joystickPress, DeviceArgument::Token> {
};
class MarcoJoystickReleaseConVerter final
    : public MarcoDeviceConVerter<macroword::joystickRelease, macroword::joystickRelease,
                                  DeviceArgument::Token> {};
class MarcoJoystickSwitchConVerter final
    : public MarcoDeviceConVerter<macroword::joystickSwitch, macroword::joystickSwitch,
                                  DeviceArgument::Token> {};
class MarcoMouseWheelupConVerter final
    : public MarcoDeviceConVerter<macroword::mouseWheelup, macroword::mouseWheelup, DeviceArgument::Digits> {
};
class MarcoMouseWheeldownConVerter final
    : public MarcoDeviceConVerter<macroword::mouseWheeldown, macroword::mouseWheeldown,
                                  DeviceArgument::Digits> {};

} // namespace ovelkeymapmanager
