#include <keymapmanager/items/joystickleftwalkconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, JoystickLeftWalkConfigItem& item) {
    io.required("rel_radius", json::length(item.radius));
    io.optional("stop_policy", [&](auto& stop) {
        stop.required("delay_time", item.stopDelayTime);
        stop.required("response_time", item.stopResponseTime);
        stop.required("enable", item.stopPolicyEnabled);
    });
    io.optional("start_policy", [&](auto& start) {
        start.required("distance_ratio", item.startDistanceRatio);
        start.required("response_time", item.startResponseTime);
        start.required("enable", item.startPolicyEnabled);
    });
}

JoystickLeftWalkConfigItem::JoystickLeftWalkConfigItem()
    : ConfigItem(QLatin1String(TypeName::LeftStickWalk)) {
    key = makeConfigKey(QLatin1String(Device::Joystick), QLatin1String(StickSide::Left), kUnsetKeyCode,
                        kUnsetKeyCode);
}

JoystickLeftWalkConfigItem::~JoystickLeftWalkConfigItem() = default;

Poco::JSON::Object JoystickLeftWalkConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void JoystickLeftWalkConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, JoystickLeftWalkConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
