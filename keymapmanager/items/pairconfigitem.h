#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT PairConfigItem : public ComposableConfigItem {
public:
    explicit PairConfigItem(QString typeName);
    ~PairConfigItem() override;
};

} // namespace ovelkeymapmanager
