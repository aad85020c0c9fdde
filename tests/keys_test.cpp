// Key naming, event codes and the key questions over a document.
#include "support/testsupport.h"

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/config/keymapconfig.h>
#include <keymapmanager/items/composableconfigitem.h>
#include <keymapmanager/keys/keynames_p.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <utility>

using namespace ovelkeymapmanager;

namespace {

const QString kKeyboard = QStringLiteral("keyboard");
const QString kMouse = QStringLiteral("mouse");
const QString kJoystick = QStringLiteral("joystick");

struct NamedCode {
    const char* device;
    int code;
    const char* text;
};

struct CodeText {
    int code;
    const char* text;
};

ConfigKey keyboardKey(int scanCode, const char* text = "") {
    return makeConfigKey(kKeyboard, QString::fromUtf8(text), 0, scanCode);
}

template <std::size_t N> void expectDisplayTexts(const char* device, const CodeText (&cases)[N]) {
    for (const CodeText& c : cases) {
        const ConfigKey key = CreateConfigKey(QString::fromUtf8(device), 7, c.code);
        EXPECT_EQ(key.text, QString::fromUtf8(c.text)) << device << " " << c.code;
        EXPECT_EQ(key.virtualKey, 7);
    }
}

} // namespace

TEST(DisplayTexts, KeyboardCodes) {
    // Special names, capitalisation, the extended table winning over the main one.
    const CodeText named[] = {{57, "Space"},       {1, "Esc"},    {87, "F11"},   {2, "1"},
                              {241, "Video_next"}, {97, "Ctrl"},  {43, "\\"},    {12, "-"},
                              {55, "*"},           {74, "-"},     {78, "+"},     {71, "N7"},
                              {309, "/"},          {327, "Home"}, {102, "Home"}, {329, "PageUp"}};
    const CodeText directions[] = {
        {328, "Direction_up"}, {331, "Direction_left"}, {333, "Direction_right"}, {336, "Direction_down"}};
    // Unnamed, unknown, or named only in macro text.
    const CodeText nameless[] = {{69, ""},   {325, ""}, {240, ""}, {84, ""}, {200, ""},
                                 {1000, ""}, {-1, ""},  {158, ""}, {172, ""}};
    expectDisplayTexts("keyboard", named);
    expectDisplayTexts("keyboard", directions);
    expectDisplayTexts("keyboard", nameless);
}

TEST(DisplayTexts, MouseCodesAndOtherWords) {
    // The first row wins on a shared code.
    const CodeText buttons[] = {{1, "left_mouse"},         {8, "back_mouse"}, {548, "wheel_up_mouse"},
                                {549, "wheel_down_mouse"}, {256, "Misc"},     {288, "Joystick"},
                                {304, "Gamepad"},          {3, ""},           {550, ""}};
    expectDisplayTexts("mouse", buttons);
    // Class words pass through; other words name nothing.
    expectDisplayTexts("key", {{57, "Space"}});
    expectDisplayTexts("btn", {{275, "Side"}});
    expectDisplayTexts("Keyboard", {{57, ""}});
    expectDisplayTexts("", {{1, ""}});
}

TEST(DisplayTexts, RightHandModifiersAreFoldedBeforeNaming) {
    struct Fold {
        int raw;
        int stored;
        const char* text;
    };
    for (const Fold& f : {Fold{54, 42, "Shift"}, Fold{285, 29, "Ctrl"}, Fold{312, 56, "Alt"}}) {
        const ConfigKey created = CreateConfigKey(kKeyboard, 160, f.raw);
        EXPECT_EQ(created.scanCode, f.stored);
        EXPECT_EQ(created.virtualKey, 160);
        EXPECT_EQ(created.text, QString::fromUtf8(f.text));
        ConfigKey key = makeConfigKey(kKeyboard, QStringLiteral("stale"), 160, f.raw);
        SetTextForConfigKey(&key);
        EXPECT_EQ(key.scanCode, f.stored);
        EXPECT_EQ(key.text, QString::fromUtf8(f.text));
    }
}

TEST(DisplayTexts, JoystickKeysKeepTheirTextAndOthersAreReplaced) {
    EXPECT_TRUE(CreateConfigKey(kJoystick, 1, 57).text.isEmpty());
    ConfigKey joystick = makeConfigKey(kJoystick, QStringLiteral("button_a"), 1, 57);
    SetTextForConfigKey(&joystick);
    EXPECT_EQ(joystick.text, QStringLiteral("button_a"));
    ConfigKey other = makeConfigKey(QStringLiteral("pedal"), QStringLiteral("stale"), 1, 57);
    SetTextForConfigKey(&other);
    EXPECT_TRUE(other.text.isEmpty());
    SetTextForConfigKey(nullptr);
}

TEST(MacroNames, DifferFromDisplayWhereTheTablesDo) {
    const NamedCode cases[] = {{"key", 327, ""},          {"key", 172, "Home"}, {"key", 158, "Back"},
                               {"keyboard", 158, "Back"}, {"key", 29, "Ctrl"},  {"key", 55, "*"},
                               {"key", 69, ""},           {"btn", 1, "Left"},   {"mouse", 16, "Forward"},
                               {"btn", 548, "Wheel_up"},  {"btn", 256, ""},     {"btn", 275, ""},
                               {"joystick", 1, ""},       {"pedal", 57, ""}};
    for (const NamedCode& c : cases)
        EXPECT_EQ(macroNameForCode(QString::fromUtf8(c.device), c.code), QString::fromUtf8(c.text))
            << c.device << " " << c.code;
}

TEST(MacroNames, NamesReadBackThroughAliasesInAnyCase) {
    const NamedCode cases[] = {{"key", 29, "CTRL"},        {"key", 42, "Shift"},  {"key", 56, "alt"},
                               {"key", 74, "-"},           {"key", 74, "minus"},  {"key", 74, "kpminus"},
                               {"key", 172, "home"},       {"key", 105, "left"},  {"key", 71, "N7"},
                               {"key", 71, "n7"},          {"key", 57, "Space"},  {"key", 329, "PageUp"},
                               {"key", 55, "*"},           {"key", 52, "."},      {"key", 43, "\\"},
                               {"key", 158, "back"},       {"key", -1, "nosuch"}, {"key", -1, ""},
                               {"key", -1, "ctrl "},       {"btn", 1, "LEFT"},    {"btn", 256, "misc"},
                               {"btn", 549, "Wheel_Down"}, {"btn", -1, "ctrl"},   {"btn", -1, "side"},
                               {"mouse", -1, "left"},      {"joystick", -1, "a"}, {"keyboard", -1, "a"}};
    for (const NamedCode& c : cases)
        EXPECT_EQ(macroCodeForName(QString::fromUtf8(c.device), QString::fromUtf8(c.text)), c.code)
            << c.device << " " << c.text;
}

// Every name that macro text writes reads back as the code it was written for, except where two
// keys share a name: the two minus keys, the two Home keys, the two hands of a modifier, the keypad
// and extended keys read as main-block keys (dot, slash, enter), and the main-block navigation keys
// read as extended ones (page up and down, insert, end, delete).
TEST(MacroNames, EveryWrittenNameReadsBackToItsCode) {
    const std::map<int, int> sharedNames = {{12, 74},   {102, 172}, {97, 29},  {54, 42},   {100, 56},
                                            {83, 52},   {309, 53},  {284, 28}, {104, 329}, {109, 337},
                                            {110, 338}, {107, 335}, {111, 339}};
    int namedKeys = 0;
    int namedButtons = 0;
    for (int code = 0; code < 1024; ++code) {
        const QString keyName = macroNameForCode(QStringLiteral("key"), code);
        if (!keyName.isEmpty()) {
            ++namedKeys;
            const auto shared = sharedNames.find(code);
            const int expected = shared == sharedNames.end() ? code : shared->second;
            EXPECT_EQ(macroCodeForName(QStringLiteral("key"), keyName), expected)
                << code << " " << keyName.toStdString();
        }
        const QString buttonName = macroNameForCode(QStringLiteral("btn"), code);
        if (!buttonName.isEmpty()) {
            ++namedButtons;
            EXPECT_EQ(macroCodeForName(QStringLiteral("btn"), buttonName), code) << buttonName.toStdString();
        }
    }
    EXPECT_GT(namedKeys, 150);
    EXPECT_EQ(namedButtons, 7);
}

TEST(Events, MouseWheelAndKeyEventsGiveTheirCodes) {
    const auto mouse = [](QEvent::Type type, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(1, 1), button, button, Qt::NoModifier);
        return getMacroConfigKeyCode(&event);
    };
    EXPECT_EQ(mouse(QEvent::MouseButtonPress, Qt::MiddleButton), 4);
    EXPECT_EQ(mouse(QEvent::MouseButtonRelease, Qt::BackButton), 8);
    EXPECT_EQ(mouse(QEvent::MouseButtonPress, Qt::ExtraButton3), 1);
    EXPECT_EQ(mouse(QEvent::MouseButtonDblClick, Qt::RightButton), 1);
    EXPECT_EQ(mouse(QEvent::MouseMove, Qt::RightButton), 1);

    const auto wheel = [](int delta) {
        QWheelEvent event(QPointF(), QPointF(), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        return getMacroConfigKeyCode(&event);
    };
    EXPECT_EQ(wheel(120), 224);
    EXPECT_EQ(wheel(-120), 225);
    EXPECT_EQ(wheel(0), 225);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 285, 0xA3, 0);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 30, 0x41, 0);
    EXPECT_EQ(getMacroConfigKeyCode(&press), 285);
    EXPECT_EQ(getMacroConfigKeyCode(&release), 30);
}

TEST(Events, OtherEventsAndMislabelledOnesGiveOne) {
    QEvent joystick(JoystickEvent::ButtonPress);
    QEvent focus(QEvent::FocusIn);
    QEvent bareKey(QEvent::KeyPress); // a key type without a key event behind it
    EXPECT_EQ(getMacroConfigKeyCode(&joystick), 1);
    EXPECT_EQ(getMacroConfigKeyCode(&focus), 1);
    EXPECT_EQ(getMacroConfigKeyCode(&bareKey), 1);
    EXPECT_EQ(getMacroConfigKeyCode(nullptr), 1);
}

TEST(Events, ScanCodeFoldingAndPermission) {
    const std::pair<int, int> folds[] = {{54, 42}, {285, 29}, {312, 56}, {42, 42},
                                         {97, 97}, {0, 0},    {-1, -1}};
    for (const auto& [raw, stored] : folds)
        EXPECT_EQ(ModifyKeyboardScanCodeIfNeeded(raw), stored) << raw;
    EXPECT_TRUE(AllowUsedForConfigKey(kKeyboard, 0, 57));
    EXPECT_TRUE(AllowUsedForConfigKey(QString(), -1, kUnsetKeyCode));
}

namespace {

// A document built by hand from items of the given types and keys.
class KeyQuestions : public ::testing::Test {
protected:
    ConfigItem* add(const char* type, const ConfigKey& key) {
        ConfigItem* item = CreateConfigItem(QString::fromUtf8(type));
        item->key = key;
        document.items.append(item);
        return item;
    }
    bool matches(ConfigKey first, ConfigKey second = ConfigKey()) {
        return isConfigKeyMatch(&document, &first, &second);
    }

    KeymapConfig document;
    const ConfigKey a = keyboardKey(30, "A");
    const ConfigKey b = keyboardKey(48, "B");
    const ConfigKey c = keyboardKey(46, "C");
};

} // namespace

TEST_F(KeyQuestions, ComposableItemsAreAskedOnlyAboutTheChord) {
    auto* chord = dynamic_cast<ComposableConfigItem*>(add("Click", a));
    ASSERT_NE(chord, nullptr);
    chord->secondKey = b;
    EXPECT_TRUE(matches(a, b));
    EXPECT_TRUE(matches(keyboardKey(30, "other text"), b));
    EXPECT_FALSE(matches(a, c));
    EXPECT_FALSE(matches(a));

    chord->secondKey = ConfigKey(); // a single key: still asked the two-key test
    EXPECT_TRUE(matches(a));
    EXPECT_FALSE(matches(a, c));
}

TEST_F(KeyQuestions, OtherItemsAreAskedAboutTheFirstKeyOnly) {
    document.items.append(nullptr);
    add("Fire", makeConfigKey(kJoystick, QStringLiteral("button_a"), 0, 1));
    add("Fire", a);
    EXPECT_TRUE(matches(a, c));
    EXPECT_TRUE(matches(makeConfigKey(kJoystick, QStringLiteral("button_a"), 5, 2)));
    EXPECT_FALSE(matches(makeConfigKey(kJoystick, QStringLiteral("button_b"), 0, 1)));
    EXPECT_FALSE(matches(makeConfigKey(kMouse, QString(), 0, 30)));
    EXPECT_FALSE(matches(b));
}

TEST_F(KeyQuestions, ItemTypesCompareExactly) {
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("Click")));
    document.items.append(nullptr);
    add("Click", a);
    EXPECT_TRUE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("Click")));
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("click")));
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("Tip")));
}

TEST_F(KeyQuestions, NullArgumentsAnswerNo) {
    add("Fire", a);
    ConfigKey key = a;
    EXPECT_FALSE(isConfigKeyMatch(nullptr, &key, &key));
    EXPECT_FALSE(isConfigKeyMatch(&document, nullptr, &key));
    EXPECT_FALSE(isConfigKeyMatch(&document, &key, nullptr));
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(nullptr, QStringLiteral("Fire")));
}
