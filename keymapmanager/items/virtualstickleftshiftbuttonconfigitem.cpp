#include <keymapmanager/items/virtualstickleftshiftbuttonconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

VirtualStickLeftShiftButtonConfigItem::VirtualStickLeftShiftButtonConfigItem() : ComposableConfigItem(QLatin1String(TypeName::VirtualLeftStickShiftButton)) {}

VirtualStickLeftShiftButtonConfigItem::~VirtualStickLeftShiftButtonConfigItem() = default;

} // namespace ovelkeymapmanager
