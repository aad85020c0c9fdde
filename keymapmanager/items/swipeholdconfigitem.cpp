#include <keymapmanager/items/swipeholdconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/directionkeys_p.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/items/swipeholdsettings_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

// Every member is optional: an absent one leaves its field as it is. A spell's "swipehold_info"
// holds the same settings (spellrecords_p.h).
template <typename Io> static void jsonMembers(Io& io, SwipeholdConfigItem& item) {
    swipeholdSettingMembers(io, item, [&] {
        directionKeyMembers(io, item, json::Presence::Optional);
        io.optional("rel_radius", json::length(item.relRadius));
    });
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

void describeMembers(json::Describer& describer, SwipeholdConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
