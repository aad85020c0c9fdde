#include <keymapmanager/items/joystickrighteyeconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/items/staringarea_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, JoystickRightEyeConfigItem& item) {
    io.required("sensitivity", item.sensitivity);
    io.required("staring_range", item.staringRange);
    io.required("reset_policy", ResetPolicy{item});
}

JoystickRightEyeConfigItem::JoystickRightEyeConfigItem()
    : ConfigItem(QLatin1String(TypeName::RightStickEye)) {
    key = makeConfigKey(QLatin1String(Device::Joystick), QLatin1String(StickSide::Right), kUnsetKeyCode,
                        kUnsetKeyCode);
}

JoystickRightEyeConfigItem::~JoystickRightEyeConfigItem() = default;

Poco::JSON::Object JoystickRightEyeConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void JoystickRightEyeConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, JoystickRightEyeConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
