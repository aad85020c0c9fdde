#include <keymapmanager/items/fireconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/items/itemrecords_p.h>

#include <utility>

namespace ovelkeymapmanager {

FireConfigItem::FireConfigItem() : ConfigItem(QLatin1String(TypeName::Fire)) {
    key = makeConfigKey(QLatin1String(Device::Mouse), QLatin1String(KeyText::LeftMouse), 1, 1);
}

FireConfigItem::~FireConfigItem() = default;

Poco::JSON::Object FireConfigItem::toJson() const {
    json::Object area;
    json::putPosition(area, "rel_position", position.x(), position.y());
    json::put(area, "rel_radius", radius);
    json::put(area, "steps", steps);
    records::putInvalidZone(area, invalidZoneEnabled, invalidZoneInnerRadius, invalidZoneOuterRadius);

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
        records::readInvalidZoneIf(area, invalidZoneEnabled, invalidZoneInnerRadius, invalidZoneOuterRadius);
    }
    json::readNestedIf(object, "fire_option", "fire_range_policy", fireRangePolicy);
    json::readNestedIf(object, "input_policy", "interval", inputInterval);
    json::read(object, "need_fire_and_drag", needFireAndDrag);
}

} // namespace ovelkeymapmanager
