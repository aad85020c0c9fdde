#include <keymapmanager/items/joystickleftwalkconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

JoystickLeftWalkConfigItem::JoystickLeftWalkConfigItem()
    : ConfigItem(QLatin1String(TypeName::LeftStickWalk)) {
    key = makeConfigKey(QLatin1String(Device::Joystick), QLatin1String(StickSide::Left), kUnsetKeyCode,
                        kUnsetKeyCode);
}

JoystickLeftWalkConfigItem::~JoystickLeftWalkConfigItem() = default;

Poco::JSON::Object JoystickLeftWalkConfigItem::toJson() const {
    json::Object start;
    json::put(start, "distance_ratio", startDistanceRatio);
    json::put(start, "response_time", startResponseTime);
    json::put(start, "enable", startPolicyEnabled);

    json::Object stop;
    json::put(stop, "delay_time", stopDelayTime);
    json::put(stop, "response_time", stopResponseTime);
    json::put(stop, "enable", stopPolicyEnabled);

    Poco::JSON::Object object = ConfigItem::toJson();
    json::put(object, "rel_radius", radius);
    json::put(object, "start_policy", std::move(start));
    json::put(object, "stop_policy", std::move(stop));
    return object;
}

void JoystickLeftWalkConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    json::read(object, "rel_radius", radius);
    if (const json::ObjectPtr stop = json::optionalObject(object, "stop_policy")) {
        json::read(stop, "delay_time", stopDelayTime);
        json::read(stop, "response_time", stopResponseTime);
        json::read(stop, "enable", stopPolicyEnabled);
    }
    if (const json::ObjectPtr start = json::optionalObject(object, "start_policy")) {
        json::read(start, "distance_ratio", startDistanceRatio);
        json::read(start, "response_time", startResponseTime);
        json::read(start, "enable", startPolicyEnabled);
    }
}

} // namespace ovelkeymapmanager
