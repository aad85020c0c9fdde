// ObserveConfigItem ("Observe"): looks around while its key is held; bound to Alt when new.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ObserveConfigItem : public ComposableConfigItem {
public:
    ObserveConfigItem();
    ~ObserveConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    int sensitivityX = 30;
    int sensitivityY = 30;
    double sensitivity = 1.0;
    int inputInterval = 8;
};

} // namespace ovelkeymapmanager
