#include <keymapmanager/items/virtualstickconfigitem.h>

#include <utility>

namespace ovelkeymapmanager {

VirtualStickConfigItem::VirtualStickConfigItem() = default;

VirtualStickConfigItem::~VirtualStickConfigItem() = default;

} // namespace ovelkeymapmanager
