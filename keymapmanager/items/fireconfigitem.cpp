#include <keymapmanager/items/fireconfigitem.h>

#include <keymapmanager/config/json_p.h>

#include <utility>

namespace ovelkeymapmanager {

FireConfigItem::FireConfigItem() : ConfigItem(QLatin1String(TypeName::Fire)) {
    key = makeConfigKey(QLatin1String(Device::Mouse), QLatin1String(KeyText::LeftMouse), 1, 1);
}

FireConfigItem::~FireConfigItem() = default;

Poco::JSON::Object FireConfigItem::toJson() const {
    json::Object invalidZone;
    json::put(invalidZone, "enable", invalidZoneEnabled);
    json::put(invalidZone, "rel_radius_outside_invalid_zone", invalidZoneOuterRadius);
    json::put(invalidZone, "rel_radius_inside_invalid_zone", invalidZoneInnerRadius);

    json::Object area;
    json::putPosition(area, "rel_position", position.x(), position.y());
    json::put(area, "rel_radius", radius);
    json::put(area, "steps", steps);
    json::put(area, "invalid_zone_info", std::move(invalidZone));

    Poco::JSON::Object object = ConfigItem::toJson();
    json::put(object, "need_fire_and_drag", needFireAndDrag);
    json::put(object, "swipehold_info", std::move(area));
    json::putNested(object, "fire_option", "fire_range_policy", fireRangePolicy);
    json::putNested(object, "input_policy", "interval", inputInterval);
    return object;
}

void FireConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    if (const json::ObjectPtr area = json::optionalObject(object, "swipehold_info")) {
        json::read(area, "rel_radius", radius);
        json::readPosition(area, "rel_position", position.rx(), position.ry());
        json::read(area, "steps", steps);
        if (const json::ObjectPtr invalidZone = json::optionalObject(area, "invalid_zone_info")) {
            json::read(invalidZone, "enable", invalidZoneEnabled);
            json::read(invalidZone, "rel_radius_inside_invalid_zone", invalidZoneInnerRadius);
            json::read(invalidZone, "rel_radius_outside_invalid_zone", invalidZoneOuterRadius);
        }
    }
    json::readNestedIf(object, "fire_option", "fire_range_policy", fireRangePolicy);
    json::readNestedIf(object, "input_policy", "interval", inputInterval);
    json::read(object, "need_fire_and_drag", needFireAndDrag);
}

} // namespace ovelkeymapmanager
