#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualStickLeftShiftButtonConfigItem : public ComposableConfigItem {
public:
    VirtualStickLeftShiftButtonConfigItem();
    ~VirtualStickLeftShiftButtonConfigItem() override;
};

} // namespace ovelkeymapmanager
