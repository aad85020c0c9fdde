#include <keymapmanager/items/mouserightwalkconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, MouseRightWalkConfigItem& item) {
    io.required("rel_measurement_pos", json::position(item.measurementPosition));
    io.required("duration_factor", item.durationFactor);
    io.required("first_move_policy", [&](auto& firstMove) {
        firstMove.required("interval", item.firstMoveInterval);
        firstMove.required("period", item.firstMovePeriod);
        firstMove.required("steps", item.firstMoveSteps);
        firstMove.required("speed", item.firstMoveSpeed);
        firstMove.required("rel_radius", json::length(item.firstMoveRadius));
    });
}

MouseRightWalkConfigItem::MouseRightWalkConfigItem() : ConfigItem(QLatin1String(TypeName::RightWalk)) {
    key = makeConfigKey(QLatin1String(Device::Mouse), QLatin1String(KeyText::RightMouse), 2, 2);
}

MouseRightWalkConfigItem::~MouseRightWalkConfigItem() = default;

Poco::JSON::Object MouseRightWalkConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void MouseRightWalkConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, MouseRightWalkConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
