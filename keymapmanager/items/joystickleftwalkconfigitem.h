#pragma once

#include <keymapmanager/config/configitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT JoystickLeftWalkConfigItem : public ConfigItem {
public:
    JoystickLeftWalkConfigItem();
    ~JoystickLeftWalkConfigItem() override;
};

} // namespace ovelkeymapmanager
