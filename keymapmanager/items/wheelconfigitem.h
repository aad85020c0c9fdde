// WheelConfigItem ("Wheel"): scrolls up and down; the arrow keys up and down when new.
#pragma once

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/pairconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT WheelConfigItem : public PairConfigItem {
public:
    WheelConfigItem();
    ~WheelConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    int sensitivity = 50;
    int duration = 200;
    QString orientation = QLatin1String(Orientation::Vertical);
};

} // namespace ovelkeymapmanager
