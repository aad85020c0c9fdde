// PairConfigItem: the base of items driven by two opposite inputs, a positive and a negative one,
// each a key or a chord. Its key tests look at the two sides, not at the item's own key.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

// One side of a pair item: a key, or the chord of the key and its second key.
struct KeyPair {
    ConfigKey key;
    ConfigKey secondKey;
};

class OVEL_KEYMAPMANAGER_EXPORT PairConfigItem : public ComposableConfigItem {
public:
    explicit PairConfigItem(QString typeName);
    ~PairConfigItem() override;

    // Writes and reads the common members and the two sides; never an item-level "second_key".
    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;
    // Always false: a pair item counts as bound whatever its keys.
    bool isKeyUnset() const override;
    // A side whose second key is complete never matches a single key.
    bool isKeyMatch(const ConfigKey& key) const override;
    bool isComposedKeyMatch(const ConfigKey& key, const ConfigKey& second) const override;

    KeyPair positive;
    KeyPair negative;
    // Set by every key test: 0 no match, 1 positive side, 2 negative side (positive wins a tie).
    mutable int matchedSide = 0;

private:
    bool setMatchedSide(bool positiveMatches, bool negativeMatches) const;
};

} // namespace ovelkeymapmanager
