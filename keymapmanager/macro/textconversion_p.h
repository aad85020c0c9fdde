// Converting macro text line by line between its editing and running forms, and checking it.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ovelkeymapmanager {

QList<QString> editingToRunningText(const QStringList& lines, const QRect& rect);
QList<QString> runningToEditingText(const QStringList& lines, const QRect& rect);
// 1-based numbers, counted over all lines, of the editing lines that no command accepts.
QVector<int> editingTextGrammarCheck(const QStringList& lines);

} // namespace ovelkeymapmanager
