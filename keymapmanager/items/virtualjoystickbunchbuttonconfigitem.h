#pragma once

#include <keymapmanager/items/virtualjoystickbuttonconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualJoystickBunchButtonConfigItem : public VirtualJoystickButtonConfigItem {
public:
    VirtualJoystickBunchButtonConfigItem();
    ~VirtualJoystickBunchButtonConfigItem() override;
};

} // namespace ovelkeymapmanager
