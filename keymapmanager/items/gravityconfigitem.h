#pragma once

#include <keymapmanager/items/diamondconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT GravityConfigItem : public DiamondConfigItem {
public:
    GravityConfigItem();
    ~GravityConfigItem() override;
};

} // namespace ovelkeymapmanager
