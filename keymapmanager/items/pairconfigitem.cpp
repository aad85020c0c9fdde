#include <keymapmanager/items/pairconfigitem.h>

#include <utility>

namespace ovelkeymapmanager {

PairConfigItem::PairConfigItem(QString typeName) : ComposableConfigItem(std::move(typeName)) {}

PairConfigItem::~PairConfigItem() = default;

} // namespace ovelkeymapmanager
