// ZoomConfigItem ("Zoom"): pinches in and out; the mouse wheel up and down when new.
#pragma once

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/pairconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ZoomConfigItem : public PairConfigItem {
public:
    ZoomConfigItem();
    ~ZoomConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    int sensitivity = 100;
    QString orientation = QLatin1String(Orientation::Vertical);
    int duration = 300;
    double oneSideGap = 0.01;
    bool smallPointMoveFirst = false;
};

} // namespace ovelkeymapmanager
