#include <keymapmanager/items/mouserightwalkconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

MouseRightWalkConfigItem::MouseRightWalkConfigItem() : ConfigItem(QLatin1String(TypeName::RightWalk)) {
    key = makeConfigKey(QLatin1String(Device::Mouse), QLatin1String(KeyText::RightMouse), 2, 2);
}

MouseRightWalkConfigItem::~MouseRightWalkConfigItem() = default;

Poco::JSON::Object MouseRightWalkConfigItem::toJson() const {
    json::Object firstMove;
    json::put(firstMove, "interval", firstMoveInterval);
    json::put(firstMove, "steps", firstMoveSteps);
    json::put(firstMove, "period", firstMovePeriod);
    json::put(firstMove, "speed", firstMoveSpeed);
    json::put(firstMove, "rel_radius", firstMoveRadius);

    Poco::JSON::Object object = ConfigItem::toJson();
    json::putPosition(object, "rel_measurement_pos", measurementPosition.x(), measurementPosition.y());
    json::put(object, "duration_factor", durationFactor);
    json::put(object, "first_move_policy", std::move(firstMove));
    return object;
}

void MouseRightWalkConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    json::readPosition(object, "rel_measurement_pos", measurementPosition.rx(), measurementPosition.ry());
    json::read(object, "duration_factor", durationFactor);
    const json::ObjectPtr firstMove = json::object(object, "first_move_policy");
    json::read(firstMove, "interval", firstMoveInterval);
    json::read(firstMove, "period", firstMovePeriod);
    json::read(firstMove, "steps", firstMoveSteps);
    json::read(firstMove, "speed", firstMoveSpeed);
    json::read(firstMove, "rel_radius", firstMoveRadius);
}

} // namespace ovelkeymapmanager
