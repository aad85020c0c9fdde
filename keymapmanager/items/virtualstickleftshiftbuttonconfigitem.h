// VirtualStickLeftShiftButtonConfigItem ("VirtualLeftStickShiftButton"): while held, scales how far
// the virtual left stick ("VirtualLeftStick") is pushed.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT VirtualStickLeftShiftButtonConfigItem : public ComposableConfigItem {
public:
    VirtualStickLeftShiftButtonConfigItem();
    ~VirtualStickLeftShiftButtonConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    double factor = 1.0;
};

} // namespace ovelkeymapmanager
