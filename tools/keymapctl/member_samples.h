// What a keymap author may write in an item or a block, learnt from what the library writes: the
// trees of a new item (and of one with every member that is written only at times set), and of
// default "info" and "param" blocks.
#pragma once

#include <Poco/Dynamic/Var.h>
#include <QString>
#include <QVector>

namespace keymapctl {

using Samples = QVector<Poco::Dynamic::Var>;

Samples itemSamples(const QString& type);
// For "info" and "param"; empty for anything else.
Samples blockSamples(const QString& block);

// What a new item of the type, or a default "info" or "param" block, holds at a path inside it.
Poco::Dynamic::Var defaultValueAt(const QString& owner, const QString& path);

} // namespace keymapctl
