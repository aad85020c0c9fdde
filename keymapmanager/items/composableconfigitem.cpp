#include <keymapmanager/items/composableconfigitem.h>

#include <keymapmanager/config/configkey_p.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

#include <utility>

namespace ovelkeymapmanager {

// A chord writes its second key; a single key writes none.
template <typename Io> static void jsonMembers(Io& io, ComposableConfigItem& item) {
    io.optional("second_key", item.secondKey,
                json::writtenWhen("a complete key", [&] { return item.hasSecondKey(); }));
}

ComposableConfigItem::ComposableConfigItem(QString typeName) : ConfigItem(std::move(typeName)) {}

ComposableConfigItem::~ComposableConfigItem() = default;

Poco::JSON::Object ComposableConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void ComposableConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
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

bool ComposableConfigItem::hasSecondKey() const {
    return secondKey.isComplete();
}

void describeMembers(json::Describer& describer, ComposableConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
