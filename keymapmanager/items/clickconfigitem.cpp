#include <keymapmanager/items/clickconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

ClickConfigItem::ClickConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Click)) {}

ClickConfigItem::~ClickConfigItem() = default;

} // namespace ovelkeymapmanager
