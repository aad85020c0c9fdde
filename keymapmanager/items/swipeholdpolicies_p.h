// The JSON objects of the swipe-hold policy records, which swipe-hold items and spells both hold.
// Each object is required once asked for; its required members come first, then its optional ones.
#pragma once

#include <keymapmanager/items/swipeholdpolicies.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> void jsonMembers(Io& io, FirstPointPolicy& policy) {
    io.required("handle_type", json::oneOf(policy.handleType, SwipeholdValue::Values));
    io.required("interval", policy.interval);
    io.required("period", policy.period);
    io.required("steps", policy.steps);
    io.required("speed", policy.speed);
    io.optional("wait_for_second", policy.waitForSecond);
    io.optional("move_type", json::oneOf(policy.moveType, SwipeholdValue::Values));
    io.optional("idle_before_first_press", policy.idleBeforeFirstPress);
    io.optional("no_press_first_center_point", policy.noPressOnFirstCentrePoint);
}

template <typename Io> void jsonMembers(Io& io, SubsequentPointPolicy& policy) {
    io.required("handle_type", json::oneOf(policy.handleType, SwipeholdValue::Values));
    io.required("period", policy.period);
    io.required("steps", policy.steps);
}

template <typename Io> void jsonMembers(Io& io, TargetPointCompensatoryPolicy& policy) {
    io.required("enable", policy.enable);
    io.required("period", policy.period);
    io.required("steps", policy.steps);
    io.required("count", policy.count);
    io.required("distance", json::length(policy.distance));
    io.optional("x_policy", json::oneOf(policy.xPolicy, SwipeholdValue::Values));
    io.optional("x_policy_slope_period", policy.xSlopeOrPeriod);
    io.optional("x_policy_intercept_phaseshift", policy.xInterceptOrPhaseShift);
    io.optional("y_policy", json::oneOf(policy.yPolicy, SwipeholdValue::Values));
    io.optional("y_policy_slope_period", policy.ySlopeOrPeriod);
    io.optional("y_policy_intercept_phaseshift", policy.yInterceptOrPhaseShift);
}

} // namespace ovelkeymapmanager
