// The library's diagnostic log: the Poco logger "keymap_logger" writing to a rotating file
// "keymap_looger.txt_<pid>" in the current directory. Its level is "error", so the debug lines the
// library writes are filtered out (and no file is created) unless a host raises the level with
// Poco::Logger::get("keymap_logger").setLevel(Poco::Message::PRIO_DEBUG) after the set-up.
#pragma once

#include <QString>

namespace ovelkeymapmanager::keymaplog {

inline constexpr char kLoggerName[] = "keymap_logger";
inline constexpr char kFileBaseName[] = "keymap_looger.txt";

// Sets the logger up on the first call in the process (thread-safe); later calls do nothing.
void ensureSetUp();
// The path of this process's log file.
QString filePath();
// Writes prefix + text at debug priority; nothing is built when the level filters it out.
void debug(const char* prefix, const QString& text);

} // namespace ovelkeymapmanager::keymaplog
