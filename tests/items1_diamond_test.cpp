// Eye, gravity, swipe-hold and virtual stick items: direction keys, defaults and swipe-hold members.
#include "items1_support.h"

#include <gtest/gtest.h>

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

ConfigKey key(const char* device, const char* text, int virtualKey, int scanCode) {
    return makeConfigKey(QLatin1String(device), QLatin1String(text), virtualKey, scanCode);
}

TEST(DirectionKeys, UnsetAndMatch) {
    for (const char* type :
         {TypeName::Eye, TypeName::Gravity, TypeName::Swipehold, TypeName::VirtualRightStick}) {
        ItemPtr item = create(type);
        auto& diamond = dynamic_cast<DiamondConfigItem&>(*item);
        item->key = key("keyboard", "Q", 81, 16);
        diamond.topKey = diamond.rightKey = diamond.bottomKey = diamond.leftKey = ConfigKey();
        EXPECT_TRUE(item->isKeyUnset()) << type; // the own key plays no part
        EXPECT_FALSE(item->isKeyMatch(item->key)) << type;

        diamond.topKey = key("keyboard", "Up", 38, kUnsetKeyCode);
        EXPECT_TRUE(item->isKeyUnset()) << type;
        EXPECT_EQ(at(written(*item), "top_key/virtual_key").toString(), "38"); // still written unchanged
        diamond.rightKey = key("keyboard", "D", 68, 32);
        EXPECT_FALSE(item->isKeyUnset()) << type;

        diamond.leftKey = key("joystick", "dpad_left", 1, 2);
        EXPECT_TRUE(item->isKeyMatch(key("keyboard", "?", 0, 32))) << type;
        EXPECT_FALSE(item->isKeyMatch(key("mouse", "D", 68, 32))) << type;
        EXPECT_TRUE(item->isKeyMatch(key("joystick", "dpad_left", 9, 9))) << type;
        EXPECT_FALSE(item->isKeyMatch(key("joystick", "dpad_up", 1, 2))) << type;
        EXPECT_FALSE(item->isKeyMatch(key("keyboard", "dpad_left", 1, 2))) << type;
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
        "rel_radius": 0
    })"));
    EXPECT_TRUE(hasMembers(object, kSwipeholdSettingDefaults));
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

} // namespace
