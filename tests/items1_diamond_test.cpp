// Eye, gravity, swipe-hold and virtual stick items: direction keys, defaults and swipe-hold members.
#include "items1_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace items1;
using testsupport::parseObject;
using testsupport::written;

namespace {

const char kArrowKeys[] = R"({
    "top_key": {"device": "keyboard", "text": "Direction_up", "virtual_key": 38, "scan_code": 328},
    "right_key": {"device": "keyboard", "text": "Direction_right", "virtual_key": 39, "scan_code": 333},
    "bottom_key": {"device": "keyboard", "text": "Direction_down", "virtual_key": 40, "scan_code": 336},
    "left_key": {"device": "keyboard", "text": "Direction_left", "virtual_key": 37, "scan_code": 331}})";

// The own members of a new item with the arrow keys and the given type and sensitivity.
std::string arrowItem(const char* type, int sensitivity) {
    ObjectPtr expected = parseObject(kArrowKeys);
    expected->set("type", std::string(type));
    expected->set("sensitivity", sensitivity);
    return testsupport::stringify(*expected);
}

TEST(EyeGravity, Defaults) {
    EXPECT_EQ(ownMembers(*create(TypeName::Eye)), arrowItem("Eye", 100));
    EXPECT_EQ(ownMembers(*create(TypeName::Gravity)), arrowItem("Gravity", 20));
    const ItemPtr gravity = create(TypeName::Gravity);
    EXPECT_EQ(dynamic_cast<EyeConfigItem*>(gravity.get()), nullptr);
    EXPECT_NE(dynamic_cast<DiamondConfigItem*>(gravity.get()), nullptr);
}

// The keys are read top, bottom, left, right, then the sensitivity; all are required.
TEST(EyeGravity, MissingMembersStopReadingInOrder) {
    for (const char* type : {TypeName::Eye, TypeName::Gravity}) {
        const ItemPtr source = changedItem(type);
        ItemPtr item = create(type);
        EXPECT_EQ(readError(*item, without(written(*source), "left_key")), kNullPointer) << type;
        auto* diamond = dynamic_cast<DiamondConfigItem*>(item.get());
        EXPECT_EQ(diamond->topKey.text, QStringLiteral("dpad_up")) << type;
        EXPECT_EQ(diamond->bottomKey.text, QStringLiteral("K")) << type;
        EXPECT_EQ(diamond->leftKey.text, QStringLiteral("Direction_left")) << type;
        EXPECT_EQ(diamond->rightKey.text, QStringLiteral("Direction_right")) << type;

        ItemPtr other = create(type);
        EXPECT_EQ(readError(*other, without(written(*source), "sensitivity")), kEmptyValue) << type;
        EXPECT_EQ(dynamic_cast<DiamondConfigItem*>(other.get())->rightKey.text, QStringLiteral("L"));
        EXPECT_EQ(readError(*other, without(written(*source), "top_key/virtual_key")), kEmptyValue);
    }
}

TEST(DirectionKeys, UnsetAndMatch) {
    for (const char* type :
         {TypeName::Eye, TypeName::Gravity, TypeName::Swipehold, TypeName::VirtualRightStick}) {
        ItemPtr item = create(type);
        auto* diamond = dynamic_cast<DiamondConfigItem*>(item.get());
        item->key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("Q"), 81, 16);
        for (ConfigKey* key : {&diamond->topKey, &diamond->rightKey, &diamond->bottomKey, &diamond->leftKey})
            key->device.clear();
        EXPECT_TRUE(item->isKeyUnset()) << type; // the own key plays no part
        EXPECT_FALSE(item->isKeyMatch(item->key)) << type;

        diamond->topKey = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("Up"), 38, kUnsetKeyCode);
        EXPECT_TRUE(item->isKeyUnset()) << type;
        EXPECT_EQ(textAt(written(*item), "top_key/virtual_key"), "38"); // still written unchanged

        diamond->rightKey = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("D"), 68, 32);
        EXPECT_FALSE(item->isKeyUnset()) << type;
        EXPECT_TRUE(item->isKeyMatch(makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("?"), 0, 32)));
        EXPECT_FALSE(item->isKeyMatch(makeConfigKey(QStringLiteral("mouse"), QStringLiteral("D"), 68, 32)));

        diamond->leftKey = makeConfigKey(QStringLiteral("joystick"), QStringLiteral("dpad_left"), 1, 2);
        EXPECT_TRUE(
            item->isKeyMatch(makeConfigKey(QStringLiteral("joystick"), QStringLiteral("dpad_left"), 9, 9)));
        EXPECT_FALSE(
            item->isKeyMatch(makeConfigKey(QStringLiteral("joystick"), QStringLiteral("dpad_up"), 1, 2)));
        EXPECT_FALSE(
            item->isKeyMatch(makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("dpad_left"), 1, 2)));
    }
}

TEST(Swipehold, DefaultValues) {
    const ObjectPtr object = written(SwipeholdConfigItem());
    EXPECT_TRUE(hasMembers(object, R"({
        "type": "Swipehold",
        "top_key": {"device": "keyboard", "text": "W", "virtual_key": 87, "scan_code": 17},
        "right_key": {"device": "keyboard", "text": "D", "virtual_key": 68, "scan_code": 32},
        "bottom_key": {"device": "keyboard", "text": "S", "virtual_key": 83, "scan_code": 31},
        "left_key": {"device": "keyboard", "text": "A", "virtual_key": 65, "scan_code": 30},
        "rel_radius": 0, "hold_center_interval_after_release": 0, "in_line_policy": "Use_Both",
        "first_point_policy": {"handle_type": "Move", "move_type": "Constant", "interval": 32, "steps": 6,
            "period": 16, "speed": 100, "wait_for_second": 8, "idle_before_first_press": 0,
            "no_press_first_center_point": false},
        "subsequent_point_policy": {"handle_type": "Click", "steps": 6, "period": 16},
        "target_point_input_compensatory_policy": {"enable": false, "distance": 0.01, "count": 3, "steps": 3,
            "period": 8, "x_policy": "Default", "y_policy": "Default", "x_policy_slope_period": 1,
            "y_policy_slope_period": 1, "x_policy_intercept_phaseshift": 0, "y_policy_intercept_phaseshift": 0}
    })"));
    EXPECT_EQ(object->getObject("first_point_policy")->size(), 9u);
    EXPECT_EQ(object->getObject("subsequent_point_policy")->size(), 3u);
    EXPECT_EQ(object->getObject("target_point_input_compensatory_policy")->size(), 11u);
}

TEST(VirtualSticks, SwipeholdMembersUnderTheirOwnTypeAndKeys) {
    ObjectPtr left = parseObject(ownMembers(SwipeholdConfigItem()));
    left->set("type", std::string("VirtualLeftStick"));
    EXPECT_EQ(ownMembers(*create(TypeName::VirtualLeftStick)), testsupport::stringify(*left));

    ObjectPtr right = parseObject(ownMembers(SwipeholdConfigItem()));
    right->set("type", std::string("VirtualRightStick"));
    const ObjectPtr arrows = parseObject(kArrowKeys);
    for (const char* key : {"top_key", "right_key", "bottom_key", "left_key"})
        right->set(key, arrows->get(key));
    EXPECT_EQ(ownMembers(*create(TypeName::VirtualRightStick)), testsupport::stringify(*right));

    EXPECT_EQ(VirtualStickConfigItem().typeName, QStringLiteral("Swipehold"));
    EXPECT_EQ(create("VirtualStick"), nullptr);
}

TEST(Swipehold, EverySwipeholdMemberIsOptional) {
    const ItemPtr source = changedItem(TypeName::Swipehold);
    ObjectPtr commonOnly = written(*source);
    for (const char* member : {"first_point_policy", "subsequent_point_policy", "top_key", "right_key",
                               "bottom_key", "left_key", "rel_radius", "hold_center_interval_after_release",
                               "in_line_policy", "target_point_input_compensatory_policy"})
        commonOnly->remove(member);
    SwipeholdConfigItem item;
    ASSERT_EQ(readError(item, commonOnly), "");
    EXPECT_EQ(ownMembers(item), ownMembers(SwipeholdConfigItem()));
    EXPECT_EQ(item.key.text, QStringLiteral("Ctrl"));
}

TEST(Swipehold, OptionalMembersInsidePoliciesKeepTheirValues) {
    const ItemPtr source = changedItem(TypeName::Swipehold);
    ObjectPtr object = written(*source);
    for (const char* member :
         {"wait_for_second", "move_type", "idle_before_first_press", "no_press_first_center_point"})
        without(object, std::string("first_point_policy/") + member);
    for (const char* member : {"x_policy", "x_policy_slope_period", "x_policy_intercept_phaseshift",
                               "y_policy", "y_policy_slope_period", "y_policy_intercept_phaseshift"})
        without(object, std::string("target_point_input_compensatory_policy/") + member);
    SwipeholdConfigItem item;
    ASSERT_EQ(readError(item, object), "");
    const FirstPointPolicy first;
    const TargetPointCompensatoryPolicy target;
    EXPECT_EQ(item.firstPointPolicy.speed, 4);
    EXPECT_EQ(item.firstPointPolicy.waitForSecond, first.waitForSecond);
    EXPECT_EQ(item.firstPointPolicy.moveType, first.moveType);
    EXPECT_EQ(item.firstPointPolicy.idleBeforeFirstPress, first.idleBeforeFirstPress);
    EXPECT_EQ(item.firstPointPolicy.noPressOnFirstCentrePoint, first.noPressOnFirstCentrePoint);
    EXPECT_EQ(item.targetPointPolicy.count, 11);
    EXPECT_EQ(item.targetPointPolicy.xPolicy, target.xPolicy);
    EXPECT_EQ(item.targetPointPolicy.yInterceptOrPhaseShift, target.yInterceptOrPhaseShift);
}

// Each case removes a required member; the members read before it keep their new values.
TEST(Swipehold, RequiredMembersInsidePresentObjects) {
    const struct {
        const char* removed;
        std::string error;
        std::function<bool(const SwipeholdConfigItem&)> readBefore;
    } cases[] = {
        {"first_point_policy/speed", kEmptyValue,
         [](const SwipeholdConfigItem& s) { return s.firstPointPolicy.steps == 2 && s.key.text == "Ctrl"; }},
        {"subsequent_point_policy/steps", kEmptyValue,
         [](const SwipeholdConfigItem& s) { return s.firstPointPolicy.noPressOnFirstCentrePoint; }},
        {"top_key/scan_code", kEmptyValue,
         [](const SwipeholdConfigItem& s) { return s.subsequentPointPolicy.steps == 7; }},
        {"right_key/device", kEmptyValue,
         [](const SwipeholdConfigItem& s) { return s.leftKey.text == "J" && s.relRadius == 0.0; }},
        {"target_point_input_compensatory_policy/count", kEmptyValue,
         [](const SwipeholdConfigItem& s) { return s.inLinePolicy == "Just_Use_Last"; }},
    };
    for (const auto& c : cases) {
        const ItemPtr source = changedItem(TypeName::Swipehold);
        SwipeholdConfigItem item;
        EXPECT_EQ(readError(item, without(written(*source), c.removed)), c.error) << c.removed;
        EXPECT_TRUE(c.readBefore(item)) << c.removed;
    }
    SwipeholdConfigItem item;
    ObjectPtr notObject = written(item);
    notObject->set("subsequent_point_policy", std::string("Click"));
    EXPECT_EQ(readError(item, notObject), kNullPointer);
}

TEST(Swipehold, UnknownPolicyTextsAreKept) {
    SwipeholdConfigItem item;
    item.inLinePolicy = QStringLiteral("sideways \u2192");
    item.firstPointPolicy.handleType = QStringLiteral("");
    SwipeholdConfigItem read;
    read.fromJson(written(item));
    EXPECT_EQ(read.inLinePolicy, item.inLinePolicy);
    EXPECT_EQ(read.firstPointPolicy.handleType, QString());
}

} // namespace
