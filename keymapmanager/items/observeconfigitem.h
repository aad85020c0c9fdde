#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ObserveConfigItem : public ComposableConfigItem {
public:
    ObserveConfigItem();
    ~ObserveConfigItem() override;
};

} // namespace ovelkeymapmanager
