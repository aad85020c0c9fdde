// The records of swipe-hold settings that both swipe-hold sticks and spells carry: how the first
// touch point is placed and moved, how later points follow, and the correction of the target point.
// Plain values; the texts take the swipe-hold values of the vocabulary but any text is kept.
#pragma once

#include <keymapmanager/config/vocabulary.h>

#include <QString>

namespace ovelkeymapmanager {

struct FirstPointPolicy {
    QString handleType = QLatin1String(SwipeholdValue::Move);
    QString moveType = QLatin1String(SwipeholdValue::Constant);
    int interval = 32;
    int steps = 6;
    int period = 16;
    int speed = 100;
    int waitForSecond = 8;
    int idleBeforeFirstPress = 0;
    bool noPressOnFirstCentrePoint = false;
};

struct SubsequentPointPolicy {
    QString handleType = QLatin1String(SwipeholdValue::Click);
    int steps = 6;
    int period = 16;
};

struct TargetPointCompensatoryPolicy {
    QString xPolicy = QLatin1String(SwipeholdValue::Default);
    double xSlopeOrPeriod = 1.0;
    double xInterceptOrPhaseShift = 0.0;
    QString yPolicy = QLatin1String(SwipeholdValue::Default);
    double ySlopeOrPeriod = 1.0;
    double yInterceptOrPhaseShift = 0.0;
    bool enable = false;
    double distance = 0.01;
    int count = 3;
    int steps = 3;
    int period = 8;
};

} // namespace ovelkeymapmanager
