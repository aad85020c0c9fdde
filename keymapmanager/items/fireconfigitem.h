#pragma once

#include <keymapmanager/config/configitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT FireConfigItem : public ConfigItem {
public:
    FireConfigItem();
    ~FireConfigItem() override;
};

} // namespace ovelkeymapmanager
