#include <keymapmanager/items/virtualstickleftconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

VirtualStickLeftConfigItem::VirtualStickLeftConfigItem() {
    typeName = QLatin1String(TypeName::VirtualLeftStick);
}

VirtualStickLeftConfigItem::~VirtualStickLeftConfigItem() = default;

} // namespace ovelkeymapmanager
