#include <keymapmanager/items/tipconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

TipConfigItem::TipConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Tip)) {}

TipConfigItem::~TipConfigItem() = default;

} // namespace ovelkeymapmanager
