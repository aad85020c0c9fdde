#pragma once

#include <keymapmanager/config/configitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT MouseRightWalkConfigItem : public ConfigItem {
public:
    MouseRightWalkConfigItem();
    ~MouseRightWalkConfigItem() override;
};

} // namespace ovelkeymapmanager
