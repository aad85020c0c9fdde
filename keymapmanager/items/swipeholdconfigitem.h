// SwipeholdConfigItem: a movement stick worked by four direction keys (W, D, S, A by default): a
// touch held at the work position and dragged toward the pressed directions within relRadius.
#pragma once

#include <keymapmanager/items/diamondconfigitem.h>
#include <keymapmanager/items/swipeholdpolicies.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT SwipeholdConfigItem : public DiamondConfigItem {
public:
    SwipeholdConfigItem();
    ~SwipeholdConfigItem() override;

    Poco::JSON::Object toJson() const override;
    // The common members, then readSwipeholdFields().
    void fromJson(Poco::JSON::Object::Ptr object) override;
    // Unset only when all four direction keys are; the item's own key plays no part.
    bool isKeyUnset() const override;
    // Whether the key is one of the direction keys.
    bool isKeyMatch(const ConfigKey& key) const override;
    // Reads the swipe-hold members only (not the common ones) from an item object or from the
    // "swipehold_info" of a spell. Every top-level member is optional; an absent one leaves its
    // field as it is.
    virtual void readSwipeholdFields(Poco::JSON::Object::Ptr object);

    FirstPointPolicy firstPointPolicy;
    SubsequentPointPolicy subsequentPointPolicy;
    double relRadius = 0.0;
    int holdCenterIntervalAfterRelease = 0;
    QString inLinePolicy = QLatin1String(SwipeholdValue::UseBoth);
    TargetPointCompensatoryPolicy targetPointPolicy;
};

} // namespace ovelkeymapmanager
