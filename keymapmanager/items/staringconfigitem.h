// StaringConfigItem ("Staring"): steers the view by moving a touch inside the staring range.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>
#include <keymapmanager/items/itemrecords.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT StaringConfigItem : public ComposableConfigItem, public StaringArea {
public:
    StaringConfigItem();
    ~StaringConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    int sensitivityX = 50;
    int sensitivityY = 50;
    int inputInterval = 8;
};

} // namespace ovelkeymapmanager
