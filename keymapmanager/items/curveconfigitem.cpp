#include <keymapmanager/items/curveconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

CurveConfigItem::CurveConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Curve)) {}

CurveConfigItem::~CurveConfigItem() = default;

Poco::JSON::Object CurveConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::putPosition(object, "rel_start_pos", startPosition.x(), startPosition.y());
    json::putPosition(object, "rel_end_pos", endPosition.x(), endPosition.y());
    json::put(object, "rel_all_points_pos", allPoints);
    json::put(object, "act_as_line", actAsLine);
    json::put(object, "start_wait_time", startWaitTime);
    return object;
}

void CurveConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::readPosition(object, "rel_start_pos", startPosition.rx(), startPosition.ry());
    json::readPosition(object, "rel_end_pos", endPosition.rx(), endPosition.ry());
    json::read(object, "rel_all_points_pos", allPoints);
    json::read(object, "act_as_line", actAsLine);
    json::read(object, "start_wait_time", startWaitTime);
}

} // namespace ovelkeymapmanager
