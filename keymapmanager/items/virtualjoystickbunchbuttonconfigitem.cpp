#include <keymapmanager/items/virtualjoystickbunchbuttonconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemrecords_p.h>

namespace ovelkeymapmanager {

// Built as a plain button, then named as a bunch button.
VirtualJoystickBunchButtonConfigItem::VirtualJoystickBunchButtonConfigItem() {
    typeName = QLatin1String(TypeName::VirtualJoystickBunchButton);
}

VirtualJoystickBunchButtonConfigItem::~VirtualJoystickBunchButtonConfigItem() = default;

// "enable" and the burst settings stand beside the button policy, at the item level.
Poco::JSON::Object VirtualJoystickBunchButtonConfigItem::toJson() const {
    Poco::JSON::Object object = VirtualJoystickButtonConfigItem::toJson();
    json::put(object, "enable", enable);
    records::putBunchClick(object, *this);
    return object;
}

void VirtualJoystickBunchButtonConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    VirtualJoystickButtonConfigItem::fromJson(object);
    json::read(object, "enable", enable);
    records::readBunchClick(object, *this);
}

} // namespace ovelkeymapmanager
