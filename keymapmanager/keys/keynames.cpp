#include <keymapmanager/keys/keynames_p.h>

namespace ovelkeymapmanager {

// Placeholder until the naming tables land.
int normalizedScanCode(int scanCode) { return scanCode; }
void normalizeScanCode(ConfigKey& key) { key.scanCode = normalizedScanCode(key.scanCode); }
void updateConfigKeyText(ConfigKey&, const QString&, int) {}
QString macroNameForCode(const QString&, int) { return QString(); }
int macroCodeForName(const QString&, const QString&) { return -1; }

} // namespace ovelkeymapmanager
