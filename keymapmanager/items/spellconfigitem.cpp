#include <keymapmanager/items/spellconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/items/spellrecords_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

#include <memory>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, SpellConfigItem& item) {
    io.required("spell_info", item.aimInfo);
    io.required("swipehold_info", item.swipeholdInfo);
    io.required("spell_option", item.spellOption);
    io.optional("tap_info", item.tapInfo,
                json::writtenWhen("a complete tap sequence", [&] { return item.tapInfo.isComplete(); }));
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
    auto item = std::make_unique<SwipeholdConfigItem>();
    swipeholdSettings(*item) = swipeholdSettings(swipeholdInfo);
    item->relRadius = swipeholdInfo.swipeholdRadius;
    item->workPositionX = swipeholdInfo.swipeholdPositionX;
    item->workPositionY = swipeholdInfo.swipeholdPositionY;
    return item.release();
}

SwipeholdConfigItem* SpellConfigItem::effectiveSwipeholdItem() const {
    std::unique_ptr<SwipeholdConfigItem> item(swipeholdItem());
    if (item && swipeholdInfo.swipeholdPositionX == 0.0 && swipeholdInfo.swipeholdPositionY == 0.0) {
        item->workPositionX = workPositionX;
        item->workPositionY = workPositionY;
    }
    return item.release();
}

void describeMembers(json::Describer& describer, SpellConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
