// Where a command may write a file: never over one of the files it reads, and over an existing
// file only when the author asks for it with --force.
#pragma once

#include <QString>
#include <QStringList>

namespace keymapctl {

// Why the command may not write target, or "" when it may: target is one of its inputs (by
// canonical path, so a link to an input counts), a directory, or an existing file and not force.
QString outputRefusal(const QString& target, const QStringList& inputs, bool force);

} // namespace keymapctl
