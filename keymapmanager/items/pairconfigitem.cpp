#include <keymapmanager/items/pairconfigitem.h>

#include <keymapmanager/config/json_p.h>

#include <utility>

namespace ovelkeymapmanager {

namespace {

// {"key": ..., "second_key": ...}, the second key only when it is complete.
json::Object pairObject(const KeyPair& pair) {
    json::Object object;
    json::put(object, "key", pair.key);
    if (pair.secondKey.isComplete())
        json::put(object, "second_key", pair.secondKey);
    return object;
}

void readPair(json::Members parent, const char* name, KeyPair& pair) {
    const json::ObjectPtr object = json::object(parent, name);
    json::read(object, "key", pair.key);
    json::readIf(object, "second_key", pair.secondKey);
}

bool matchesAlone(const KeyPair& pair, const ConfigKey& given) {
    return pair.key.matches(given) && !pair.secondKey.isComplete();
}

bool matchesChord(const KeyPair& pair, const ConfigKey& given, const ConfigKey& second) {
    return pair.key.matches(given) && pair.secondKey.matches(second);
}

} // namespace

PairConfigItem::PairConfigItem(QString typeName) : ComposableConfigItem(std::move(typeName)) {}

PairConfigItem::~PairConfigItem() = default;

Poco::JSON::Object PairConfigItem::toJson() const {
    Poco::JSON::Object object = ConfigItem::toJson();
    json::put(object, "positive_key", pairObject(positive));
    json::put(object, "negative_key", pairObject(negative));
    return object;
}

void PairConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ConfigItem::fromJson(object);
    readPair(object, "positive_key", positive);
    readPair(object, "negative_key", negative);
}

bool PairConfigItem::isKeyUnset() const {
    return false;
}

bool PairConfigItem::isKeyMatch(const ConfigKey& given) const {
    return setMatchedSide(matchesAlone(positive, given), matchesAlone(negative, given));
}

bool PairConfigItem::isComposedKeyMatch(const ConfigKey& given, const ConfigKey& second) const {
    return setMatchedSide(matchesChord(positive, given, second), matchesChord(negative, given, second));
}

bool PairConfigItem::setMatchedSide(bool positiveMatches, bool negativeMatches) const {
    matchedSide = positiveMatches ? 1 : negativeMatches ? 2 : 0;
    return matchedSide != 0;
}

} // namespace ovelkeymapmanager
