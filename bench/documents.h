// Generated keymap documents and macros for the benchmarks.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace benchdata {

// The canonical text of a realistic keymap of itemCount items: every item type in turn, bound keys,
// chords on a third of the chord-capable items, macros with press and release lines.
QByteArray keymapText(int itemCount);
// A small keymap carrying imageCount feature images of width x height in two groups.
QByteArray imageKeymapText(int imageCount, int width, int height);
// A macro of lineCount editing lines mixing every command kind.
QStringList editingMacro(int lineCount);

// Writes bytes to a file in a fresh temporary directory that lives until the process ends.
QString writeTemporary(const char* name, const QByteArray& bytes);

} // namespace benchdata
