#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ClickConfigItem : public ComposableConfigItem {
public:
    ClickConfigItem();
    ~ClickConfigItem() override;
};

} // namespace ovelkeymapmanager
