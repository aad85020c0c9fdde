// SpellCancelConfigItem: the key (or chord) that cancels a spell in progress, after a delay.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT SpellCancelConfigItem : public ComposableConfigItem {
public:
    SpellCancelConfigItem();
    ~SpellCancelConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;

    bool isInUse = true;
    int delayTime = 20; // "delay_time" inside "spell_cancel_delay_info"
};

} // namespace ovelkeymapmanager
