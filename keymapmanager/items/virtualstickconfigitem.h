// VirtualStickConfigItem: the base of the virtual sticks; a swipe-hold item that the factory never
// makes under a name of its own (it keeps the type name "Swipehold").
#pragma once

#include <keymapmanager/items/swipeholdconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualStickConfigItem : public SwipeholdConfigItem {
public:
    VirtualStickConfigItem();
    ~VirtualStickConfigItem() override;
};

} // namespace ovelkeymapmanager
