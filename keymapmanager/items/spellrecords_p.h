// The JSON objects of the spell records.
#pragma once

#include <keymapmanager/config/configkey_p.h>
#include <keymapmanager/items/invalidzone_p.h>
#include <keymapmanager/items/spellrecords.h>
#include <keymapmanager/items/swipeholdconfigitem.h>
#include <keymapmanager/items/swipeholdsettings_p.h>

namespace ovelkeymapmanager {

template <typename Io> void jsonMembers(Io& io, SpellAimInfo& aim) {
    io.required("rel_radius", json::length(aim.aimRadius));
    io.required("range", aim.range);
    io.required("rel_position", json::position(aim.aimCentreX, aim.aimCentreY));
}

// The defaults of the swipe-hold settings.
inline const SwipeholdConfigItem& swipeholdDefaults() {
    static const SwipeholdConfigItem item;
    return item;
}

template <typename Io> void jsonMembers(Io& io, SpellSwipeholdInfo& info) {
    io.required("rel_radius", json::length(info.swipeholdRadius));
    io.required("rel_position", json::position(info.swipeholdPositionX, info.swipeholdPositionY));
    io.required("interval", info.interval);
    io.required("period", info.period);
    io.required("steps", info.steps);
    io.required("speed", info.speed);
    // The settings of a swipe-hold item, on its own list (swipeholdsettings_p.h), read as a new
    // swipe-hold item would read them: each one left out takes the swipe-hold default, and they are
    // taken together or not at all. The spell keeps no direction keys but checks any it meets; its
    // radius is read above, once.
    io.together(
        info,
        [&](SpellSwipeholdInfo& settings) {
            swipeholdSettingMembers(io, settings, [&] {
                io.discarded("top_key", ConfigKey());
                io.discarded("bottom_key", ConfigKey());
                io.discarded("left_key", ConfigKey());
                io.discarded("right_key", ConfigKey());
            });
        },
        [](SpellSwipeholdInfo& settings) {
            swipeholdSettings(settings) = swipeholdSettings(swipeholdDefaults());
        });
    io.optional("invalid_zone_info", InvalidZone{info.invalidZoneEnable, info.innerInvalidZoneRadius,
                                                 info.outerInvalidZoneRadius});
    io.optional("start_additional_point_info", [&](auto& point) {
        point.required("enable", info.startAdditionalPointEnable);
        point.required("period", info.startAdditionalPointPeriod);
        point.required("distance", json::length(info.startAdditionalPointDistance));
        point.required("steps", info.startAdditionalPointSteps);
    });
}

template <typename Io> void jsonMembers(Io& io, SpellOption& option) {
    io.required("need_spell_direction", option.needSpellDirection);
    io.required("stop_walk_after_spell", option.stopWalkAfterSpell);
    io.required("walk_with_spell", option.walkWithSpell);
    io.required("spell_trigger_policy", json::oneOf(option.triggerPolicy, SpellTrigger::Values));
    io.optional("spell_mode_policy", json::oneOf(option.modePolicy, SpellMode::Values));
    io.optional("spell_touch_location_policy",
                json::oneOf(option.touchLocationPolicy, SpellTouchLocation::Values));
    io.optional("is_occupy_swipehold_input", option.occupySwipeholdInput);
    io.optional("left_mouse_control_release", option.leftMouseControlRelease);
}

template <typename Io> void jsonMembers(Io& io, SpellTapInfo& tap) {
    io.required("seq", tap.sequence);
    io.required("factor", tap.factor);
    io.required("distance_ratio", tap.distanceRatio);
    io.required("rel_center_pos", json::position(tap.tapCentreX, tap.tapCentreY));
}

} // namespace ovelkeymapmanager
