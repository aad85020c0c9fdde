#include <keymapmanager/items/virtualjoystickbuttonconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

VirtualJoystickButtonConfigItem::VirtualJoystickButtonConfigItem() : ComposableConfigItem(QLatin1String(TypeName::VirtualJoystickButton)) {}

VirtualJoystickButtonConfigItem::~VirtualJoystickButtonConfigItem() = default;

} // namespace ovelkeymapmanager
