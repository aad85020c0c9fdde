// VirtualStickRightConfigItem: the right virtual stick, "VirtualRightStick", with the arrow keys.
#pragma once

#include <keymapmanager/items/virtualstickconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualStickRightConfigItem : public VirtualStickConfigItem {
public:
    VirtualStickRightConfigItem();
    ~VirtualStickRightConfigItem() override;
};

} // namespace ovelkeymapmanager
