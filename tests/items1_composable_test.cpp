// Click, tip, bunch-click, macro and operation-recorder items, and the chord key tests.
#include "items1_support.h"

#include <gtest/gtest.h>

using namespace items1;
using testsupport::parseObject;
using testsupport::written;

namespace {

ConfigKey keyboard(const char* text, int virtualKey, int scanCode) {
    return makeConfigKey(QStringLiteral("keyboard"), QLatin1String(text), virtualKey, scanCode);
}

ConfigKey joystick(const char* text) {
    return makeConfigKey(QStringLiteral("joystick"), QLatin1String(text), kUnsetKeyCode, kUnsetKeyCode);
}

TEST(ComposableDefaults, WrittenOwnMembers) {
    const struct {
        const char* type;
        const char* members;
    } cases[] = {
        {TypeName::Click, R"({"type": "Click"})"},
        {TypeName::Tip, R"({"type": "Tip"})"},
        {TypeName::BunchClick, R"({"bunch_click_continue_number": 20, "bunch_click_one_off_number": 20,
                                   "bunch_click_type": "Continue", "type": "BunchClick"})"},
        {TypeName::Macro, R"({"press_actions": [], "release_actions": [], "type": "Macro"})"},
        {TypeName::OperationRecorder,
         R"({"press_actions": [], "release_actions": [], "type": "OperationRecorder"})"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ownMembers(*create(c.type)), canonical(c.members)) << c.type;
}

TEST(ComposableDefaults, TipWritesWhatClickWritesUnderItsOwnType) {
    const ItemPtr click = changedItem(TypeName::Click);
    const ItemPtr tip = changedItem(TypeName::Tip);
    ObjectPtr clickObject = written(*click);
    clickObject->set("type", std::string("Tip"));
    EXPECT_EQ(testsupport::stringify(*clickObject), text(*tip));
}

// The second key is written only when complete, and only a complete one makes a chord.
TEST(Chord, SecondKeyCompleteness) {
    const struct {
        const char* name;
        ConfigKey second;
        bool chord;
    } cases[] = {
        {"unset", ConfigKey(), false},
        {"keyboard without scan code", keyboard("A", 65, kUnsetKeyCode), false},
        {"keyboard without virtual key", keyboard("A", kUnsetKeyCode, 30), false},
        {"joystick without text", joystick(""), false},
        {"no device but codes", makeConfigKey(QString(), QStringLiteral("A"), 65, 30), false},
        {"keyboard", keyboard("A", 65, 30), true},
        {"joystick by text", joystick("button_a"), true},
    };
    for (const auto& c : cases) {
        ClickConfigItem item;
        item.key = keyboard("Ctrl", 17, 29);
        item.secondKey = c.second;
        const QString secondText = QStringLiteral("Ctrl+") + c.second.text;
        EXPECT_EQ(item.hasSecondKey(), c.chord) << c.name;
        EXPECT_EQ(written(item)->has("second_key"), c.chord) << c.name;
        EXPECT_EQ(item.isKeyMatch(keyboard("x", 0, 29)), !c.chord) << c.name;
        EXPECT_EQ(item.composedKeyText(), c.chord ? secondText : QStringLiteral("Ctrl")) << c.name;
        EXPECT_EQ(item.composedKeyId(), c.chord ? QStringLiteral("keyboard29-") + c.second.identity()
                                                : QStringLiteral("keyboard29"))
            << c.name;
    }
}

TEST(Chord, ComposedMatchComparesScanCodesOrJoystickTexts) {
    ClickConfigItem item;
    item.key = keyboard("Ctrl", 17, 29);
    item.secondKey = keyboard("A", 65, 30);
    EXPECT_EQ(item.composedKeyId(), QStringLiteral("keyboard29-keyboard30"));
    EXPECT_EQ(item.composedKeyText(), QStringLiteral("Ctrl+A"));
    EXPECT_FALSE(item.isKeyMatch(item.key));
    EXPECT_TRUE(item.isComposedKeyMatch(keyboard("other", 1, 29), keyboard("other", 2, 30)));
    EXPECT_FALSE(item.isComposedKeyMatch(keyboard("A", 65, 30), keyboard("Ctrl", 17, 29)));
    EXPECT_FALSE(item.isComposedKeyMatch(item.key, makeConfigKey(QStringLiteral("mouse"), {}, 65, 30)));

    item.secondKey = joystick("button_a");
    EXPECT_EQ(item.composedKeyId(), QStringLiteral("keyboard29-joystickbutton_a"));
    EXPECT_TRUE(item.isComposedKeyMatch(item.key, joystick("button_a")));
    EXPECT_FALSE(item.isComposedKeyMatch(item.key, joystick("button_b")));
    // Joystick keys are told apart by text alone, whatever their codes.
    EXPECT_TRUE(item.isComposedKeyMatch(
        item.key, makeConfigKey(QStringLiteral("joystick"), QStringLiteral("button_a"), 5, 6)));
    // The completeness of the stored second key is not checked by the composed match.
    item.secondKey = keyboard("A", 65, kUnsetKeyCode);
    EXPECT_TRUE(item.isComposedKeyMatch(item.key, keyboard("A", 65, kUnsetKeyCode)));
}

// Lines of every kind (control characters, right-to-left text, emoji, injection strings...) come back
// unchanged, and reading adds them after the lines the item already holds.
TEST(Macro, LinesAreKeptByteForByteAndReadingAppends) {
    const QByteArray naughty =
        testsupport::readFile(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    const QStringList lines = QString::fromUtf8(naughty).split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 700);
    MacroConfigItem item;
    item.releaseActions = lines;
    MacroConfigItem read;
    read.releaseActions = QStringList{QStringLiteral("kept")};
    ASSERT_EQ(readError(read, written(item)), "");
    EXPECT_EQ(read.releaseActions, QStringList{QStringLiteral("kept")} + lines);
    EXPECT_EQ(read.releaseActions.mid(1).join(QLatin1Char('\n')).toUtf8(), naughty);
    EXPECT_TRUE(read.pressActions.isEmpty());
}

TEST(Macro, ElementsAreReadAsTextAndANullStopsTheRead) {
    MacroConfigItem item;
    ObjectPtr object = written(item);
    object->set("press_actions", parseObject(R"({"a": [5, 2.5, true, "x", null, "y"]})")->getArray("a"));
    EXPECT_EQ(readError(item, object), kEmptyValue);
    EXPECT_EQ(item.pressActions, (QStringList{QStringLiteral("5"), QStringLiteral("2.5"),
                                              QStringLiteral("true"), QStringLiteral("x")}));
}

TEST(OperationRecorder, IsAMacroUnderItsOwnName) {
    const ItemPtr recorder = changedItem(TypeName::OperationRecorder);
    ASSERT_NE(dynamic_cast<MacroConfigItem*>(recorder.get()), nullptr);
    ObjectPtr macroObject = written(*changedItem(TypeName::Macro));
    macroObject->set("type", std::string("OperationRecorder"));
    EXPECT_EQ(text(*recorder), testsupport::stringify(*macroObject));
}

} // namespace
