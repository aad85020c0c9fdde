#include <keymapmanager/macro/macroconversion_p.h>

namespace ovelkeymapmanager {

// Placeholder until the converters land.
QList<QString> editingToRunningText(const QStringList&, const QRect&) { return {}; }
QList<QString> runningToEditingText(const QStringList&, const QRect&) { return {}; }
QVector<int> editingTextGrammarCheck(const QStringList&) { return {}; }

} // namespace ovelkeymapmanager
