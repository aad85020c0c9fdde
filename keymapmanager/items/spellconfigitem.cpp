#include <keymapmanager/items/spellconfigitem.h>

#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/config/json_p.h>
#include <keymapmanager/items/itemrecords_p.h>

#include <memory>
#include <utility>

namespace ovelkeymapmanager {

namespace {

using SwipeholdPtr = std::unique_ptr<SwipeholdConfigItem>;

// The members of "swipehold_info" that a swipe-hold item writes for the spell.
constexpr const char* kSwipeholdSettings[] = {
    "first_point_policy", "subsequent_point_policy",
    "rel_radius",         "hold_center_interval_after_release",
    "in_line_policy",     "target_point_input_compensatory_policy",
};

// A new swipe-hold item from the factory; null if the factory makes something else.
SwipeholdPtr newSwipeholdItem() {
    std::unique_ptr<ConfigItem> created(createConfigItemByType(QLatin1String(TypeName::Swipehold)));
    if (!dynamic_cast<SwipeholdConfigItem*>(created.get()))
        return nullptr;
    return SwipeholdPtr(static_cast<SwipeholdConfigItem*>(created.release()));
}

// A swipe-hold item carrying the spell's swipe-hold settings, centred at the swipe-hold position.
SwipeholdPtr swipeholdItemFor(const SpellSwipeholdInfo& info) {
    SwipeholdPtr item = newSwipeholdItem();
    if (!item)
        return nullptr;
    item->relRadius = info.swipeholdRadius;
    item->firstPointPolicy = info.firstPointPolicy;
    item->subsequentPointPolicy = info.subsequentPointPolicy;
    item->holdCenterIntervalAfterRelease = info.holdCenterIntervalAfterRelease;
    item->inLinePolicy = info.inLinePolicy;
    item->targetPointPolicy = info.targetPointPolicy;
    item->workPositionX = info.swipeholdPositionX;
    item->workPositionY = info.swipeholdPositionY;
    return item;
}

json::Object aimObject(const SpellAimInfo& aim) {
    json::Object object;
    json::putPosition(object, "rel_position", aim.aimCentreX, aim.aimCentreY);
    json::put(object, "rel_radius", aim.aimRadius);
    json::put(object, "range", aim.range);
    return object;
}

json::Object swipeholdObject(const SpellSwipeholdInfo& info) {
    json::Object object;
    if (const SwipeholdPtr item = swipeholdItemFor(info)) {
        const json::Object written = item->toJson();
        for (const char* name : kSwipeholdSettings)
            object.set(name, written.get(name));
    }
    json::putPosition(object, "rel_position", info.swipeholdPositionX, info.swipeholdPositionY);
    json::put(object, "rel_radius", info.swipeholdRadius);
    json::put(object, "interval", info.interval);
    json::put(object, "period", info.period);
    json::put(object, "steps", info.steps);
    json::put(object, "speed", info.speed);

    records::putInvalidZone(object, info.invalidZoneEnable, info.innerInvalidZoneRadius,
                            info.outerInvalidZoneRadius);

    json::Object additionalPoint;
    json::put(additionalPoint, "enable", info.startAdditionalPointEnable);
    json::put(additionalPoint, "steps", info.startAdditionalPointSteps);
    json::put(additionalPoint, "period", info.startAdditionalPointPeriod);
    json::put(additionalPoint, "distance", info.startAdditionalPointDistance);
    json::put(object, "start_additional_point_info", std::move(additionalPoint));
    return object;
}

json::Object optionObject(const SpellOption& option) {
    json::Object object;
    json::put(object, "stop_walk_after_spell", option.stopWalkAfterSpell);
    json::put(object, "need_spell_direction", option.needSpellDirection);
    json::put(object, "walk_with_spell", option.walkWithSpell);
    json::put(object, "spell_trigger_policy", option.triggerPolicy);
    json::put(object, "spell_mode_policy", option.modePolicy);
    json::put(object, "spell_touch_location_policy", option.touchLocationPolicy);
    json::put(object, "is_occupy_swipehold_input", option.occupySwipeholdInput);
    json::put(object, "left_mouse_control_release", option.leftMouseControlRelease);
    return object;
}

json::Object tapObject(const SpellTapInfo& tap) {
    json::Object object;
    json::put(object, "seq", tap.sequence);
    json::put(object, "factor", tap.factor);
    json::put(object, "distance_ratio", tap.distanceRatio);
    json::putPosition(object, "rel_center_pos", tap.tapCentreX, tap.tapCentreY);
    return object;
}

void readAim(const json::ObjectPtr& object, SpellAimInfo& aim) {
    json::read(object, "rel_radius", aim.aimRadius);
    json::read(object, "range", aim.range);
    json::readPosition(object, "rel_position", aim.aimCentreX, aim.aimCentreY);
}

// The swipe-hold settings go through a fresh swipe-hold item, so a setting that the object lacks
// takes the swipe-hold default rather than keeping the spell's previous value.
void readSwipeholdSettings(const json::ObjectPtr& object, SpellSwipeholdInfo& info) {
    const SwipeholdPtr item = newSwipeholdItem();
    if (!item)
        return;
    item->readSwipeholdFields(object);
    info.firstPointPolicy = item->firstPointPolicy;
    info.subsequentPointPolicy = item->subsequentPointPolicy;
    info.holdCenterIntervalAfterRelease = item->holdCenterIntervalAfterRelease;
    info.inLinePolicy = item->inLinePolicy;
    info.targetPointPolicy = item->targetPointPolicy;
}

void readSwipehold(const json::ObjectPtr& object, SpellSwipeholdInfo& info) {
    json::read(object, "rel_radius", info.swipeholdRadius);
    json::readPosition(object, "rel_position", info.swipeholdPositionX, info.swipeholdPositionY);
    json::read(object, "interval", info.interval);
    json::read(object, "period", info.period);
    json::read(object, "steps", info.steps);
    json::read(object, "speed", info.speed);
    readSwipeholdSettings(object, info);
    records::readInvalidZoneIf(object, info.invalidZoneEnable, info.innerInvalidZoneRadius,
                               info.outerInvalidZoneRadius);
    if (const json::ObjectPtr point = json::optionalObject(object, "start_additional_point_info");
        !point.isNull()) {
        json::read(point, "enable", info.startAdditionalPointEnable);
        json::read(point, "period", info.startAdditionalPointPeriod);
        json::read(point, "distance", info.startAdditionalPointDistance);
        json::read(point, "steps", info.startAdditionalPointSteps);
    }
}

void readOption(const json::ObjectPtr& object, SpellOption& option) {
    json::read(object, "need_spell_direction", option.needSpellDirection);
    json::read(object, "stop_walk_after_spell", option.stopWalkAfterSpell);
    json::read(object, "walk_with_spell", option.walkWithSpell);
    json::read(object, "spell_trigger_policy", option.triggerPolicy);
    json::readIf(object, "spell_mode_policy", option.modePolicy);
    json::readIf(object, "spell_touch_location_policy", option.touchLocationPolicy);
    json::readIf(object, "is_occupy_swipehold_input", option.occupySwipeholdInput);
    json::readIf(object, "left_mouse_control_release", option.leftMouseControlRelease);
}

void readTap(const json::ObjectPtr& object, SpellTapInfo& tap) {
    json::read(object, "seq", tap.sequence);
    json::read(object, "factor", tap.factor);
    json::read(object, "distance_ratio", tap.distanceRatio);
    json::readPosition(object, "rel_center_pos", tap.tapCentreX, tap.tapCentreY);
}

} // namespace

SpellConfigItem::SpellConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Spell)) {}

SpellConfigItem::~SpellConfigItem() = default;

Poco::JSON::Object SpellConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::put(object, "spell_info", aimObject(aimInfo));
    json::put(object, "swipehold_info", swipeholdObject(swipeholdInfo));
    json::put(object, "spell_option", optionObject(spellOption));
    if (tapInfo.isComplete())
        json::put(object, "tap_info", tapObject(tapInfo));
    return object;
}

void SpellConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    readAim(json::object(object, "spell_info"), aimInfo);
    readSwipehold(json::object(object, "swipehold_info"), swipeholdInfo);
    readOption(json::object(object, "spell_option"), spellOption);
    if (const json::ObjectPtr tap = json::optionalObject(object, "tap_info"); !tap.isNull())
        readTap(tap, tapInfo);
}

SwipeholdConfigItem* SpellConfigItem::swipeholdItem() const {
    return swipeholdItemFor(swipeholdInfo).release();
}

SwipeholdConfigItem* SpellConfigItem::effectiveSwipeholdItem() const {
    SwipeholdPtr item(swipeholdItem());
    if (item && swipeholdInfo.swipeholdPositionX == 0.0 && swipeholdInfo.swipeholdPositionY == 0.0) {
        item->workPositionX = workPositionX;
        item->workPositionY = workPositionY;
    }
    return item.release();
}

} // namespace ovelkeymapmanager
