#include <keymapmanager/items/swipeholdconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

SwipeholdConfigItem::SwipeholdConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Swipehold)) { useWasdKeys(); }

SwipeholdConfigItem::~SwipeholdConfigItem() = default;

} // namespace ovelkeymapmanager
