#include <keymapmanager/items/virtualstickconfigitem.h>

namespace ovelkeymapmanager {

VirtualStickConfigItem::VirtualStickConfigItem() = default;

VirtualStickConfigItem::~VirtualStickConfigItem() = default;

} // namespace ovelkeymapmanager
