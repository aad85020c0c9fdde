// CurveConfigItem ("Curve"): a touch drawn along a path from a start to an end point.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

#include <QPointF>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT CurveConfigItem : public ComposableConfigItem {
public:
    CurveConfigItem();
    ~CurveConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    QPointF startPosition; // fractions of the screen
    QPointF endPosition;
    QString allPoints; // the host's own text of the whole path, kept exactly as read
    bool actAsLine = false;
    int startWaitTime = 0;
};

} // namespace ovelkeymapmanager
