// ClickConfigItem: a tap at the work position, bound to a key or a chord; no fields of its own.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ClickConfigItem : public ComposableConfigItem {
public:
    ClickConfigItem();
    ~ClickConfigItem() override;
};

} // namespace ovelkeymapmanager
