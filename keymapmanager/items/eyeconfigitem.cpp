#include <keymapmanager/items/eyeconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/directionkeys_p.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, EyeConfigItem& item) {
    directionKeyMembers(io, item, json::Presence::Required);
    io.required("sensitivity", item.sensitivity);
}

EyeConfigItem::EyeConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Eye)) {
    useArrowKeys();
}

EyeConfigItem::~EyeConfigItem() = default;

Poco::JSON::Object EyeConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void EyeConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
}

bool EyeConfigItem::isKeyUnset() const {
    return directionKeysUnset();
}

bool EyeConfigItem::isKeyMatch(const ConfigKey& given) const {
    return directionKeysMatch(given);
}

void describeMembers(json::Describer& describer, EyeConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
