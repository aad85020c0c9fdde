#pragma once

#include <keymapmanager/items/diamondconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT EyeConfigItem : public DiamondConfigItem {
public:
    EyeConfigItem();
    ~EyeConfigItem() override;
};

} // namespace ovelkeymapmanager
