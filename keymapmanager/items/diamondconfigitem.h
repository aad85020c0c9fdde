// DiamondConfigItem: the base of items driven by four direction keys instead of one key.
#pragma once

#include <keymapmanager/config/configitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT DiamondConfigItem : public ConfigItem {
public:
    explicit DiamondConfigItem(QString typeName);
    ~DiamondConfigItem() override;

    ConfigKey topKey;
    ConfigKey rightKey;
    ConfigKey bottomKey;
    ConfigKey leftKey;

protected:
    // The direction-key tests, for the subclasses that use them instead of the item's own key.
    bool directionKeysUnset() const;
    bool directionKeysMatch(const ConfigKey& key) const;
    // Sets the four keys to the keyboard arrow keys.
    void useArrowKeys();
    // Sets the four keys to W, D, S, A.
    void useWasdKeys();
};

} // namespace ovelkeymapmanager
