#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT MacroConfigItem : public ComposableConfigItem {
public:
    MacroConfigItem();
    ~MacroConfigItem() override;
};

} // namespace ovelkeymapmanager
