#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT SpellCancelConfigItem : public ComposableConfigItem {
public:
    SpellCancelConfigItem();
    ~SpellCancelConfigItem() override;
};

} // namespace ovelkeymapmanager
