#pragma once

#include <keymapmanager/items/pairconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT WheelConfigItem : public PairConfigItem {
public:
    WheelConfigItem();
    ~WheelConfigItem() override;
};

} // namespace ovelkeymapmanager
