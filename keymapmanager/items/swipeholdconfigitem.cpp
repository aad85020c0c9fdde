#include <keymapmanager/items/swipeholdconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/directionkeys_p.h>
#include <keymapmanager/items/swipeholdpolicies_p.h>

namespace ovelkeymapmanager {

// Every member is optional: an absent one leaves its field as it is. A spell's "swipehold_info"
// holds the same settings (spellrecords_p.h).
template <typename Io> static void jsonMembers(Io& io, SwipeholdConfigItem& item) {
    io.optional("first_point_policy", item.firstPointPolicy);
    io.optional("subsequent_point_policy", item.subsequentPointPolicy);
    directionKeyMembers(io, item, json::Presence::Optional);
    io.optional("rel_radius", item.relRadius);
    io.optional("hold_center_interval_after_release", item.holdCenterIntervalAfterRelease);
    io.optional("in_line_policy", item.inLinePolicy);
    io.optional("target_point_input_compensatory_policy", item.targetPointPolicy);
}

SwipeholdConfigItem::SwipeholdConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Swipehold)) {
    useWasdKeys();
}

SwipeholdConfigItem::~SwipeholdConfigItem() = default;

Poco::JSON::Object SwipeholdConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void SwipeholdConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    readSwipeholdFields(object);
}

void SwipeholdConfigItem::readSwipeholdFields(Poco::JSON::Object::Ptr object) {
    json::readMembers(object, *this);
}

bool SwipeholdConfigItem::isKeyUnset() const {
    return directionKeysUnset();
}

bool SwipeholdConfigItem::isKeyMatch(const ConfigKey& given) const {
    return directionKeysMatch(given);
}

} // namespace ovelkeymapmanager
