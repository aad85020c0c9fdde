#include <keymapmanager/items/eyeconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

EyeConfigItem::EyeConfigItem() : DiamondConfigItem(QLatin1String(TypeName::Eye)) {
    useArrowKeys();
}

EyeConfigItem::~EyeConfigItem() = default;

Poco::JSON::Object EyeConfigItem::toJson() const {
    Poco::JSON::Object object = ConfigItem::toJson();
    putDirectionKeys(object);
    json::put(object, "sensitivity", sensitivity);
    return object;
}

void EyeConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    readDirectionKeys(object);
    json::read(object, "sensitivity", sensitivity);
}

bool EyeConfigItem::isKeyUnset() const {
    return directionKeysUnset();
}

bool EyeConfigItem::isKeyMatch(const ConfigKey& given) const {
    return directionKeysMatch(given);
}

} // namespace ovelkeymapmanager
