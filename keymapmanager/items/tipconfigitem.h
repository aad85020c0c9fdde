// TipConfigItem: a click item under its own type name, "Tip"; it writes and reads what a click does.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT TipConfigItem : public ComposableConfigItem {
public:
    TipConfigItem();
    ~TipConfigItem() override;
};

} // namespace ovelkeymapmanager
