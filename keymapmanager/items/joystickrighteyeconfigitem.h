// JoystickRightEyeConfigItem ("RightStickEye"): steers the view with the controller's right stick.
#pragma once

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/items/itemrecords.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT JoystickRightEyeConfigItem : public ConfigItem, public StaringArea {
public:
    JoystickRightEyeConfigItem();
    ~JoystickRightEyeConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    int sensitivity = 100;
};

} // namespace ovelkeymapmanager
