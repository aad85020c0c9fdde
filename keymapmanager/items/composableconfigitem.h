// ComposableConfigItem: an item that a chord of two keys may trigger (its key, then secondKey).
#pragma once

#include <keymapmanager/config/configitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ComposableConfigItem : public ConfigItem {
public:
    explicit ComposableConfigItem(QString typeName);
    ~ComposableConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;
    // A chord item never matches a single key.
    bool isKeyMatch(const ConfigKey& key) const override;
    // Both keys must match; the second key's completeness is not checked.
    virtual bool isComposedKeyMatch(const ConfigKey& key, const ConfigKey& second) const;
    // "keyboard30" for one key, "keyboard29-keyboard30" for a chord.
    virtual QString composedKeyId() const;
    // "A" for one key, "Ctrl+A" for a chord.
    virtual QString composedKeyText() const;
    virtual bool hasSecondKey() const;

    ConfigKey secondKey;
};

} // namespace ovelkeymapmanager
