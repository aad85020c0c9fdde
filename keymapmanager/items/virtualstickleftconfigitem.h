// VirtualStickLeftConfigItem: the left virtual stick, "VirtualLeftStick", with W, D, S, A keys.
#pragma once

#include <keymapmanager/items/virtualstickconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualStickLeftConfigItem : public VirtualStickConfigItem {
public:
    VirtualStickLeftConfigItem();
    ~VirtualStickLeftConfigItem() override;
};

} // namespace ovelkeymapmanager
