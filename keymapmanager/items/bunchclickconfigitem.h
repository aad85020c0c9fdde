// BunchClickConfigItem: a burst of clicks, either for as long as the key is held ("Continue") or a
// fixed number at once ("One_Off"), with a count for each mode.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT BunchClickConfigItem : public ComposableConfigItem {
public:
    BunchClickConfigItem();
    ~BunchClickConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    QString bunchClickType;  // "Continue" or "One_Off", stored unchecked
    int continueNumber = 20; // count of the "Continue" mode
    int oneOffNumber = 20;   // count of the "One_Off" mode
};

} // namespace ovelkeymapmanager
