#include <keymapmanager/items/gravityconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/directionkeys_p.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, GravityConfigItem& item) {
    directionKeyMembers(io, item, json::Presence::Required);
    io.required("sensitivity", item.sensitivity);
}

GravityConfigItem::GravityConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Gravity)) {
    useArrowKeys();
}

GravityConfigItem::~GravityConfigItem() = default;

Poco::JSON::Object GravityConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void GravityConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
}

bool GravityConfigItem::isKeyUnset() const {
    return directionKeysUnset();
}

bool GravityConfigItem::isKeyMatch(const ConfigKey& given) const {
    return directionKeysMatch(given);
}

void describeMembers(json::Describer& describer, GravityConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
