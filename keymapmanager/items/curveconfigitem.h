#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT CurveConfigItem : public ComposableConfigItem {
public:
    CurveConfigItem();
    ~CurveConfigItem() override;
};

} // namespace ovelkeymapmanager
