#pragma once

#include <keymapmanager/items/swipeholdconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualStickConfigItem : public SwipeholdConfigItem {
public:
    VirtualStickConfigItem();
    ~VirtualStickConfigItem() override;
};

} // namespace ovelkeymapmanager
