// SpellConfigItem: an aimed skill button: a touch at the button, aimed within a circle, moved by
// swipe-hold settings, with flags and policies and an optional tap sequence.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>
#include <keymapmanager/items/spellrecords.h>
#include <keymapmanager/items/swipeholdconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT SpellConfigItem : public ComposableConfigItem {
public:
    SpellConfigItem();
    ~SpellConfigItem() override;

    Poco::JSON::Object toJson() const override;
    void fromJson(Poco::JSON::Object::Ptr object) override;
    // A new "Swipehold" item, owned by the caller, with the swipe-hold settings of swipeholdInfo and
    // centred at the swipe-hold position; everything else keeps the swipe-hold defaults.
    virtual SwipeholdConfigItem* swipeholdItem() const;
    // swipeholdItem(), centred at this item's own work position when the swipe-hold position is (0, 0).
    virtual SwipeholdConfigItem* effectiveSwipeholdItem() const;

    SpellAimInfo aimInfo;
    SpellSwipeholdInfo swipeholdInfo;
    SpellOption spellOption;
    SpellTapInfo tapInfo;
};

} // namespace ovelkeymapmanager
