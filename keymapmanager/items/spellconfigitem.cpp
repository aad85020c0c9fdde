#include <keymapmanager/items/spellconfigitem.h>

#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/spellrecords_p.h>

#include <memory>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, SpellConfigItem& item) {
    io.required("spell_info", item.aimInfo);
    io.required("swipehold_info", item.swipeholdInfo);
    io.required("spell_option", item.spellOption);
    io.optional("tap_info", item.tapInfo, [&] { return item.tapInfo.isComplete(); });
}

SpellConfigItem::SpellConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Spell)) {}

SpellConfigItem::~SpellConfigItem() = default;

Poco::JSON::Object SpellConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void SpellConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

SwipeholdConfigItem* SpellConfigItem::swipeholdItem() const {
    std::unique_ptr<ConfigItem> created(createConfigItemByType(QLatin1String(TypeName::Swipehold)));
    auto* const item = dynamic_cast<SwipeholdConfigItem*>(created.get());
    if (!item)
        return nullptr;
    item->relRadius = swipeholdInfo.swipeholdRadius;
    item->firstPointPolicy = swipeholdInfo.firstPointPolicy;
    item->subsequentPointPolicy = swipeholdInfo.subsequentPointPolicy;
    item->holdCenterIntervalAfterRelease = swipeholdInfo.holdCenterIntervalAfterRelease;
    item->inLinePolicy = swipeholdInfo.inLinePolicy;
    item->targetPointPolicy = swipeholdInfo.targetPointPolicy;
    item->workPositionX = swipeholdInfo.swipeholdPositionX;
    item->workPositionY = swipeholdInfo.swipeholdPositionY;
    created.release();
    return item;
}

SwipeholdConfigItem* SpellConfigItem::effectiveSwipeholdItem() const {
    std::unique_ptr<SwipeholdConfigItem> item(swipeholdItem());
    if (item && swipeholdInfo.swipeholdPositionX == 0.0 && swipeholdInfo.swipeholdPositionY == 0.0) {
        item->workPositionX = workPositionX;
        item->workPositionY = workPositionY;
    }
    return item.release();
}

} // namespace ovelkeymapmanager
