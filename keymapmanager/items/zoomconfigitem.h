#pragma once

#include <keymapmanager/items/pairconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ZoomConfigItem : public PairConfigItem {
public:
    ZoomConfigItem();
    ~ZoomConfigItem() override;
};

} // namespace ovelkeymapmanager
