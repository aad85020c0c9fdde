#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT SpellConfigItem : public ComposableConfigItem {
public:
    SpellConfigItem();
    ~SpellConfigItem() override;
};

} // namespace ovelkeymapmanager
