#include <keymapmanager/items/curveconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, CurveConfigItem& item) {
    io.required("rel_start_pos", json::position(item.startPosition));
    io.required("rel_end_pos", json::position(item.endPosition));
    io.required("rel_all_points_pos", item.allPoints);
    io.required("act_as_line", item.actAsLine);
    io.required("start_wait_time", item.startWaitTime);
}

CurveConfigItem::CurveConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Curve)) {}

CurveConfigItem::~CurveConfigItem() = default;

Poco::JSON::Object CurveConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void CurveConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, CurveConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
