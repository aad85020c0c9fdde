#include <keymapmanager/items/swipeholdconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/swipeholdpolicies_p.h>

namespace ovelkeymapmanager {

SwipeholdConfigItem::SwipeholdConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Swipehold)) {
    useWasdKeys();
}

SwipeholdConfigItem::~SwipeholdConfigItem() = default;

Poco::JSON::Object SwipeholdConfigItem::toJson() const {
    Poco::JSON::Object object = ConfigItem::toJson();
    json::put(object, "first_point_policy", firstPointPolicy);
    json::put(object, "subsequent_point_policy", subsequentPointPolicy);
    putDirectionKeys(object);
    json::put(object, "rel_radius", relRadius);
    json::put(object, "hold_center_interval_after_release", holdCenterIntervalAfterRelease);
    json::put(object, "in_line_policy", inLinePolicy);
    json::put(object, "target_point_input_compensatory_policy", targetPointPolicy);
    return object;
}

void SwipeholdConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    readSwipeholdFields(object);
}

void SwipeholdConfigItem::readSwipeholdFields(Poco::JSON::Object::Ptr object) {
    json::readIf(object, "first_point_policy", firstPointPolicy);
    json::readIf(object, "subsequent_point_policy", subsequentPointPolicy);
    readDirectionKeysIf(object);
    json::readIf(object, "rel_radius", relRadius);
    json::readIf(object, "hold_center_interval_after_release", holdCenterIntervalAfterRelease);
    json::readIf(object, "in_line_policy", inLinePolicy);
    json::readIf(object, "target_point_input_compensatory_policy", targetPointPolicy);
}

bool SwipeholdConfigItem::isKeyUnset() const {
    return directionKeysUnset();
}

bool SwipeholdConfigItem::isKeyMatch(const ConfigKey& given) const {
    return directionKeysMatch(given);
}

} // namespace ovelkeymapmanager
