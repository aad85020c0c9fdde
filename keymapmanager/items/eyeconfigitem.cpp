#include <keymapmanager/items/eyeconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

EyeConfigItem::EyeConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Eye)) {}

EyeConfigItem::~EyeConfigItem() = default;

} // namespace ovelkeymapmanager
