// The fixed strings of the keymap model: item type names, device words and enumeration values; each
// enumeration's Values (the member lists name them, and the description lists them).
// Fields that take these values store any text; the library never rejects another value.
#pragma once

namespace ovelkeymapmanager {

namespace TypeName {
inline constexpr char Click[] = "Click";
inline constexpr char BunchClick[] = "BunchClick";
inline constexpr char Fire[] = "Fire";
inline constexpr char RightWalk[] = "RightWalk";
inline constexpr char Spell[] = "Spell";
inline constexpr char Staring[] = "Staring";
inline constexpr char Swipehold[] = "Swipehold";
inline constexpr char Eye[] = "Eye";
inline constexpr char Curve[] = "Curve";
inline constexpr char SpellCancel[] = "SpellCancel";
inline constexpr char LeftStickWalk[] = "LeftStickWalk";
inline constexpr char RightStickEye[] = "RightStickEye";
inline constexpr char Macro[] = "Macro";
inline constexpr char Gravity[] = "Gravity";
inline constexpr char Wheel[] = "Wheel";
inline constexpr char Zoom[] = "Zoom";
inline constexpr char Observe[] = "Observe";
inline constexpr char OperationRecorder[] = "OperationRecorder";
inline constexpr char Tip[] = "Tip";
inline constexpr char VirtualLeftStick[] = "VirtualLeftStick";
inline constexpr char VirtualLeftStickShiftButton[] = "VirtualLeftStickShiftButton";
inline constexpr char VirtualRightStick[] = "VirtualRightStick";
inline constexpr char VirtualJoystickButton[] = "VirtualJoystickButton";
inline constexpr char VirtualJoystickBunchButton[] = "VirtualJoystickBunchButton";
} // namespace TypeName

namespace Device {
inline constexpr char Keyboard[] = "keyboard";
inline constexpr char Mouse[] = "mouse";
inline constexpr char Joystick[] = "joystick";
inline constexpr char None[] = ""; // no key
inline constexpr const char* const Values[] = {None, Keyboard, Mouse, Joystick};
} // namespace Device

namespace MouseTransparency {
inline constexpr char None[] = "Mouse_No_Transparent";
inline constexpr char OtherButton[] = "Mouse_OtherButton_Transparent";
inline constexpr char AllButton[] = "Mouse_AllButton_Transparent";
inline constexpr const char* const Values[] = {None, OtherButton, AllButton};
} // namespace MouseTransparency

namespace BunchClickMode {
inline constexpr char Continue[] = "Continue";
inline constexpr char OneOff[] = "One_Off";
inline constexpr const char* const Values[] = {Continue, OneOff};
} // namespace BunchClickMode

namespace SpellMode {
inline constexpr char Curve[] = "Spell_mode_curve";
inline constexpr char Intelligent[] = "Spell_mode_intelligent";
inline constexpr const char* const Values[] = {Curve, Intelligent};
} // namespace SpellMode

namespace SpellTrigger {
inline constexpr char Immediate[] = "Spell_Trigger_Immedaite"; // the stored spelling
inline constexpr char OnNextKey[] = "Spell_Trigger_On_Next_Key";
inline constexpr char OnPressKey[] = "Spell_Trigger_On_Press_Key";
inline constexpr char OnReleaseKey[] = "Spell_Trigger_On_Release_Key";
inline constexpr const char* const Values[] = {Immediate, OnNextKey, OnPressKey, OnReleaseKey};
} // namespace SpellTrigger

namespace SpellTouchLocation {
inline constexpr char InnerSwipeholdDependence[] = "Spell_touch_location_inner_swipehold_dependence";
inline constexpr char MousePositionDependence[] = "Spell_touch_location_mouse_position_dependence";
inline constexpr char MouseDependence[] = "Spell_touch_location_mouse_dependence";
inline constexpr char SwipeholdDependence[] = "Spell_touch_location_swipehold_dependence";
inline constexpr const char* const Values[] = {InnerSwipeholdDependence, MousePositionDependence,
                                               MouseDependence, SwipeholdDependence};
} // namespace SpellTouchLocation

namespace FireRange {
inline constexpr char DependentSwipehold[] = "Fire_range_dependent_swipehold";
inline constexpr char Unlimited[] = "Fire_range_unlimited";
inline constexpr const char* const Values[] = {DependentSwipehold, Unlimited};
} // namespace FireRange

namespace StickSide {
inline constexpr char Left[] = "Left_Stick";
inline constexpr char Right[] = "Right_Stick";
} // namespace StickSide

namespace StaringRange {
inline constexpr char Window[] = "Range_Window";
inline constexpr char User[] = "Range_User";
inline constexpr char UserAllowOutside[] = "Range_User_Allow_Outside";
inline constexpr char HavePaddingToWindow[] = "Range_Have_Padding_To_Window";
inline constexpr const char* const Values[] = {Window, User, UserAllowOutside, HavePaddingToWindow};
} // namespace StaringRange

namespace Orientation {
inline constexpr char Horizontal[] = "horizontal";
inline constexpr char Vertical[] = "vertical";
inline constexpr const char* const Values[] = {Horizontal, Vertical};
} // namespace Orientation

// Values of the swipe-hold and spell policy fields.
namespace SwipeholdValue {
inline constexpr char BigVariable[] = "Big_Variable";
inline constexpr char SmallVariable[] = "Small_Variable";
inline constexpr char Constant[] = "Constant";
inline constexpr char Cos[] = "Cos";
inline constexpr char Sin[] = "Sin";
inline constexpr char Default[] = "Default";
inline constexpr char JustUseLast[] = "Just_Use_Last";
inline constexpr char Move[] = "Move";
inline constexpr char Click[] = "Click";
inline constexpr char Transparent[] = "Transparent";
inline constexpr char UseBoth[] = "Use_Both";
inline constexpr char X[] = "X";
inline constexpr char X2[] = "X2";
// One vocabulary for every policy field: the model does not say which field takes which value.
inline constexpr const char* const Values[] = {
    BigVariable, SmallVariable, Constant,    Cos,     Sin, Default, JustUseLast,
    Move,        Click,         Transparent, UseBoth, X,   X2};
} // namespace SwipeholdValue

// Key texts that items use as presets.
namespace KeyText {
inline constexpr char LeftMouse[] = "left_mouse";
inline constexpr char RightMouse[] = "right_mouse";
inline constexpr char MiddleMouse[] = "middle_mouse";
inline constexpr char ForwardMouse[] = "forward_mouse";
inline constexpr char BackMouse[] = "back_mouse";
inline constexpr char WheelUpMouse[] = "wheel_up_mouse";
inline constexpr char WheelDownMouse[] = "wheel_down_mouse";
} // namespace KeyText

} // namespace ovelkeymapmanager
