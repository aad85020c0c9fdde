// Key naming: display texts of bound keys, and key names and codes of macro text.
#pragma once

#include <keymapmanager/config/configkey.h>

#include <QString>

namespace ovelkeymapmanager {

// Right-hand modifiers folded onto the left-hand ones: 285 -> 29, 54 -> 42, 312 -> 56.
int normalizedScanCode(int scanCode);
void normalizeScanCode(ConfigKey& key);
// Sets the key's display text from a device word and a code; a joystick key keeps its text.
void updateConfigKeyText(ConfigKey& key, const QString& device, int code);
// The name of a code in macro editing text ("key" or "btn" class word, or a device word); empty
// when the code has none.
QString macroNameForCode(const QString& classWord, int code);
// The code of a macro key name (case-insensitive, aliases applied) for the class word "key" or
// "btn"; -1 for an unknown name and for any other word, device words included.
int macroCodeForName(const QString& classWord, const QString& name);

} // namespace ovelkeymapmanager
