// VirtualJoystickButtonConfigItem ("VirtualJoystickButton"): presses a button of the virtual
// game controller instead of touching the screen.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualJoystickButtonConfigItem : public ComposableConfigItem {
public:
    VirtualJoystickButtonConfigItem();
    ~VirtualJoystickButtonConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    QString buttonText; // the controller button, as the host names it
};

} // namespace ovelkeymapmanager
