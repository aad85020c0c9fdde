#include <keymapmanager/items/virtualstickrightconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

VirtualStickRightConfigItem::VirtualStickRightConfigItem() { typeName = QLatin1String(TypeName::VirtualRightStick); }

VirtualStickRightConfigItem::~VirtualStickRightConfigItem() = default;

} // namespace ovelkeymapmanager
