#include <keymapmanager/items/virtualjoystickbuttonconfigitem.h>

#include <keymapmanager/config/jsonmembers_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, VirtualJoystickButtonConfigItem& item) {
    io.optional("virtual_joystick_button_policy",
                [&](auto& policy) { policy.optional("virtual_joystick_button_text", item.buttonText); });
}

VirtualJoystickButtonConfigItem::VirtualJoystickButtonConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::VirtualJoystickButton)) {}

VirtualJoystickButtonConfigItem::~VirtualJoystickButtonConfigItem() = default;

Poco::JSON::Object VirtualJoystickButtonConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::writeMembers(object, *this);
    return object;
}

void VirtualJoystickButtonConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::readMembers(object, *this);
}

} // namespace ovelkeymapmanager
