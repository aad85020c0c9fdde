#include <keymapmanager/items/virtualjoystickbuttonconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, VirtualJoystickButtonConfigItem& item) {
    io.optional("virtual_joystick_button_policy",
                [&](auto& policy) { policy.optional("virtual_joystick_button_text", item.buttonText); });
}

VirtualJoystickButtonConfigItem::VirtualJoystickButtonConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::VirtualJoystickButton)) {}

VirtualJoystickButtonConfigItem::~VirtualJoystickButtonConfigItem() = default;

Poco::JSON::Object VirtualJoystickButtonConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void VirtualJoystickButtonConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, VirtualJoystickButtonConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
