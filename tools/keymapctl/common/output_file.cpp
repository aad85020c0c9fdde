#include "common/output_file.h"

#include <QFileInfo>

namespace keymapctl {

QString outputRefusal(const QString& target, const QStringList& inputs, bool force) {
    const QFileInfo output(target);
    if (!output.exists())
        return QString();
    for (const QString& input : inputs) {
        if (!input.isEmpty() && QFileInfo(input).canonicalFilePath() == output.canonicalFilePath())
            return QStringLiteral("%1: not written, it is the input %2").arg(target, input);
    }
    if (output.isDir())
        return QStringLiteral("%1: not written, it is a directory").arg(target);
    if (!force)
        return QStringLiteral("%1: not written, the file exists (--force writes over it)").arg(target);
    return QString();
}

} // namespace keymapctl
