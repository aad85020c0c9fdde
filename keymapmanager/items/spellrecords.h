// The records of a spell item: the aim circle, the aiming touch's swipe-hold settings, the flags and
// policies, and the optional tap sequence. Plain values; policy texts are kept whatever they say.
#pragma once

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/swipeholdpolicies.h>

#include <QString>
#include <QStringList>

namespace ovelkeymapmanager {

// "spell_info": the circle within which the spell is aimed.
struct SpellAimInfo {
    double aimCentreX = 0.5;
    double aimCentreY = 0.5;
    double aimRadius = 0.5;
    double range = 60.0;
};

// "swipehold_info": how the aiming touch moves. The last six fields are the settings of a
// swipe-hold item, with swipeholdRadius in the place of its relRadius.
struct SpellSwipeholdInfo {
    double swipeholdPositionX = 0.0;
    double swipeholdPositionY = 0.0;
    int interval = 32;
    int steps = 6;
    int period = 16;
    int speed = 100;
    bool invalidZoneEnable = false;
    double outerInvalidZoneRadius = 0.01;
    double innerInvalidZoneRadius = 0.005;
    bool startAdditionalPointEnable = true;
    int startAdditionalPointSteps = 4;
    int startAdditionalPointPeriod = 8;
    double startAdditionalPointDistance = 0.01;
    FirstPointPolicy firstPointPolicy;
    SubsequentPointPolicy subsequentPointPolicy;
    double swipeholdRadius = 0.1;
    int holdCenterIntervalAfterRelease = 0;
    QString inLinePolicy = QLatin1String(SwipeholdValue::UseBoth);
    TargetPointCompensatoryPolicy targetPointPolicy;
};

// "spell_option".
struct SpellOption {
    bool needSpellDirection = true;
    bool stopWalkAfterSpell = false;
    bool walkWithSpell = true;
    bool occupySwipeholdInput = false;
    bool leftMouseControlRelease = true;
    QString triggerPolicy = QLatin1String(SpellTrigger::OnReleaseKey);
    QString touchLocationPolicy = QLatin1String(SpellTouchLocation::MouseDependence);
    QString modePolicy = QLatin1String(SpellMode::Intelligent);
};

// "tap_info": written only when complete.
struct SpellTapInfo {
    double tapCentreX = 0.0;
    double tapCentreY = 0.0;
    double factor = 0.0;
    double distanceRatio = 0.0;
    QString sequence; // 16 comma-separated parts when complete; the parts are not examined

    bool isComplete() const {
        return (tapCentreX != 0.0 || tapCentreY != 0.0) && factor != 0.0 && distanceRatio != 0.0 &&
               sequence.split(QLatin1Char(',')).size() == 16; // an empty sequence is one part
    }
};

} // namespace ovelkeymapmanager
