#include <keymapmanager/items/gravityconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

GravityConfigItem::GravityConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Gravity)) {}

GravityConfigItem::~GravityConfigItem() = default;

} // namespace ovelkeymapmanager
