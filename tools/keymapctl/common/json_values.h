// Small readings of the JSON library's values, for messages: what is at a path, what kind a value
// is, and its text on one line.
#pragma once

#include <Poco/Dynamic/Var.h>
#include <QByteArray>
#include <QString>

namespace keymapctl {

bool isJsonObject(const Poco::Dynamic::Var& value);
bool isJsonArray(const Poco::Dynamic::Var& value);

// The value at a path ("keymaps[3].icon.description") of a tree; empty when there is none.
Poco::Dynamic::Var valueAt(const Poco::Dynamic::Var& root, const QString& path);
// "an integer", "a text", "an object"... as the kind of a JSON value.
QString kindName(const Poco::Dynamic::Var& value);

// The JSON text of a value on one line, and that text shortened to a readable length.
QByteArray jsonBytes(const Poco::Dynamic::Var& value);
QString shortJson(const Poco::Dynamic::Var& value);

} // namespace keymapctl
