#pragma once

#include <keymapmanager/config/configitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT JoystickRightEyeConfigItem : public ConfigItem {
public:
    JoystickRightEyeConfigItem();
    ~JoystickRightEyeConfigItem() override;
};

} // namespace ovelkeymapmanager
