#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualJoystickButtonConfigItem : public ComposableConfigItem {
public:
    VirtualJoystickButtonConfigItem();
    ~VirtualJoystickButtonConfigItem() override;
};

} // namespace ovelkeymapmanager
