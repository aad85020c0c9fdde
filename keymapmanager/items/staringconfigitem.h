#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT StaringConfigItem : public ComposableConfigItem {
public:
    StaringConfigItem();
    ~StaringConfigItem() override;
};

} // namespace ovelkeymapmanager
