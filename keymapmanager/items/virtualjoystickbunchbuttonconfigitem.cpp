#include <keymapmanager/items/virtualjoystickbunchbuttonconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

VirtualJoystickBunchButtonConfigItem::VirtualJoystickBunchButtonConfigItem() { typeName = QLatin1String(TypeName::VirtualJoystickBunchButton); }

VirtualJoystickBunchButtonConfigItem::~VirtualJoystickBunchButtonConfigItem() = default;

} // namespace ovelkeymapmanager
