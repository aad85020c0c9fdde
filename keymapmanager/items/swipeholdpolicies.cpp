#include <keymapmanager/items/swipeholdpolicies_p.h>

#include <utility>

namespace ovelkeymapmanager::json {

void read(Members parent, const char* name, FirstPointPolicy& out) {
    const ObjectPtr policy = object(parent, name);
    read(policy, "handle_type", out.handleType);
    read(policy, "interval", out.interval);
    read(policy, "period", out.period);
    read(policy, "steps", out.steps);
    read(policy, "speed", out.speed);
    readIf(policy, "wait_for_second", out.waitForSecond);
    readIf(policy, "move_type", out.moveType);
    readIf(policy, "idle_before_first_press", out.idleBeforeFirstPress);
    readIf(policy, "no_press_first_center_point", out.noPressOnFirstCentrePoint);
}

void read(Members parent, const char* name, SubsequentPointPolicy& out) {
    const ObjectPtr policy = object(parent, name);
    read(policy, "handle_type", out.handleType);
    read(policy, "period", out.period);
    read(policy, "steps", out.steps);
}

void read(Members parent, const char* name, TargetPointCompensatoryPolicy& out) {
    const ObjectPtr policy = object(parent, name);
    read(policy, "enable", out.enable);
    read(policy, "period", out.period);
    read(policy, "steps", out.steps);
    read(policy, "count", out.count);
    read(policy, "distance", out.distance);
    readIf(policy, "x_policy", out.xPolicy);
    readIf(policy, "x_policy_slope_period", out.xSlopeOrPeriod);
    readIf(policy, "x_policy_intercept_phaseshift", out.xInterceptOrPhaseShift);
    readIf(policy, "y_policy", out.yPolicy);
    readIf(policy, "y_policy_slope_period", out.ySlopeOrPeriod);
    readIf(policy, "y_policy_intercept_phaseshift", out.yInterceptOrPhaseShift);
}

void put(Object& target, const char* name, const FirstPointPolicy& policy) {
    Object object;
    put(object, "handle_type", policy.handleType);
    put(object, "move_type", policy.moveType);
    put(object, "interval", policy.interval);
    put(object, "steps", policy.steps);
    put(object, "period", policy.period);
    put(object, "speed", policy.speed);
    put(object, "wait_for_second", policy.waitForSecond);
    put(object, "idle_before_first_press", policy.idleBeforeFirstPress);
    put(object, "no_press_first_center_point", policy.noPressOnFirstCentrePoint);
    put(target, name, std::move(object));
}

void put(Object& target, const char* name, const SubsequentPointPolicy& policy) {
    Object object;
    put(object, "handle_type", policy.handleType);
    put(object, "steps", policy.steps);
    put(object, "period", policy.period);
    put(target, name, std::move(object));
}

void put(Object& target, const char* name, const TargetPointCompensatoryPolicy& policy) {
    Object object;
    put(object, "x_policy", policy.xPolicy);
    put(object, "x_policy_slope_period", policy.xSlopeOrPeriod);
    put(object, "x_policy_intercept_phaseshift", policy.xInterceptOrPhaseShift);
    put(object, "y_policy", policy.yPolicy);
    put(object, "y_policy_slope_period", policy.ySlopeOrPeriod);
    put(object, "y_policy_intercept_phaseshift", policy.yInterceptOrPhaseShift);
    put(object, "enable", policy.enable);
    put(object, "distance", policy.distance);
    put(object, "count", policy.count);
    put(object, "steps", policy.steps);
    put(object, "period", policy.period);
    put(target, name, std::move(object));
}

} // namespace ovelkeymapmanager::json
