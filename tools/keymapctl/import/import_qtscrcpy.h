// Import of QtScrcpy keymaps: a JSON object with "switchKey", "mouseMoveMap" and "keyMapNodes".
#pragma once

#include "import/import_context.h"

#include <QJsonDocument>

#include <memory>

namespace keymapctl {

// Why the document is not a QtScrcpy keymap, or "" when it has the shape of one.
QString qtscrcpyShapeProblem(const QJsonDocument& document);

// The keymap made from a document of the right shape; every part of the source that is left out
// or changed on the way is reported to the context.
std::unique_ptr<ovelkeymapmanager::KeymapConfig> importQtScrcpy(ImportContext& context,
                                                                const QJsonObject& root);

} // namespace keymapctl
