#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT BunchClickConfigItem : public ComposableConfigItem {
public:
    BunchClickConfigItem();
    ~BunchClickConfigItem() override;
};

} // namespace ovelkeymapmanager
