#pragma once

#include <keymapmanager/items/diamondconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT SwipeholdConfigItem : public DiamondConfigItem {
public:
    SwipeholdConfigItem();
    ~SwipeholdConfigItem() override;
};

} // namespace ovelkeymapmanager
