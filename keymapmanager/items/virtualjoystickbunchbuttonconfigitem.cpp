#include <keymapmanager/items/virtualjoystickbunchbuttonconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/bunchclick_p.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

// "enable" and the burst settings stand beside the button policy, at the item level.
template <typename Io> static void jsonMembers(Io& io, VirtualJoystickBunchButtonConfigItem& item) {
    io.required("enable", item.enable);
    bunchClickMembers(io, item);
}

// Built as a plain button, then named as a bunch button.
VirtualJoystickBunchButtonConfigItem::VirtualJoystickBunchButtonConfigItem() {
    typeName = QLatin1String(TypeName::VirtualJoystickBunchButton);
}

VirtualJoystickBunchButtonConfigItem::~VirtualJoystickBunchButtonConfigItem() = default;

Poco::JSON::Object VirtualJoystickBunchButtonConfigItem::toJson() const {
    return json::writtenAfter<VirtualJoystickButtonConfigItem>(*this);
}

void VirtualJoystickBunchButtonConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<VirtualJoystickButtonConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, VirtualJoystickBunchButtonConfigItem& item) {
    json::describedAfter<VirtualJoystickButtonConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
