#include <keymapmanager/items/joystickrighteyeconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

JoystickRightEyeConfigItem::JoystickRightEyeConfigItem() : ConfigItem(QLatin1String(TypeName::RightStickEye)) {}

JoystickRightEyeConfigItem::~JoystickRightEyeConfigItem() = default;

} // namespace ovelkeymapmanager
