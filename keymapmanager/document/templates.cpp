#include <keymapmanager/document/templates_p.h>

namespace ovelkeymapmanager {

namespace {

// 518 bytes, line feeds only, no final line feed.
constexpr char kKeymapTemplate[] = "{\n"
                                   "                \"info\": {\n"
                                   "                    \"background_color\": \"000000FF\",\n"
                                   "                    \"is_joystick\": false,\n"
                                   "                    \"transparent_ESC\": false,\n"
                                   "                    \"transparent_mouse\": \"Mouse_No_Transparent\",\n"
                                   "                    \"transparent_mouse_windows_raw_move_period\": 0,\n"
                                   "                    \"transparent_wheel\": false,\n"
                                   "                    \"transparent_keyboard\": false,\n"
                                   "                    \"visibility\": true\n"
                                   "                },\n"
                                   "                \"keymaps\": [\n"
                                   "                ]\n"
                                   "            }";

// 393 bytes, line feeds only, no final line feed.
constexpr char kSystemTemplate[] =
    "{\n"
    "                \"info\": {\n"
    "                    \"background_color\": \"000000FF\",\n"
    "                    \"is_joystick\": false,\n"
    "                    \"transparent_ESC\": false,\n"
    "                    \"transparent_mouse\": \"Mouse_OtherButton_Transparent\",\n"
    "                    \"transparent_wheel\": true,\n"
    "                    \"visibility\": true\n"
    "                },\n"
    "                \"keymaps\":[]\n"
    "                }";

// 517 bytes, line feeds only, no final line feed.
constexpr char kJoystickTemplate[] = "{\n"
                                     "                \"info\": {\n"
                                     "                    \"background_color\": \"000000FF\",\n"
                                     "                    \"is_joystick\": true,\n"
                                     "                    \"transparent_ESC\": false,\n"
                                     "                    \"transparent_mouse\": \"Mouse_No_Transparent\",\n"
                                     "                    \"transparent_mouse_windows_raw_move_period\": 0,\n"
                                     "                    \"transparent_wheel\": false,\n"
                                     "                    \"transparent_joystick\": false,\n"
                                     "                    \"visibility\": true\n"
                                     "                },\n"
                                     "                \"keymaps\": [\n"
                                     "                ]\n"
                                     "            }";

} // namespace

const char* builtInTemplate(bool keymapTemplates, const QString& path) {
    if (path == QLatin1String(kSanitaryTemplateName))
        return keymapTemplates ? kKeymapTemplate : kJoystickTemplate;
    if (keymapTemplates && path == QLatin1String(kSystemTemplateName))
        return kSystemTemplate;
    return nullptr;
}

} // namespace ovelkeymapmanager
