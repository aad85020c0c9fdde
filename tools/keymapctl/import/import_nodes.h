// The items made from the nodes of a QtScrcpy keymap ("keyMapNodes" and the "smallEyes" of
// "mouseMoveMap"); docs/keymap-format.md has the table of what becomes what.
#pragma once

#include "import/import_context.h"

#include <memory>

namespace keymapctl {

// The item for one "keyMapNodes" element, or null when the node cannot be imported (reported).
std::unique_ptr<ovelkeymapmanager::ConfigItem> importNode(ImportContext& context, const QJsonValue& node,
                                                          const QString& path);

// The Observe item for "smallEyes" (a key and a position, like a click node), or null.
std::unique_ptr<ovelkeymapmanager::ConfigItem> importSmallEyes(ImportContext& context,
                                                               const QJsonObject& node, const QString& path);

// Places an item at position (its touch and its icon) and takes the node's "comment", unchanged,
// as the icon's description.
void placeItem(ovelkeymapmanager::ConfigItem& item, const QPointF& position, const QJsonObject& node);

} // namespace keymapctl
