// The built-in template documents that stand for a file under the reserved names.
#pragma once

#include <QByteArray>
#include <QString>

namespace ovelkeymapmanager {

inline constexpr char kSanitaryTemplateName[] = "sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300";
inline constexpr char kSystemTemplateName[] = "system-9252A9CA-0C32-4FFD-8BF6-82653751D068";

// The template text for a reserved name of the chosen set (keymap set or joystick set), or null
// when the name is not reserved there.
const char* builtInTemplate(bool keymapTemplates, const QString& path);

} // namespace ovelkeymapmanager
