#include <keymapmanager/keys/keyquestions_p.h>

namespace ovelkeymapmanager {

// Placeholder until the key questions land.
int macroConfigKeyCode(const QEvent*) { return 1; }
bool configKeyMatch(const KeymapConfig*, const ConfigKey*, const ConfigKey*) { return false; }
bool configHasItemType(const KeymapConfig*, const QString&) { return false; }

} // namespace ovelkeymapmanager
