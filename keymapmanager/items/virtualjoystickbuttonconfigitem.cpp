#include <keymapmanager/items/virtualjoystickbuttonconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

VirtualJoystickButtonConfigItem::VirtualJoystickButtonConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::VirtualJoystickButton)) {}

VirtualJoystickButtonConfigItem::~VirtualJoystickButtonConfigItem() = default;

Poco::JSON::Object VirtualJoystickButtonConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::putNested(object, "virtual_joystick_button_policy", "virtual_joystick_button_text", buttonText);
    return object;
}

void VirtualJoystickButtonConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::readNestedIf(object, "virtual_joystick_button_policy", "virtual_joystick_button_text", buttonText);
}

} // namespace ovelkeymapmanager
