// VirtualJoystickBunchButtonConfigItem ("VirtualJoystickBunchButton"): a virtual controller
// button pressed in bursts, with the burst settings of a bunch-click item.
#pragma once

#include <keymapmanager/items/itemrecords.h>
#include <keymapmanager/items/virtualjoystickbuttonconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualJoystickBunchButtonConfigItem : public VirtualJoystickButtonConfigItem,
                                                                       public BunchClickSettings {
public:
    VirtualJoystickBunchButtonConfigItem();
    ~VirtualJoystickBunchButtonConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    bool enable = false;
};

} // namespace ovelkeymapmanager
