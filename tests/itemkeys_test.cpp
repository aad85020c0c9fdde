// The key tests of items: the own key of every item, chords of composable items, the direction keys
// of diamond items and the two sides of pair items.
#include "items_support.h"

#include <gtest/gtest.h>

using namespace items;

namespace {

ConfigKey key(const char* device, const char* text, int virtualKey, int scanCode) {
    return makeConfigKey(QLatin1String(device), QLatin1String(text), virtualKey, scanCode);
}

ConfigKey keyboard(int scanCode, int virtualKey = 0) {
    return key("keyboard", "any", virtualKey, scanCode);
}

// A key is unset without a scan code, or for a joystick without a text; it matches on device and
// scan code, or for a joystick on device and text.
TEST(OwnKey, UnsetAndMatchRules) {
    ConfigItem item(QStringLiteral("Click"));
    EXPECT_TRUE(item.isKeyUnset());
    item.key = key("keyboard", "A", 65, kUnsetKeyCode);
    EXPECT_TRUE(item.isKeyUnset());
    item.key.scanCode = 30;
    EXPECT_FALSE(item.isKeyUnset());
    EXPECT_TRUE(item.isKeyMatch(key("keyboard", "Z", 1, 30)));
    EXPECT_FALSE(item.isKeyMatch(key("mouse", "A", 65, 30)));
    EXPECT_FALSE(item.isKeyMatch(key("keyboard", "A", 65, 31)));

    item.key = key("joystick", "LT", kUnsetKeyCode, kUnsetKeyCode);
    EXPECT_FALSE(item.isKeyUnset());
    EXPECT_TRUE(item.isKeyMatch(key("joystick", "LT", 5, 9)));
    EXPECT_FALSE(item.isKeyMatch(key("joystick", "lt", 5, 9)));
    item.key.text.clear();
    EXPECT_TRUE(item.isKeyUnset());
}

// The second key is written only when complete, and only a complete one makes a chord.
TEST(Chord, OnlyACompleteSecondKeyMakesAChord) {
    const struct {
        const char* name;
        ConfigKey second;
        bool chord;
    } cases[] = {
        {"unset", ConfigKey(), false},
        {"keyboard without scan code", key("keyboard", "A", 65, kUnsetKeyCode), false},
        {"joystick without text", key("joystick", "", 1, 2), false},
        {"keyboard", key("keyboard", "A", 65, 30), true},
        {"joystick by text", key("joystick", "button_a", kUnsetKeyCode, kUnsetKeyCode), true},
    };
    for (const auto& c : cases) {
        ClickConfigItem item;
        item.key = key("keyboard", "Ctrl", 17, 29);
        item.secondKey = c.second;
        EXPECT_EQ(item.hasSecondKey(), c.chord) << c.name;
        EXPECT_EQ(written(item)->has("second_key"), c.chord) << c.name;
        EXPECT_EQ(item.isKeyMatch(keyboard(29)), !c.chord) << c.name;
        EXPECT_EQ(item.composedKeyText(), c.chord ? QStringLiteral("Ctrl+") + c.second.text : item.key.text);
        EXPECT_EQ(item.composedKeyId(), c.chord ? QStringLiteral("keyboard29-") + c.second.identity()
                                                : QStringLiteral("keyboard29"));
    }
}

TEST(Chord, ComposedMatchComparesScanCodesOrJoystickTextsInOrder) {
    ClickConfigItem item;
    item.key = key("keyboard", "Ctrl", 17, 29);
    item.secondKey = key("keyboard", "A", 65, 30);
    EXPECT_TRUE(item.isComposedKeyMatch(keyboard(29, 1), keyboard(30, 2)));
    EXPECT_FALSE(item.isComposedKeyMatch(keyboard(30), keyboard(29)));
    EXPECT_FALSE(item.isComposedKeyMatch(item.key, key("mouse", "", 65, 30)));
    item.secondKey = key("joystick", "button_a", kUnsetKeyCode, kUnsetKeyCode);
    EXPECT_TRUE(item.isComposedKeyMatch(item.key, key("joystick", "button_a", 5, 6)));
    EXPECT_FALSE(
        item.isComposedKeyMatch(item.key, key("joystick", "button_b", kUnsetKeyCode, kUnsetKeyCode)));
    // The completeness of the stored second key is not checked by the composed match.
    item.secondKey = key("keyboard", "A", 65, kUnsetKeyCode);
    EXPECT_TRUE(item.isComposedKeyMatch(item.key, keyboard(kUnsetKeyCode)));
}

TEST(DirectionKeys, AnySetDirectionKeyBindsAndMatchesAlone) {
    for (const char* type : {"Eye", "Gravity", "Swipehold", "VirtualRightStick"}) {
        SCOPED_TRACE(type);
        ItemPtr item = create(type);
        auto& diamond = dynamic_cast<DiamondConfigItem&>(*item);
        item->key = keyboard(16, 81);
        diamond.topKey = diamond.rightKey = diamond.bottomKey = diamond.leftKey = ConfigKey();
        EXPECT_TRUE(item->isKeyUnset()); // the own key plays no part
        EXPECT_FALSE(item->isKeyMatch(item->key));
        diamond.topKey = key("keyboard", "Up", 38, kUnsetKeyCode);
        EXPECT_TRUE(item->isKeyUnset());
        diamond.rightKey = key("keyboard", "D", 68, 32);
        EXPECT_FALSE(item->isKeyUnset());
        diamond.leftKey = key("joystick", "dpad_left", 1, 2);
        EXPECT_TRUE(item->isKeyMatch(keyboard(32)));
        EXPECT_FALSE(item->isKeyMatch(key("mouse", "D", 68, 32)));
        EXPECT_TRUE(item->isKeyMatch(key("joystick", "dpad_left", 9, 9)));
        EXPECT_FALSE(item->isKeyMatch(key("joystick", "dpad_up", 1, 2)));
        EXPECT_FALSE(item->isKeyMatch(key("keyboard", "dpad_left", 1, 2)));
    }
}

// Pair items report which side matched: 1 positive, 2 negative, 0 none.
TEST(PairMatching, SingleKeysMatchEitherSideAndAMissResetsTheSide) {
    WheelConfigItem wheel;
    ZoomConfigItem zoom;
    const struct {
        const PairConfigItem& item;
        ConfigKey given;
        int side;
    } cases[] = {
        {wheel, keyboard(328), 1},
        {wheel, keyboard(336), 2},
        {wheel, keyboard(30), 0},
        {wheel, key("mouse", "", 0, 328), 0},
        {zoom, key("mouse", "x", 7, 548), 1},
        {zoom, key("mouse", "y", -9, 549), 2},
        {zoom, key("keyboard", "", -1, 548), 0},
    };
    for (const auto& c : cases) {
        c.item.matchedSide = 7;
        EXPECT_EQ(c.item.isKeyMatch(c.given), c.side != 0) << c.given.scanCode;
        EXPECT_EQ(c.item.matchedSide, c.side) << c.given.scanCode;
    }
}

TEST(PairMatching, ChordsMatchOnlyAsChords) {
    WheelConfigItem wheel;
    wheel.positive.secondKey = keyboard(29, 17);
    wheel.negative.secondKey = keyboard(42, 16);
    const ConfigKey up = wheel.positive.key;
    EXPECT_FALSE(wheel.isKeyMatch(up));
    EXPECT_EQ(wheel.matchedSide, 0);
    EXPECT_TRUE(wheel.isComposedKeyMatch(up, keyboard(29)));
    EXPECT_EQ(wheel.matchedSide, 1);
    EXPECT_TRUE(wheel.isComposedKeyMatch(wheel.negative.key, keyboard(42)));
    EXPECT_EQ(wheel.matchedSide, 2);
    EXPECT_FALSE(wheel.isComposedKeyMatch(up, keyboard(42)));
    EXPECT_EQ(wheel.matchedSide, 0);
    // An incomplete second key is no chord for the single-key test; the chord test compares it as it is.
    wheel.positive.secondKey.scanCode = kUnsetKeyCode;
    EXPECT_TRUE(wheel.isKeyMatch(up));
    EXPECT_TRUE(wheel.isComposedKeyMatch(up, keyboard(kUnsetKeyCode)));
    EXPECT_EQ(wheel.matchedSide, 1);
    // The same key on both sides matches the positive side.
    wheel.negative = wheel.positive;
    EXPECT_TRUE(wheel.isKeyMatch(up));
    EXPECT_TRUE(wheel.isComposedKeyMatch(up, keyboard(kUnsetKeyCode)));
    EXPECT_EQ(wheel.matchedSide, 1);
}

TEST(PairMatching, TheItemLevelKeysPlayNoPart) {
    WheelConfigItem wheel;
    wheel.positive = wheel.negative = KeyPair();
    EXPECT_FALSE(wheel.isKeyUnset());
    wheel.key = keyboard(30, 65);
    wheel.secondKey = keyboard(29, 17);
    EXPECT_FALSE(wheel.isKeyMatch(wheel.key));
    EXPECT_FALSE(wheel.isComposedKeyMatch(wheel.key, wheel.secondKey));
    ObjectPtr object = written(wheel);
    EXPECT_FALSE(object->has("second_key"));
    object->set("second_key", object->getObject("key"));
    WheelConfigItem read;
    ASSERT_EQ(readError(read, object), "");
    EXPECT_TRUE(read.secondKey.isUnset());
}

} // namespace
