#include <keymapmanager/items/observeconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

ObserveConfigItem::ObserveConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Observe)) {}

ObserveConfigItem::~ObserveConfigItem() = default;

} // namespace ovelkeymapmanager
