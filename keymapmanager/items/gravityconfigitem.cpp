#include <keymapmanager/items/gravityconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

GravityConfigItem::GravityConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Gravity)) {
    useArrowKeys();
}

GravityConfigItem::~GravityConfigItem() = default;

Poco::JSON::Object GravityConfigItem::toJson() const {
    Poco::JSON::Object object = ConfigItem::toJson();
    putDirectionKeys(object);
    json::put(object, "sensitivity", sensitivity);
    return object;
}

void GravityConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    readDirectionKeys(object);
    json::read(object, "sensitivity", sensitivity);
}

bool GravityConfigItem::isKeyUnset() const {
    return directionKeysUnset();
}

bool GravityConfigItem::isKeyMatch(const ConfigKey& given) const {
    return directionKeysMatch(given);
}

} // namespace ovelkeymapmanager
