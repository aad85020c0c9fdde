#include <keymapmanager/items/zoomconfigitem.h>

#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, ZoomConfigItem& item) {
    io.required("sensitivity", item.sensitivity);
    io.required("orientation", json::oneOf(item.orientation, Orientation::Values));
    io.required("duration", item.duration);
    io.required("one_side_gap", json::length(item.oneSideGap));
    io.optional("small_point_move_first", item.smallPointMoveFirst);
}

ZoomConfigItem::ZoomConfigItem() : PairConfigItem(QLatin1String(TypeName::Zoom)) {
    const QString mouse = QLatin1String(Device::Mouse);
    positive.key = makeConfigKey(mouse, QLatin1String(KeyText::WheelUpMouse), -1, 548);
    negative.key = makeConfigKey(mouse, QLatin1String(KeyText::WheelDownMouse), -1, 549);
}

ZoomConfigItem::~ZoomConfigItem() = default;

Poco::JSON::Object ZoomConfigItem::toJson() const {
    return json::writtenAfter<PairConfigItem>(*this);
}

void ZoomConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<PairConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, ZoomConfigItem& item) {
    json::describedAfter<PairConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
