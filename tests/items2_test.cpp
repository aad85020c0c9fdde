// Staring, observe, curve, fire, walking, pair, wheel, zoom and virtual joystick button items:
// their written defaults, round trips, required and optional members, and pair key matching.
#include "support/testsupport.h"

#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/items/allitems.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Parser.h>
#include <gtest/gtest.h>

#include <functional>
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

// Paths of the values that are the same in both objects; a key object counts as one value.
void sameValues(const Poco::JSON::Object& a, const Poco::JSON::Object& b, const std::string& prefix,
                std::vector<std::string>& out) {
    for (const auto& member : a) {
        if (!b.has(member.first))
            continue;
        const std::string path = prefix + member.first;
        const Poco::JSON::Object::Ptr child = a.getObject(member.first);
        if (child && !child->has("device"))
            sameValues(*child, *b.getObject(member.first), path + "/", out);
        else if (child ? stringify(*child) == stringify(*b.getObject(member.first))
                       : member.second.toString() == b.get(member.first).toString())
            out.push_back(path);
    }
}

void changeCommon(ConfigItem& item) {
    item.iconVisible = false;
    item.iconRadiusCorrection = 1.25;
    item.iconPositionX = 0.125;
    item.iconPositionY = 0.875;
    item.iconDescription = QStringLiteral("\u5c04\u51fb \"fire\"");
    item.iconBackgroundColour = QStringLiteral("FF000080");
    item.key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("F"), 70, 33);
    item.workPositionX = 0.3;
    item.workPositionY = 0.7;
    item.editorIconScale = 1.5;
    if (auto* composable = dynamic_cast<ComposableConfigItem*>(&item);
        composable && !dynamic_cast<PairConfigItem*>(&item))
        composable->secondKey = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("Ctrl"), 17, 29);
}

void changeStaringArea(StaringArea& area) {
    area.staringRange = QSizeF(0.4, 0.6);
    area.resetType = QStringLiteral("Range_User_Allow_Outside");
    area.resetWaitInterval = 12;
    area.autoResetPeriod = 3000;
    area.needReset = false;
}

using Change = std::function<void(ConfigItem&)>;
template <typename Item> Change as(std::function<void(Item&)> change) {
    return [change](ConfigItem& item) { change(dynamic_cast<Item&>(item)); };
}

struct TypeCase {
    const char* typeName;
    const char* defaults;   // own members of a new item, compact JSON
    ConfigKey presetKey;    // the item's own key when new
    Change changeOwnFields; // gives every own field a value of its own, unlike the default
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
     kUnset, as<StaringConfigItem>([](StaringConfigItem& item) {
         changeStaringArea(item);
         item.sensitivityX = 61;
         item.sensitivityY = 62;
         item.inputInterval = 16;
     })},
    {"Observe", R"({"input_policy":{"interval":8},"sensitivity":1.0,"sensitivity_x":30,"sensitivity_y":30})",
     key("keyboard", "Alt", 18, 56), as<ObserveConfigItem>([](ObserveConfigItem& item) {
         item.sensitivityX = 31;
         item.sensitivityY = 32;
         item.sensitivity = 2.5;
         item.inputInterval = 10;
     })},
    {"Curve",
     R"({"act_as_line":false,"rel_all_points_pos":"","rel_end_pos":{"rel_x":0.0,"rel_y":0.0},
         "rel_start_pos":{"rel_x":0.0,"rel_y":0.0},"start_wait_time":0})",
     kUnset, as<CurveConfigItem>([](CurveConfigItem& item) {
         item.startPosition = QPointF(0.1, 0.2);
         item.endPosition = QPointF(0.8, 0.9);
         item.allPoints = QStringLiteral(" 0.1,0.2; 0.45,0.5 ;\t0.8,0.9;; \\u0041 \"x\"\n");
         item.actAsLine = true;
         item.startWaitTime = 40;
     })},
    {"Fire",
     R"({"fire_option":{"fire_range_policy":"Fire_range_unlimited"},"input_policy":{"interval":8},
         "need_fire_and_drag":false,"swipehold_info":{"invalid_zone_info":{"enable":false,
         "rel_radius_inside_invalid_zone":0.005,"rel_radius_outside_invalid_zone":0.01},
         "rel_position":{"rel_x":0.0,"rel_y":0.0},"rel_radius":0.1,"steps":6}})",
     key("mouse", "left_mouse", 1, 1), as<FireConfigItem>([](FireConfigItem& item) {
         item.needFireAndDrag = true;
         item.position = QPointF(0.75, 0.6);
         item.radius = 0.2;
         item.steps = 9;
         item.invalidZoneEnabled = true;
         item.invalidZoneOuterRadius = 0.03;
         item.invalidZoneInnerRadius = 0.02;
         item.fireRangePolicy = QStringLiteral("Fire_range_dependent_swipehold");
         item.inputInterval = 4;
     })},
    {"LeftStickWalk",
     R"({"rel_radius":0.0,"start_policy":{"distance_ratio":0.1,"enable":false,"response_time":20},
         "stop_policy":{"delay_time":60,"enable":false,"response_time":20}})",
     key("joystick", "Left_Stick", kUnsetKeyCode, kUnsetKeyCode),
     as<JoystickLeftWalkConfigItem>([](JoystickLeftWalkConfigItem& item) {
         item.radius = 0.15;
         item.startDistanceRatio = 0.2;
         item.startResponseTime = 25;
         item.startPolicyEnabled = true;
         item.stopDelayTime = 70;
         item.stopResponseTime = 30;
         item.stopPolicyEnabled = true;
     })},
    {"RightStickEye",
     R"({"reset_policy":{"auto_reset_period":-1,"need_reset":true,"reset_type":"Range_Window",
         "reset_wait_interval":8},"sensitivity":100,"staring_range":{"rel_height":0.5,"rel_width":0.5}})",
     key("joystick", "Right_Stick", kUnsetKeyCode, kUnsetKeyCode),
     as<JoystickRightEyeConfigItem>([](JoystickRightEyeConfigItem& item) {
         changeStaringArea(item);
         item.sensitivity = 120;
     })},
    {"RightWalk",
     R"({"duration_factor":0.5,"first_move_policy":{"interval":32,"period":16,"rel_radius":0.0,
         "speed":100,"steps":6},"rel_measurement_pos":{"rel_x":0.5,"rel_y":0.5}})",
     key("mouse", "right_mouse", 2, 2), as<MouseRightWalkConfigItem>([](MouseRightWalkConfigItem& item) {
         item.measurementPosition = QPointF(0.25, 0.65);
         item.durationFactor = 0.8;
         item.firstMoveInterval = 33;
         item.firstMoveSteps = 7;
         item.firstMovePeriod = 17;
         item.firstMoveSpeed = 101;
         item.firstMoveRadius = 0.05;
     })},
    {"Wheel",
     R"({"duration":200,"negative_key":{"key":{"device":"keyboard","scan_code":336,"text":"Direction_down",
         "virtual_key":40}},"orientation":"vertical","positive_key":{"key":{"device":"keyboard",
         "scan_code":328,"text":"Direction_up","virtual_key":38}},"sensitivity":50})",
     kUnset, as<WheelConfigItem>([](WheelConfigItem& item) {
         item.positive = {key("keyboard", "PgUp", 33, 329), key("keyboard", "Shift", 16, 42)};
         item.negative = {key("keyboard", "PgDown", 34, 337), key("keyboard", "Alt", 18, 56)};
         item.sensitivity = 55;
         item.duration = 250;
         item.orientation = QStringLiteral("horizontal");
     })},
    {"Zoom",
     R"({"duration":300,"negative_key":{"key":{"device":"mouse","scan_code":549,"text":"wheel_down_mouse",
         "virtual_key":-1}},"one_side_gap":0.01,"orientation":"vertical","positive_key":{"key":{
         "device":"mouse","scan_code":548,"text":"wheel_up_mouse","virtual_key":-1}},"sensitivity":100,
         "small_point_move_first":false})",
     kUnset, as<ZoomConfigItem>([](ZoomConfigItem& item) {
         item.positive = {key("keyboard", "=", 187, 13), key("keyboard", "Ctrl", 17, 29)};
         item.negative = {key("joystick", "LT", kUnsetKeyCode, kUnsetKeyCode), key("joystick", "RB", 0, 0)};
         item.sensitivity = 90;
         item.orientation = QStringLiteral("horizontal");
         item.duration = 350;
         item.oneSideGap = 0.02;
         item.smallPointMoveFirst = true;
     })},
    {"VirtualJoystickButton", R"({"virtual_joystick_button_policy":{"virtual_joystick_button_text":""}})",
     kUnset, as<VirtualJoystickButtonConfigItem>([](VirtualJoystickButtonConfigItem& item) {
         item.buttonText = QStringLiteral("A");
     })},
    {"VirtualJoystickBunchButton",
     R"({"bunch_click_continue_number":20,"bunch_click_one_off_number":20,"bunch_click_type":"Continue",
         "enable":false,"virtual_joystick_button_policy":{"virtual_joystick_button_text":""}})",
     kUnset, as<VirtualJoystickBunchButtonConfigItem>([](VirtualJoystickBunchButtonConfigItem& item) {
         item.buttonText = QStringLiteral("X");
         item.enable = true;
         item.bunchClickType = QStringLiteral("One_Off");
         item.continueNumber = 15;
         item.oneOffNumber = 5;
     })},
    {"VirtualLeftStickShiftButton", R"({"virtual_joystick_left_stick_shift_button_policy":{"factor":1.0}})",
     kUnset, as<VirtualStickLeftShiftButtonConfigItem>([](VirtualStickLeftShiftButtonConfigItem& item) {
         item.factor = 0.5;
     })},
};

void PrintTo(const TypeCase& type, std::ostream* out) { *out << type.typeName; }

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

TEST_P(ItemTypes, EveryChangedFieldSurvivesWriteAndRead) {
    const TypeCase& type = GetParam();
    const ItemPtr original = create(type.typeName);
    const Poco::JSON::Object::Ptr defaults = written(*original);
    changeCommon(*original);
    type.changeOwnFields(*original);
    const std::string first = text(*original);

    std::vector<std::string> unchanged;
    sameValues(*parseObject(first), *defaults, "", unchanged);
    EXPECT_EQ(unchanged, std::vector<std::string>{"type"});

    const ItemPtr fresh = create(type.typeName);
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
    const ItemPtr changed = create(type.typeName);
    const Poco::JSON::Object::Ptr defaults = written(*changed);
    changeCommon(*changed);
    type.changeOwnFields(*changed);
    const Poco::JSON::Object::Ptr full = written(*changed);

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
    const char* replacement; // JSON value put at the path instead of removing it; null removes
    bool objectExpected;     // NullPointerException rather than "Can not convert empty value."
};

const MissingCase kMissing[] = {
    {"Staring", "staring_range", nullptr, true},
    {"Staring", "staring_range/rel_height", nullptr, false},
    {"Staring", "sensitivity_y", nullptr, false},
    {"Staring", "reset_policy", nullptr, true},
    {"Staring", "reset_policy/need_reset", nullptr, false},
    {"Staring", "input_policy", "8", true},
    {"Observe", "sensitivity", nullptr, false},
    {"Observe", "sensitivity_x", nullptr, false},
    {"Curve", "rel_end_pos", nullptr, true},
    {"Curve", "rel_all_points_pos", nullptr, false},
    {"Curve", "start_wait_time", nullptr, false},
    {"Fire", "need_fire_and_drag", nullptr, false},
    {"Fire", "swipehold_info/rel_position", nullptr, true},
    {"Fire", "swipehold_info/steps", nullptr, false},
    {"Fire", "swipehold_info/invalid_zone_info/rel_radius_outside_invalid_zone", nullptr, false},
    {"Fire", "fire_option", "\"Fire_range_unlimited\"", true},
    {"LeftStickWalk", "rel_radius", nullptr, false},
    {"LeftStickWalk", "stop_policy/enable", nullptr, false},
    {"LeftStickWalk", "start_policy/distance_ratio", nullptr, false},
    {"RightStickEye", "sensitivity", nullptr, false},
    {"RightStickEye", "staring_range", nullptr, true},
    {"RightStickEye", "reset_policy/reset_type", nullptr, false},
    {"RightWalk", "rel_measurement_pos", nullptr, true},
    {"RightWalk", "duration_factor", nullptr, false},
    {"RightWalk", "first_move_policy/speed", nullptr, false},
    {"Wheel", "positive_key", nullptr, true},
    {"Wheel", "negative_key/key", nullptr, true},
    {"Wheel", "negative_key/key/scan_code", nullptr, false},
    {"Wheel", "positive_key/second_key/text", nullptr, false},
    {"Wheel", "orientation", nullptr, false},
    {"Zoom", "one_side_gap", nullptr, false},
    {"Zoom", "sensitivity", nullptr, false},
    {"VirtualJoystickButton", "virtual_joystick_button_policy", "\"A\"", true},
    {"VirtualJoystickBunchButton", "enable", nullptr, false},
    {"VirtualJoystickBunchButton", "bunch_click_type", nullptr, false},
    {"VirtualJoystickBunchButton", "bunch_click_one_off_number", nullptr, false},
    {"VirtualLeftStickShiftButton", "virtual_joystick_left_stick_shift_button_policy", "[1.0]", true},
};

TEST(Items2, MissingRequiredMemberFailsWithTheJsonLibrarysException) {
    for (const MissingCase& test : kMissing) {
        SCOPED_TRACE(std::string(test.typeName) + " " + test.path);
        const TypeCase* type = nullptr;
        for (const TypeCase& candidate : kTypes)
            type = std::string(candidate.typeName) == test.typeName ? &candidate : type;
        ASSERT_TRUE(type);
        const ItemPtr changed = create(test.typeName);
        type->changeOwnFields(*changed);
        const Poco::JSON::Object::Ptr input = written(*changed);
        std::string name;
        Poco::JSON::Object::Ptr parent = parentOf(input, test.path, &name);
        ASSERT_TRUE(parent->has(name));
        if (test.replacement)
            parent->set(name, Poco::JSON::Parser()
                                  .parse("[" + std::string(test.replacement) + "]")
                                  .extract<Poco::JSON::Array::Ptr>()
                                  ->get(0));
        else
            parent->remove(name);

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
