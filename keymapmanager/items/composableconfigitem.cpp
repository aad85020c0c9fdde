#include <keymapmanager/items/composableconfigitem.h>

#include <keymapmanager/config/json_p.h>

#include <utility>

namespace ovelkeymapmanager {

ComposableConfigItem::ComposableConfigItem(QString typeName) : ConfigItem(std::move(typeName)) {}

ComposableConfigItem::~ComposableConfigItem() = default;

Poco::JSON::Object ComposableConfigItem::toJson() const {
    Poco::JSON::Object object = ConfigItem::toJson();
    if (hasSecondKey())
        json::put(object, "second_key", secondKey);
    return object;
}

void ComposableConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    json::readIf(object, "second_key", secondKey);
}

bool ComposableConfigItem::isKeyMatch(const ConfigKey& given) const {
    return ConfigItem::isKeyMatch(given) && !hasSecondKey();
}

bool ComposableConfigItem::isComposedKeyMatch(const ConfigKey& given, const ConfigKey& second) const {
    return key.matches(given) && secondKey.matches(second);
}

QString ComposableConfigItem::composedKeyId() const {
    return hasSecondKey() ? key.identity() + QLatin1Char('-') + secondKey.identity() : key.identity();
}

QString ComposableConfigItem::composedKeyText() const {
    return hasSecondKey() ? key.text + QLatin1Char('+') + secondKey.text : key.text;
}

bool ComposableConfigItem::hasSecondKey() const { return secondKey.isComplete(); }

} // namespace ovelkeymapmanager
