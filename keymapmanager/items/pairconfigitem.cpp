#include <keymapmanager/items/pairconfigitem.h>

#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/items/keypair_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

#include <utility>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, PairConfigItem& item) {
    io.required("positive_key", item.positive);
    io.required("negative_key", item.negative);
}

namespace {

bool matchesAlone(const KeyPair& pair, const ConfigKey& given) {
    return pair.key.matches(given) && !pair.secondKey.isComplete();
}

bool matchesChord(const KeyPair& pair, const ConfigKey& given, const ConfigKey& second) {
    return pair.key.matches(given) && pair.secondKey.matches(second);
}

} // namespace

PairConfigItem::PairConfigItem(QString typeName) : ComposableConfigItem(std::move(typeName)) {}

PairConfigItem::~PairConfigItem() = default;

// The sides stand in the place of an item-level "second_key", so the composable members are skipped.
Poco::JSON::Object PairConfigItem::toJson() const {
    return json::writtenAfter<ConfigItem>(*this);
}

void PairConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ConfigItem>(*this, object);
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

void describeMembers(json::Describer& describer, PairConfigItem& item) {
    json::describedAfter<ConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
