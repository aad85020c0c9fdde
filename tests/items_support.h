// The item suites' table of every type (the members a new item writes, in reading order) and the
// helpers that walk it: member paths, items whose every value differs from its default, read errors.
#pragma once

#include "support/testsupport.h"

#include <keymapmanager/items/itemfactory_p.h>
#include <keymapmanager/items/allitems.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Parser.h>

#include <sstream>
#include <string>
#include <vector>

namespace items {

using namespace ovelkeymapmanager;
using testsupport::ItemPtr;
using testsupport::parseObject;
using testsupport::stringify;
using testsupport::written;
using ObjectPtr = Poco::JSON::Object::Ptr;

inline const std::string kEmptyValue = "Invalid access: Can not convert empty value.";
inline const std::string kNullPointer = "Null pointer";

inline std::string keyJson(const char* device, const char* text, int virtualKey, int scanCode) {
    return std::string(R"({"device": ")") + device + R"(", "text": ")" + text + R"(", "scan_code": )" +
           std::to_string(scanCode) + R"(, "virtual_key": )" + std::to_string(virtualKey) + "}";
}

// The direction keys in reading order (top, bottom, left, right): the arrow keys, or W S A D.
inline std::string directionKeys(bool arrows, const std::string& mark = "") {
    const auto key = [&](const char* name, const char* arrow, int virtualKey, int scanCode,
                         const char* letter, int letterKey, int letterScan) {
        return "\"" + mark + name + "\": " +
               (arrows ? keyJson("keyboard", arrow, virtualKey, scanCode)
                       : keyJson("keyboard", letter, letterKey, letterScan));
    };
    return key("top_key", "Direction_up", 38, 328, "W", 87, 17) + ", " +
           key("bottom_key", "Direction_down", 40, 336, "S", 83, 31) + ", " +
           key("left_key", "Direction_left", 37, 331, "A", 65, 30) + ", " +
           key("right_key", "Direction_right", 39, 333, "D", 68, 32);
}

// The rows below give the members of a new item in reading order; "?" before a name marks a member
// that may be left out. A new item writes no second key and no tap sequence: the rows give complete
// ones, for the changed items.
inline const std::string kCommon = R"({"type": "", "rel_work_position": {"rel_x": 0.0, "rel_y": 0.0},
    "editor_icon_scale": 1.0,
    "key": {"device": "", "text": "", "scan_code": 2147483647, "virtual_key": 2147483647},
    "icon": {"visibility": true, "radius_correction": 1.0, "background_color": "00000066",
             "rel_position": {"rel_x": 0.0, "rel_y": 0.0}, "description": ""}})";
inline const std::string kSecond = R"("?second_key": )" + keyJson("keyboard", "Ctrl", 17, 29);
inline const std::string kPointPolicies = R"("?first_point_policy": {"handle_type": "Move", "interval": 32,
    "period": 16, "steps": 6, "speed": 100, "?wait_for_second": 8, "?move_type": "Constant",
    "?idle_before_first_press": 0, "?no_press_first_center_point": false},
    "?subsequent_point_policy": {"handle_type": "Click", "period": 16, "steps": 6})";
inline const std::string kTargetPolicy =
    R"("?hold_center_interval_after_release": 0, "?in_line_policy": "Use_Both",
    "?target_point_input_compensatory_policy": {"enable": false, "period": 8, "steps": 3, "count": 3,
    "distance": 0.01,
    "?x_policy": "Default", "?x_policy_slope_period": 1.0, "?x_policy_intercept_phaseshift": 0.0,
    "?y_policy": "Default", "?y_policy_slope_period": 1.0, "?y_policy_intercept_phaseshift": 0.0})";
inline std::string swipehold(bool arrows) {
    return kPointPolicies + ", " + directionKeys(arrows, "?") + R"(, "?rel_radius": 0.0, )" + kTargetPolicy;
}
inline const std::string kStaringRange = R"("staring_range": {"rel_width": 0.5, "rel_height": 0.5})";
inline const std::string kResetPolicy = R"("reset_policy": {"reset_type": "Range_Window",
    "reset_wait_interval": 8, "auto_reset_period": -1, "need_reset": true})";
inline const std::string kBunchClick = R"("bunch_click_type": "Continue", "bunch_click_continue_number": 20,
    "bunch_click_one_off_number": 20)";
inline const std::string kButtonPolicy =
    R"("?virtual_joystick_button_policy": {"?virtual_joystick_button_text": ""})";
inline const std::string kInputPolicy = R"("?input_policy": {"?interval": 8})";
inline std::string pairKeys(const std::string& positive, const std::string& negative) {
    return R"("positive_key": {"key": )" + positive + ", " + kSecond + R"(}, "negative_key": {"key": )" +
           negative + ", " + kSecond + "}";
}
inline std::string stickKey(const char* text) {
    return keyJson("joystick", text, kUnsetKeyCode, kUnsetKeyCode);
}
inline const std::string kMacro = kSecond + R"(, "?press_actions": [], "?release_actions": [])";

// In the factory's order (that of the type vocabulary).
struct TypeCase {
    std::string type;
    std::string className;
    std::string members;            // after the common ones; "key" replaces the common key
    std::string takenTogether = {}; // members read into a temporary, taken over once all were read
};

// clang-format off
inline const TypeCase kTypes[] = {
    {"Click", "ClickConfigItem", kSecond},
    {"BunchClick", "BunchClickConfigItem", kSecond + ", " + kBunchClick},
    {"Fire", "FireConfigItem", R"("key": )" + keyJson("mouse", "left_mouse", 1, 1) + R"(,
        "?swipehold_info": {"rel_radius": 0.1, "rel_position": {"rel_x": 0.0, "rel_y": 0.0}, "steps": 6,
            "?invalid_zone_info": {"enable": false, "rel_radius_inside_invalid_zone": 0.005,
            "rel_radius_outside_invalid_zone": 0.01}},
        "?fire_option": {"?fire_range_policy": "Fire_range_unlimited"}, )" + kInputPolicy +
        R"(, "need_fire_and_drag": false)"},
    {"RightWalk", "MouseRightWalkConfigItem", R"("key": )" + keyJson("mouse", "right_mouse", 2, 2) + R"(,
        "rel_measurement_pos": {"rel_x": 0.5, "rel_y": 0.5}, "duration_factor": 0.5,
        "first_move_policy": {"interval": 32, "period": 16, "steps": 6, "speed": 100, "rel_radius": 0.0})"},
    {"Spell", "SpellConfigItem", kSecond + R"(, "spell_info": {"rel_radius": 0.5, "range": 60.0,
        "rel_position": {"rel_x": 0.5, "rel_y": 0.5}}, "swipehold_info": {"rel_radius": 0.1,
        "rel_position": {"rel_x": 0.0, "rel_y": 0.0}, "interval": 32, "period": 16, "steps": 6,
        "speed": 100, )" + kPointPolicies + ", " + kTargetPolicy + R"(,
        "?invalid_zone_info": {"enable": false, "rel_radius_inside_invalid_zone": 0.005,
            "rel_radius_outside_invalid_zone": 0.01},
        "?start_additional_point_info": {"enable": true, "period": 8, "distance": 0.01, "steps": 4}},
        "spell_option": {"need_spell_direction": true, "stop_walk_after_spell": false,
            "walk_with_spell": true, "spell_trigger_policy": "Spell_Trigger_On_Release_Key",
            "?spell_mode_policy": "Spell_mode_intelligent",
            "?spell_touch_location_policy": "Spell_touch_location_mouse_dependence",
            "?is_occupy_swipehold_input": false, "?left_mouse_control_release": true},
        "?tap_info": {"seq": "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "factor": 1.5, "distance_ratio": 0.2,
            "rel_center_pos": {"rel_x": 0.3, "rel_y": 0.7}})",
     "swipehold_info/first_point_policy swipehold_info/subsequent_point_policy "
     "swipehold_info/hold_center_interval_after_release swipehold_info/in_line_policy "
     "swipehold_info/target_point_input_compensatory_policy"},
    {"Staring", "StaringConfigItem", kSecond + ", " + kStaringRange +
        R"(, "sensitivity_x": 50, "sensitivity_y": 50, )" + kResetPolicy + ", " + kInputPolicy},
    {"Swipehold", "SwipeholdConfigItem", swipehold(false)},
    {"Eye", "EyeConfigItem", directionKeys(true) + R"(, "sensitivity": 100)"},
    {"Curve", "CurveConfigItem", kSecond + R"(, "rel_start_pos": {"rel_x": 0.0, "rel_y": 0.0},
        "rel_end_pos": {"rel_x": 0.0, "rel_y": 0.0}, "rel_all_points_pos": "", "act_as_line": false,
        "start_wait_time": 0)"},
    {"SpellCancel", "SpellCancelConfigItem",
     kSecond + R"(, "is_in_use": true, "?spell_cancel_delay_info": {"?delay_time": 20})"},
    {"LeftStickWalk", "JoystickLeftWalkConfigItem", R"("key": )" + stickKey("Left_Stick") + R"(,
        "rel_radius": 0.0, "?stop_policy": {"delay_time": 60, "response_time": 20, "enable": false},
        "?start_policy": {"distance_ratio": 0.1, "response_time": 20, "enable": false})"},
    {"RightStickEye", "JoystickRightEyeConfigItem", R"("key": )" + stickKey("Right_Stick") +
        R"(, "sensitivity": 100, )" + kStaringRange + ", " + kResetPolicy},
    {"Macro", "MacroConfigItem", kMacro},
    {"Gravity", "GravityConfigItem", directionKeys(true) + R"(, "sensitivity": 20)"},
    {"Wheel", "WheelConfigItem", pairKeys(keyJson("keyboard", "Direction_up", 38, 328),
                                          keyJson("keyboard", "Direction_down", 40, 336)) +
        R"(, "sensitivity": 50, "duration": 200, "orientation": "vertical")"},
    {"Zoom", "ZoomConfigItem", pairKeys(keyJson("mouse", "wheel_up_mouse", -1, 548),
                                        keyJson("mouse", "wheel_down_mouse", -1, 549)) +
        R"(, "sensitivity": 100, "orientation": "vertical", "duration": 300, "one_side_gap": 0.01,
        "?small_point_move_first": false)"},
    {"Observe", "ObserveConfigItem", R"("key": )" + keyJson("keyboard", "Alt", 18, 56) + ", " + kSecond +
        R"(, "sensitivity_x": 30, "sensitivity_y": 30, "sensitivity": 1.0, )" + kInputPolicy},
    {"OperationRecorder", "OperationRecorderConfigItem", kMacro},
    {"Tip", "TipConfigItem", kSecond},
    {"VirtualLeftStick", "VirtualStickLeftConfigItem", swipehold(false)},
    {"VirtualLeftStickShiftButton", "VirtualStickLeftShiftButtonConfigItem",
     kSecond + R"(, "?virtual_joystick_left_stick_shift_button_policy": {"?factor": 1.0})"},
    {"VirtualRightStick", "VirtualStickRightConfigItem", swipehold(true)},
    {"VirtualJoystickButton", "VirtualJoystickButtonConfigItem", kSecond + ", " + kButtonPolicy},
    {"VirtualJoystickBunchButton", "VirtualJoystickBunchButtonConfigItem",
     kSecond + ", " + kButtonPolicy + R"(, "enable": false, )" + kBunchClick},
};
// clang-format on

inline ItemPtr create(const std::string& type) {
    return ItemPtr(CreateConfigItem(QString::fromStdString(type)));
}

// The text as items are written: members sorted by name.
inline std::string canonical(const Poco::JSON::Object& object) {
    return stringify(*parseObject(stringify(object)));
}

inline std::vector<std::string> words(const std::string& list) {
    std::istringstream in(list);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// A copy that keeps the order, without the "?" marks; the marked members' paths go to optional.
inline ObjectPtr unmarked(const Poco::JSON::Object& marked, const std::string& prefix,
                          std::vector<std::string>* optional) {
    ObjectPtr object(new Poco::JSON::Object(Poco::JSON_PRESERVE_KEY_ORDER));
    for (const std::string& name : marked.getNames()) {
        const std::string path = prefix + name.substr(name[0] == '?' ? 1 : 0);
        if (name[0] == '?' && optional)
            optional->push_back(path);
        object->set(path.substr(prefix.size()),
                    marked.isObject(name)
                        ? Poco::Dynamic::Var(unmarked(*marked.getObject(name), path + "/", optional))
                        : marked.get(name));
    }
    return object;
}

// The type's row, in reading order, and the paths of its optional members.
inline ObjectPtr rowObject(const TypeCase& row, std::vector<std::string>* optional = nullptr) {
    Poco::JSON::Parser parser(new Poco::JSON::ParseHandler(true));
    ObjectPtr object = parser.parse(kCommon).extract<ObjectPtr>();
    object->set("type", row.type);
    const ObjectPtr own = parser.parse("{" + row.members + "}").extract<ObjectPtr>();
    for (const std::string& name : own->getNames())
        object->set(name, own->get(name));
    return unmarked(*object, "", optional);
}

// Gives every value but "type" one of its own, so that no two members share a value that a swapped
// read could hide: truth values flip, texts and numbers take the running count, arrays grow a line.
inline void changeEveryValue(Poco::JSON::Object& object, int& count) {
    for (const std::string& name : object.getNames()) {
        const Poco::Dynamic::Var value = object.get(name);
        ++count;
        if (object.isObject(name))
            changeEveryValue(*object.getObject(name), count);
        else if (object.isArray(name))
            object.getArray(name)->add("line " + std::to_string(count));
        else if (value.isBoolean())
            object.set(name, !value.extract<bool>());
        else if (value.isString() && name != "type")
            object.set(name, value.toString() + "~" + std::to_string(count));
        else if (value.isInteger())
            object.set(name, value.convert<int>() + (value.convert<int>() > 0 ? -count : count));
        else if (value.isNumeric())
            object.set(name, value.convert<double>() + count / 1024.0);
    }
}

inline ObjectPtr changedObject(const TypeCase& row, std::vector<std::string>* optional = nullptr) {
    ObjectPtr object = rowObject(row, optional);
    int count = 0;
    changeEveryValue(*object, count);
    return object;
}

// Every member path ("swipehold_info/invalid_zone_info/enable"), each object before its members.
inline void collectPaths(const Poco::JSON::Object& object, const std::string& prefix,
                         std::vector<std::string>& paths) {
    for (const std::string& name : object.getNames()) {
        paths.push_back(prefix + name);
        if (object.isObject(name))
            collectPaths(*object.getObject(name), prefix + name + "/", paths);
    }
}

// The object holding the last step of the path (null when a step is missing), and that step.
inline ObjectPtr parentOf(ObjectPtr object, const std::string& path, std::string* last) {
    std::string rest = path;
    for (std::size_t slash; object && (slash = rest.find('/')) != std::string::npos; rest.erase(0, slash + 1))
        object = object->getObject(rest.substr(0, slash));
    *last = rest;
    return object;
}

inline bool isObjectAt(const ObjectPtr& object, const std::string& path) {
    std::string last;
    const ObjectPtr parent = parentOf(object, path, &last);
    return parent && parent->isObject(last);
}

inline std::string valueAt(const ObjectPtr& object, const std::string& path) {
    std::string last;
    const ObjectPtr parent = parentOf(object, path, &last);
    return parent && parent->has(last) ? parent->get(last).toString() : "(absent)";
}

// Reads the object into the item: the exception's text, or empty text when the read succeeds.
inline std::string readError(ConfigItem& item, const ObjectPtr& object) {
    try {
        item.fromJson(object);
    } catch (const Poco::Exception& error) {
        return error.displayText();
    }
    return std::string();
}

} // namespace items
