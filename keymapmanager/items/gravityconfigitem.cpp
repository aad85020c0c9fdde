#include <keymapmanager/items/gravityconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/directionkeys_p.h>

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
    Poco::JSON::Object object = ConfigItem::toJson();
    json::writeMembers(object, *this);
    return object;
}

void GravityConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    json::readMembers(object, *this);
}

bool GravityConfigItem::isKeyUnset() const {
    return directionKeysUnset();
}

bool GravityConfigItem::isKeyMatch(const ConfigKey& given) const {
    return directionKeysMatch(given);
}

} // namespace ovelkeymapmanager
