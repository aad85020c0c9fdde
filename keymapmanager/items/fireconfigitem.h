// FireConfigItem ("Fire"): shoots with a touch inside a circular area; left mouse button when new.
#pragma once

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/config/vocabulary.h>

#include <QPointF>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT FireConfigItem : public ConfigItem {
public:
    FireConfigItem();
    ~FireConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    bool needFireAndDrag = false;
    QPointF position; // fractions of the screen, as are the radii
    double radius = 0.1;
    int steps = 6;
    bool invalidZoneEnabled = false;
    double invalidZoneOuterRadius = 0.01;
    double invalidZoneInnerRadius = 0.005;
    QString fireRangePolicy = QLatin1String(FireRange::Unlimited);
    int inputInterval = 8;
};

} // namespace ovelkeymapmanager
