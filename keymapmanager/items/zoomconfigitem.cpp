#include <keymapmanager/items/zoomconfigitem.h>

#include <keymapmanager/config/json_p.h>

namespace ovelkeymapmanager {

ZoomConfigItem::ZoomConfigItem() : PairConfigItem(QLatin1String(TypeName::Zoom)) {
    const QString mouse = QLatin1String(Device::Mouse);
    positive.key = makeConfigKey(mouse, QLatin1String(KeyText::WheelUpMouse), -1, 548);
    negative.key = makeConfigKey(mouse, QLatin1String(KeyText::WheelDownMouse), -1, 549);
}

ZoomConfigItem::~ZoomConfigItem() = default;

Poco::JSON::Object ZoomConfigItem::toJson() const {
    Poco::JSON::Object object = PairConfigItem::toJson();
    json::put(object, "sensitivity", sensitivity);
    json::put(object, "orientation", orientation);
    json::put(object, "duration", duration);
    json::put(object, "one_side_gap", oneSideGap);
    json::put(object, "small_point_move_first", smallPointMoveFirst);
    return object;
}

void ZoomConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    PairConfigItem::fromJson(object);
    json::read(object, "sensitivity", sensitivity);
    json::read(object, "orientation", orientation);
    json::read(object, "duration", duration);
    json::read(object, "one_side_gap", oneSideGap);
    json::readIf(object, "small_point_move_first", smallPointMoveFirst);
}

} // namespace ovelkeymapmanager
