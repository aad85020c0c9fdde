#include <keymapmanager/items/virtualstickrightconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

VirtualStickRightConfigItem::VirtualStickRightConfigItem() {
    typeName = QLatin1String(TypeName::VirtualRightStick);
    useArrowKeys();
}

VirtualStickRightConfigItem::~VirtualStickRightConfigItem() = default;

} // namespace ovelkeymapmanager
