// Staring, observe, curve, fire, walking, pair, wheel, zoom and virtual joystick button items:
// their written defaults, round trips, required and optional members, and pair key matching.
#include "support/testsupport.h"

#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/items/allitems.h>

#include <Poco/Exception.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace ovelkeymapmanager;
using testsupport::ItemPtr;
using testsupport::parseObject;
using testsupport::stringify;
using testsupport::written;

namespace {

ItemPtr create(const char* typeName) {
    ItemPtr item(createConfigItemByType(QString::fromLatin1(typeName)));
    EXPECT_TRUE(item) << typeName;
    return item;
}

std::string text(const ConfigItem& item) {
    return stringify(item.toJson());
}

// The canonical text of compact JSON written in a test.
std::string canonical(const std::string& json) {
    return stringify(*parseObject(json));
}

// A deep copy, so that a test can change one member without touching the original.
Poco::JSON::Object::Ptr copy(const Poco::JSON::Object::Ptr& object) {
    return parseObject(stringify(*object));
}

// The object that holds the last part of a path such as "swipehold_info/invalid_zone_info/enable".
Poco::JSON::Object::Ptr parentOf(const Poco::JSON::Object::Ptr& root, const std::string& path,
                                 std::string* name) {
    Poco::JSON::Object::Ptr object = root;
    std::string rest = path;
    for (std::size_t slash = rest.find('/'); slash != std::string::npos; slash = rest.find('/')) {
        object = object->getObject(rest.substr(0, slash));
        rest = rest.substr(slash + 1);
    }
    *name = rest;
    return object;
}

// A complete key object, for the second keys that a new item does not write.
Poco::JSON::Object::Ptr keyObject() {
    return parseObject(R"({"device":"keyboard","scan_code":29,"text":"Ctrl","virtual_key":17})");
}

// Gives every value but "type" one of its own: truth values flip, texts and numbers get the
// running count, so no two members share a value that a swapped read could hide.
void changeEveryValue(Poco::JSON::Object& object, int& count) {
    std::vector<std::string> names;
    object.getNames(names);
    for (const std::string& name : names) {
        const Poco::Dynamic::Var value = object.get(name);
        ++count;
        if (object.isObject(name))
            changeEveryValue(*object.getObject(name), count);
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

// What a new item of the type writes, with second keys added where the type keeps them and then
// every value changed.
Poco::JSON::Object::Ptr changedObject(const char* typeName) {
    const ItemPtr item = create(typeName);
    Poco::JSON::Object::Ptr object = written(*item);
    if (dynamic_cast<PairConfigItem*>(item.get())) {
        object->getObject("positive_key")->set("second_key", keyObject());
        object->getObject("negative_key")->set("second_key", keyObject());
    } else if (dynamic_cast<ComposableConfigItem*>(item.get())) {
        object->set("second_key", keyObject());
    }
    int count = 0;
    changeEveryValue(*object, count);
    return object;
}

struct TypeCase {
    const char* typeName;
    const char* defaults; // own members of a new item, compact JSON
    ConfigKey presetKey;  // the item's own key when new
};

const ConfigKey kUnset;
ConfigKey key(const char* device, const char* text, int virtualKey, int scanCode) {
    return makeConfigKey(QString::fromLatin1(device), QString::fromLatin1(text), virtualKey, scanCode);
}

const TypeCase kTypes[] = {
    {"Staring",
     R"({"input_policy":{"interval":8},"reset_policy":{"auto_reset_period":-1,"need_reset":true,
         "reset_type":"Range_Window","reset_wait_interval":8},"sensitivity_x":50,"sensitivity_y":50,
         "staring_range":{"rel_height":0.5,"rel_width":0.5}})",
     kUnset},
    {"Observe", R"({"input_policy":{"interval":8},"sensitivity":1.0,"sensitivity_x":30,"sensitivity_y":30})",
     key("keyboard", "Alt", 18, 56)},
    {"Curve",
     R"({"act_as_line":false,"rel_all_points_pos":"","rel_end_pos":{"rel_x":0.0,"rel_y":0.0},
         "rel_start_pos":{"rel_x":0.0,"rel_y":0.0},"start_wait_time":0})",
     kUnset},
    {"Fire",
     R"({"fire_option":{"fire_range_policy":"Fire_range_unlimited"},"input_policy":{"interval":8},
         "need_fire_and_drag":false,"swipehold_info":{"invalid_zone_info":{"enable":false,
         "rel_radius_inside_invalid_zone":0.005,"rel_radius_outside_invalid_zone":0.01},
         "rel_position":{"rel_x":0.0,"rel_y":0.0},"rel_radius":0.1,"steps":6}})",
     key("mouse", "left_mouse", 1, 1)},
    {"LeftStickWalk",
     R"({"rel_radius":0.0,"start_policy":{"distance_ratio":0.1,"enable":false,"response_time":20},
         "stop_policy":{"delay_time":60,"enable":false,"response_time":20}})",
     key("joystick", "Left_Stick", kUnsetKeyCode, kUnsetKeyCode)},
    {"RightStickEye",
     R"({"reset_policy":{"auto_reset_period":-1,"need_reset":true,"reset_type":"Range_Window",
         "reset_wait_interval":8},"sensitivity":100,"staring_range":{"rel_height":0.5,"rel_width":0.5}})",
     key("joystick", "Right_Stick", kUnsetKeyCode, kUnsetKeyCode)},
    {"RightWalk",
     R"({"duration_factor":0.5,"first_move_policy":{"interval":32,"period":16,"rel_radius":0.0,
         "speed":100,"steps":6},"rel_measurement_pos":{"rel_x":0.5,"rel_y":0.5}})",
     key("mouse", "right_mouse", 2, 2)},
    {"Wheel",
     R"({"duration":200,"negative_key":{"key":{"device":"keyboard","scan_code":336,"text":"Direction_down",
         "virtual_key":40}},"orientation":"vertical","positive_key":{"key":{"device":"keyboard",
         "scan_code":328,"text":"Direction_up","virtual_key":38}},"sensitivity":50})",
     kUnset},
    {"Zoom",
     R"({"duration":300,"negative_key":{"key":{"device":"mouse","scan_code":549,"text":"wheel_down_mouse",
         "virtual_key":-1}},"one_side_gap":0.01,"orientation":"vertical","positive_key":{"key":{
         "device":"mouse","scan_code":548,"text":"wheel_up_mouse","virtual_key":-1}},"sensitivity":100,
         "small_point_move_first":false})",
     kUnset},
    {"VirtualJoystickButton", R"({"virtual_joystick_button_policy":{"virtual_joystick_button_text":""}})",
     kUnset},
    {"VirtualJoystickBunchButton",
     R"({"bunch_click_continue_number":20,"bunch_click_one_off_number":20,"bunch_click_type":"Continue",
         "enable":false,"virtual_joystick_button_policy":{"virtual_joystick_button_text":""}})",
     kUnset},
    {"VirtualLeftStickShiftButton", R"({"virtual_joystick_left_stick_shift_button_policy":{"factor":1.0}})",
     kUnset},
};

void PrintTo(const TypeCase& type, std::ostream* out) {
    *out << type.typeName;
}

const char* const kCommonMembers[] = {"editor_icon_scale", "icon", "key", "rel_work_position", "type"};

class ItemTypes : public testing::TestWithParam<TypeCase> {};

TEST_P(ItemTypes, NewItemWritesItsDefaultsAndPresetKey) {
    const TypeCase& type = GetParam();
    const ItemPtr item = create(type.typeName);
    Poco::JSON::Object::Ptr object = written(*item);
    EXPECT_EQ(object->getValue<std::string>("type"), type.typeName);
    for (const char* member : kCommonMembers)
        object->remove(member);
    EXPECT_EQ(stringify(*object), canonical(type.defaults));

    EXPECT_EQ(item->key.device, type.presetKey.device);
    EXPECT_EQ(item->key.text, type.presetKey.text);
    EXPECT_EQ(item->key.virtualKey, type.presetKey.virtualKey);
    EXPECT_EQ(item->key.scanCode, type.presetKey.scanCode);
}

TEST_P(ItemTypes, AnItemWithEveryFieldChangedWritesWhatItRead) {
    const char* typeName = GetParam().typeName;
    const Poco::JSON::Object::Ptr changed = changedObject(typeName);
    const ItemPtr item = create(typeName);
    item->fromJson(changed);
    const std::string first = text(*item);
    EXPECT_EQ(first, stringify(*changed));

    const ItemPtr fresh = create(typeName);
    fresh->fromJson(parseObject(first));
    EXPECT_EQ(text(*fresh), first);
}

// An optional member left out: the new item keeps that member's default, and reads the rest.
TEST_P(ItemTypes, MissingOptionalMembersKeepTheirDefaults) {
    static const std::map<std::string, std::vector<std::string>> optional = {
        {"Staring", {"input_policy", "input_policy/interval", "second_key"}},
        {"Observe", {"input_policy", "input_policy/interval"}},
        {"Fire",
         {"swipehold_info", "swipehold_info/invalid_zone_info", "fire_option",
          "fire_option/fire_range_policy", "input_policy", "input_policy/interval"}},
        {"LeftStickWalk", {"start_policy", "stop_policy"}},
        {"Wheel", {"positive_key/second_key", "negative_key/second_key"}},
        {"Zoom", {"small_point_move_first", "negative_key/second_key"}},
        {"VirtualJoystickButton",
         {"virtual_joystick_button_policy", "virtual_joystick_button_policy/virtual_joystick_button_text"}},
        {"VirtualJoystickBunchButton",
         {"virtual_joystick_button_policy", "virtual_joystick_button_policy/virtual_joystick_button_text"}},
        {"VirtualLeftStickShiftButton",
         {"virtual_joystick_left_stick_shift_button_policy",
          "virtual_joystick_left_stick_shift_button_policy/factor"}},
    };
    const TypeCase& type = GetParam();
    const auto paths = optional.find(type.typeName);
    if (paths == optional.end())
        return;
    const Poco::JSON::Object::Ptr defaults = written(*create(type.typeName));
    const Poco::JSON::Object::Ptr full = changedObject(type.typeName);

    for (const std::string& path : paths->second) {
        SCOPED_TRACE(path);
        std::string name;
        Poco::JSON::Object::Ptr input = copy(full);
        parentOf(input, path, &name)->remove(name);
        const ItemPtr fresh = create(type.typeName);
        ASSERT_NO_THROW(fresh->fromJson(input));

        const Poco::JSON::Object::Ptr expected = copy(full);
        Poco::JSON::Object::Ptr expectedParent = parentOf(expected, path, &name);
        std::string defaultName;
        const Poco::JSON::Object::Ptr defaultParent = parentOf(defaults, path, &defaultName);
        if (defaultParent->has(name))
            expectedParent->set(name, defaultParent->get(name));
        else
            expectedParent->remove(name);
        EXPECT_EQ(text(*fresh), stringify(*expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Items2, ItemTypes, testing::ValuesIn(kTypes),
                         [](const testing::TestParamInfo<TypeCase>& info) { return info.param.typeName; });

// A member that must be there (or must be an object) and is not: the JSON library's own exception.
struct MissingCase {
    const char* typeName;
    const char* path;
    Poco::Dynamic::Var replacement; // put at the path instead of removing the member, when given
    bool objectExpected;            // NullPointerException rather than "Can not convert empty value."
};

const MissingCase kMissing[] = {
    {"Staring", "staring_range", {}, true},
    {"Staring", "staring_range/rel_height", {}, false},
    {"Staring", "reset_policy", {}, true},
    {"Staring", "reset_policy/need_reset", {}, false},
    {"Staring", "input_policy", 8, true},
    {"Observe", "sensitivity", {}, false},
    {"Curve", "rel_end_pos", {}, true},
    {"Curve", "rel_all_points_pos", {}, false},
    {"Fire", "need_fire_and_drag", {}, false},
    {"Fire", "swipehold_info/rel_position", {}, true},
    {"Fire", "swipehold_info/steps", {}, false},
    {"Fire", "swipehold_info/invalid_zone_info/rel_radius_outside_invalid_zone", {}, false},
    {"Fire", "fire_option", std::string("Fire_range_unlimited"), true},
    {"LeftStickWalk", "rel_radius", {}, false},
    {"LeftStickWalk", "stop_policy/enable", {}, false},
    {"LeftStickWalk", "start_policy/distance_ratio", {}, false},
    {"RightStickEye", "sensitivity", {}, false},
    {"RightStickEye", "staring_range", {}, true},
    {"RightStickEye", "reset_policy/reset_type", {}, false},
    {"RightWalk", "rel_measurement_pos", {}, true},
    {"RightWalk", "duration_factor", {}, false},
    {"RightWalk", "first_move_policy/speed", {}, false},
    {"Wheel", "positive_key", {}, true},
    {"Wheel", "negative_key/key", {}, true},
    {"Wheel", "negative_key/key/scan_code", {}, false},
    {"Wheel", "positive_key/second_key/text", {}, false},
    {"Wheel", "duration", {}, false},
    {"Zoom", "one_side_gap", {}, false},
    {"VirtualJoystickButton", "virtual_joystick_button_policy", std::string("A"), true},
    {"VirtualJoystickBunchButton", "enable", {}, false},
    {"VirtualJoystickBunchButton", "bunch_click_type", {}, false},
    {"VirtualJoystickBunchButton", "bunch_click_one_off_number", {}, false},
    {"VirtualLeftStickShiftButton", "virtual_joystick_left_stick_shift_button_policy", 1.0, true},
};

TEST(Items2, MissingRequiredMemberFailsWithTheJsonLibrarysException) {
    for (const MissingCase& test : kMissing) {
        SCOPED_TRACE(std::string(test.typeName) + " " + test.path);
        const Poco::JSON::Object::Ptr input = changedObject(test.typeName);
        std::string name;
        Poco::JSON::Object::Ptr parent = parentOf(input, test.path, &name);
        ASSERT_TRUE(parent->has(name));
        if (test.replacement.isEmpty())
            parent->remove(name);
        else
            parent->set(name, test.replacement);

        const ItemPtr fresh = create(test.typeName);
        if (test.objectExpected) {
            EXPECT_THROW(fresh->fromJson(input), Poco::NullPointerException);
        } else {
            try {
                fresh->fromJson(input);
                ADD_FAILURE() << "read without the member";
            } catch (const Poco::InvalidAccessException& error) {
                EXPECT_EQ(error.message(), "Can not convert empty value.");
            }
        }
    }
}

TEST(Items2, BunchButtonIsAButtonUnderItsOwnName) {
    const ItemPtr item = create("VirtualJoystickBunchButton");
    EXPECT_NE(dynamic_cast<VirtualJoystickButtonConfigItem*>(item.get()), nullptr);
    EXPECT_EQ(item->typeName, QStringLiteral("VirtualJoystickBunchButton"));
}

// Pair items: which side a key test matched, and how the sides are written.
ConfigKey keyboard(int scanCode, int virtualKey = 0) {
    return key("keyboard", "any", virtualKey, scanCode);
}

TEST(PairMatching, SingleKeysMatchEitherSideAndAMissResetsTheSide) {
    WheelConfigItem wheel;
    ZoomConfigItem zoom;
    struct Case {
        const PairConfigItem& item;
        ConfigKey given;
        int side;
    } const cases[] = {
        {wheel, keyboard(328), 1},
        {wheel, keyboard(336), 2},
        {wheel, keyboard(30), 0},
        {wheel, key("mouse", "", 0, 328), 0},
        {zoom, key("mouse", "x", 7, 548), 1},
        {zoom, key("mouse", "y", -9, 549), 2},
        {zoom, key("keyboard", "", -1, 548), 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.given.device.toStdString() + QString::number(test.given.scanCode).toStdString());
        test.item.matchedSide = 7;
        EXPECT_EQ(test.item.isKeyMatch(test.given), test.side != 0);
        EXPECT_EQ(test.item.matchedSide, test.side);
    }
}

TEST(PairMatching, ChordsMatchOnlyAsChords) {
    WheelConfigItem wheel;
    wheel.positive.secondKey = keyboard(29, 17);
    wheel.negative.secondKey = keyboard(42, 16);
    const ConfigKey up = wheel.positive.key;
    const ConfigKey down = wheel.negative.key;

    EXPECT_FALSE(wheel.isKeyMatch(up));
    EXPECT_EQ(wheel.matchedSide, 0);
    EXPECT_TRUE(wheel.isComposedKeyMatch(up, keyboard(29)));
    EXPECT_EQ(wheel.matchedSide, 1);
    EXPECT_TRUE(wheel.isComposedKeyMatch(down, keyboard(42)));
    EXPECT_EQ(wheel.matchedSide, 2);
    EXPECT_FALSE(wheel.isComposedKeyMatch(up, keyboard(42)));
    EXPECT_EQ(wheel.matchedSide, 0);

    // A second key that is not complete is no chord for the single-key test, but the chord test
    // still compares it as it stands.
    wheel.positive.secondKey.scanCode = kUnsetKeyCode;
    EXPECT_TRUE(wheel.isKeyMatch(up));
    EXPECT_EQ(wheel.matchedSide, 1);
    EXPECT_TRUE(wheel.isComposedKeyMatch(up, keyboard(kUnsetKeyCode)));
    EXPECT_EQ(wheel.matchedSide, 1);
}

TEST(PairMatching, TheSameKeyOnBothSidesMatchesThePositiveSide) {
    ZoomConfigItem zoom;
    zoom.negative = zoom.positive;
    EXPECT_TRUE(zoom.isKeyMatch(zoom.positive.key));
    EXPECT_EQ(zoom.matchedSide, 1);
    zoom.positive.secondKey = keyboard(29, 17);
    zoom.negative.secondKey = zoom.positive.secondKey;
    EXPECT_TRUE(zoom.isComposedKeyMatch(zoom.positive.key, keyboard(29)));
    EXPECT_EQ(zoom.matchedSide, 1);
}

TEST(PairMatching, PairItemsIgnoreTheItemLevelKeys) {
    WheelConfigItem wheel;
    wheel.positive = wheel.negative = KeyPair();
    EXPECT_FALSE(wheel.isKeyUnset());

    wheel.key = keyboard(30, 65);
    wheel.secondKey = keyboard(29, 17);
    EXPECT_FALSE(wheel.isKeyMatch(wheel.key));
    EXPECT_FALSE(wheel.isComposedKeyMatch(wheel.key, wheel.secondKey));
    EXPECT_FALSE(written(wheel)->has("second_key"));

    const ItemPtr fresh = create("Wheel");
    Poco::JSON::Object::Ptr object = written(wheel);
    object->set("second_key", written(wheel)->getObject("key"));
    fresh->fromJson(object);
    EXPECT_FALSE(static_cast<WheelConfigItem&>(*fresh).secondKey.isComplete());
}

} // namespace
