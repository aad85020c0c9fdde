// The describeMembers overload of every item class that lists members of its own (config/configitem_p.h);
// a class without one is described as its base.
#pragma once

#include <keymapmanager/config/configitem_p.h>

namespace ovelkeymapmanager {

class BunchClickConfigItem;
class ComposableConfigItem;
class CurveConfigItem;
class EyeConfigItem;
class FireConfigItem;
class GravityConfigItem;
class JoystickLeftWalkConfigItem;
class JoystickRightEyeConfigItem;
class MacroConfigItem;
class MouseRightWalkConfigItem;
class ObserveConfigItem;
class PairConfigItem;
class SpellCancelConfigItem;
class SpellConfigItem;
class StaringConfigItem;
class SwipeholdConfigItem;
class VirtualJoystickBunchButtonConfigItem;
class VirtualJoystickButtonConfigItem;
class VirtualStickLeftShiftButtonConfigItem;
class WheelConfigItem;
class ZoomConfigItem;

void describeMembers(json::Describer& describer, BunchClickConfigItem& item);
void describeMembers(json::Describer& describer, ComposableConfigItem& item);
void describeMembers(json::Describer& describer, CurveConfigItem& item);
void describeMembers(json::Describer& describer, EyeConfigItem& item);
void describeMembers(json::Describer& describer, FireConfigItem& item);
void describeMembers(json::Describer& describer, GravityConfigItem& item);
void describeMembers(json::Describer& describer, JoystickLeftWalkConfigItem& item);
void describeMembers(json::Describer& describer, JoystickRightEyeConfigItem& item);
void describeMembers(json::Describer& describer, MacroConfigItem& item);
void describeMembers(json::Describer& describer, MouseRightWalkConfigItem& item);
void describeMembers(json::Describer& describer, ObserveConfigItem& item);
void describeMembers(json::Describer& describer, PairConfigItem& item);
void describeMembers(json::Describer& describer, SpellCancelConfigItem& item);
void describeMembers(json::Describer& describer, SpellConfigItem& item);
void describeMembers(json::Describer& describer, StaringConfigItem& item);
void describeMembers(json::Describer& describer, SwipeholdConfigItem& item);
void describeMembers(json::Describer& describer, VirtualJoystickBunchButtonConfigItem& item);
void describeMembers(json::Describer& describer, VirtualJoystickButtonConfigItem& item);
void describeMembers(json::Describer& describer, VirtualStickLeftShiftButtonConfigItem& item);
void describeMembers(json::Describer& describer, WheelConfigItem& item);
void describeMembers(json::Describer& describer, ZoomConfigItem& item);

} // namespace ovelkeymapmanager
