#include <keymapmanager/items/joystickrighteyeconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemrecords_p.h>

namespace ovelkeymapmanager {

JoystickRightEyeConfigItem::JoystickRightEyeConfigItem()
    : ConfigItem(QLatin1String(TypeName::RightStickEye)) {
    key = makeConfigKey(QLatin1String(Device::Joystick), QLatin1String(StickSide::Right), kUnsetKeyCode,
                        kUnsetKeyCode);
}

JoystickRightEyeConfigItem::~JoystickRightEyeConfigItem() = default;

Poco::JSON::Object JoystickRightEyeConfigItem::toJson() const {
    Poco::JSON::Object object = ConfigItem::toJson();
    json::put(object, "sensitivity", sensitivity);
    records::putStaringArea(object, *this);
    return object;
}

void JoystickRightEyeConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    json::read(object, "sensitivity", sensitivity);
    records::readStaringRange(object, *this);
    records::readResetPolicy(object, *this);
}

} // namespace ovelkeymapmanager
