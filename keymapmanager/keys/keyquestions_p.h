// The key questions the host asks about events and documents.
#pragma once

#include <QString>

class QEvent;

namespace ovelkeymapmanager {

class KeymapConfig;
struct ConfigKey;

// The code of a mouse, wheel or key event; 1 for any other event, for null, and for an event whose
// class does not fit its type.
int macroConfigKeyCode(const QEvent* event);
// Whether some item of the document is bound to the key (or chord); false for null arguments.
bool configKeyMatch(const KeymapConfig* config, const ConfigKey* key, const ConfigKey* secondKey);
// Whether some item of the document has exactly this type name; false for a null document.
bool configHasItemType(const KeymapConfig* config, const QString& itemType);

} // namespace ovelkeymapmanager
