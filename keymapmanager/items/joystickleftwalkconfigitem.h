// JoystickLeftWalkConfigItem ("LeftStickWalk"): walks with the controller's left stick.
#pragma once

#include <keymapmanager/config/configitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT JoystickLeftWalkConfigItem : public ConfigItem {
public:
    JoystickLeftWalkConfigItem();
    ~JoystickLeftWalkConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    double radius = 0.0; // fraction of the screen
    double startDistanceRatio = 0.1;
    int startResponseTime = 20;
    bool startPolicyEnabled = false;
    int stopDelayTime = 60;
    int stopResponseTime = 20;
    bool stopPolicyEnabled = false;
};

} // namespace ovelkeymapmanager
