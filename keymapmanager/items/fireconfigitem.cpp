#include <keymapmanager/items/fireconfigitem.h>

#include <keymapmanager/items/invalidzone_p.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, FireConfigItem& item) {
    io.optional("swipehold_info", [&](auto& area) {
        area.required("rel_radius", json::length(item.radius));
        area.required("rel_position", json::position(item.position));
        area.required("steps", item.steps);
        area.optional("invalid_zone_info", InvalidZone{item.invalidZoneEnabled, item.invalidZoneInnerRadius,
                                                       item.invalidZoneOuterRadius});
    });
    io.optional("fire_option", [&](auto& option) {
        option.optional("fire_range_policy", json::oneOf(item.fireRangePolicy, FireRange::Values));
    });
    io.optional("input_policy", [&](auto& input) { input.optional("interval", item.inputInterval); });
    io.required("need_fire_and_drag", item.needFireAndDrag);
}

FireConfigItem::FireConfigItem() : ConfigItem(QLatin1String(TypeName::Fire)) {
    key = makeConfigKey(QLatin1String(Device::Mouse), QLatin1String(KeyText::LeftMouse), 1, 1);
}

FireConfigItem::~FireConfigItem() = default;

Poco::JSON::Object FireConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void FireConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, FireConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
