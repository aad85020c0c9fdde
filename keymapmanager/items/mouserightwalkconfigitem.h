// MouseRightWalkConfigItem ("RightWalk"): walks toward the mouse while the right button is held.
#pragma once

#include <keymapmanager/config/configitem.h>

#include <QPointF>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT MouseRightWalkConfigItem : public ConfigItem {
public:
    MouseRightWalkConfigItem();
    ~MouseRightWalkConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    QPointF measurementPosition{0.5, 0.5}; // fractions of the screen, as is the radius
    double durationFactor = 0.5;
    int firstMoveInterval = 32;
    int firstMoveSteps = 6;
    int firstMovePeriod = 16;
    int firstMoveSpeed = 100;
    double firstMoveRadius = 0.0;
};

} // namespace ovelkeymapmanager
