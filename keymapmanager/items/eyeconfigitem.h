// EyeConfigItem: view control driven by four direction keys (the arrow keys by default).
#pragma once

#include <keymapmanager/items/diamondconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT EyeConfigItem : public DiamondConfigItem {
public:
    EyeConfigItem();
    ~EyeConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;
    // Unset only when all four direction keys are; the item's own key plays no part.
    bool isKeyUnset() const override;
    // Whether the key is one of the direction keys.
    bool isKeyMatch(const ConfigKey& key) const override;

    int sensitivity = 100;
};

} // namespace ovelkeymapmanager
