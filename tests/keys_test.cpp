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

#include <map>

using namespace ovelkeymapmanager;

namespace {

const QString kKeyboard = QStringLiteral("keyboard");
const QString kJoystick = QStringLiteral("joystick");

struct NamedCode {
    const char* device;
    int code;
    const char* text;
};

ConfigKey keyboardKey(int scanCode, const char* text = "") {
    return makeConfigKey(kKeyboard, QString::fromUtf8(text), 0, scanCode);
}

} // namespace

// Special names, capitalisation, the extended table winning over the main one, the first button row
// winning on a shared code; unnamed and unknown codes, codes named only in macro text, and words that
// are neither device nor class words have no text.
TEST(DisplayTexts, OfEachDeviceAndCode) {
    // clang-format off
    const NamedCode cases[] = {
        {"keyboard", 57, "Space"}, {"keyboard", 1, "Esc"}, {"keyboard", 87, "F11"}, {"keyboard", 2, "1"},
        {"keyboard", 241, "Video_next"}, {"keyboard", 97, "Ctrl"}, {"keyboard", 43, "\\"},
        {"keyboard", 12, "-"}, {"keyboard", 55, "*"}, {"keyboard", 74, "-"}, {"keyboard", 78, "+"},
        {"keyboard", 71, "N7"}, {"keyboard", 309, "/"}, {"keyboard", 327, "Home"}, {"keyboard", 102, "Home"},
        {"keyboard", 329, "PageUp"}, {"keyboard", 328, "Direction_up"}, {"keyboard", 331, "Direction_left"},
        {"keyboard", 333, "Direction_right"}, {"keyboard", 336, "Direction_down"}, {"keyboard", 69, ""},
        {"keyboard", 325, ""}, {"keyboard", 240, ""}, {"keyboard", 84, ""}, {"keyboard", 200, ""},
        {"keyboard", 1000, ""}, {"keyboard", -1, ""}, {"keyboard", 158, ""}, {"keyboard", 172, ""},
        {"mouse", 1, "left_mouse"}, {"mouse", 8, "back_mouse"}, {"mouse", 548, "wheel_up_mouse"},
        {"mouse", 549, "wheel_down_mouse"}, {"mouse", 256, "Misc"}, {"mouse", 288, "Joystick"},
        {"mouse", 304, "Gamepad"}, {"mouse", 3, ""}, {"mouse", 550, ""}, {"key", 57, "Space"},
        {"btn", 275, "Side"}, {"Keyboard", 57, ""}, {"", 1, ""}};
    // clang-format on
    for (const NamedCode& c : cases) {
        const ConfigKey key = CreateConfigKey(QString::fromUtf8(c.device), 7, c.code);
        EXPECT_EQ(key.text, QString::fromUtf8(c.text)) << c.device << " " << c.code;
        EXPECT_EQ(key.virtualKey, 7);
    }
}

TEST(DisplayTexts, RightHandModifiersAreFoldedBeforeNamingAndJoystickTextsStay) {
    const struct {
        int raw;
        int stored;
        const char* text;
    } cases[] = {{54, 42, "Shift"}, {285, 29, "Ctrl"}, {312, 56, "Alt"},
                 {42, 42, "Shift"}, {97, 97, "Ctrl"},  {-1, -1, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(ModifyKeyboardScanCodeIfNeeded(c.raw), c.stored);
        ConfigKey key = makeConfigKey(kKeyboard, QStringLiteral("stale"), 160, c.raw);
        SetTextForConfigKey(&key);
        for (const ConfigKey& made : {key, CreateConfigKey(kKeyboard, 160, c.raw)}) {
            EXPECT_EQ(made.scanCode, c.stored);
            EXPECT_EQ(made.text, QString::fromUtf8(c.text));
        }
    }
    // Joystick keys keep their text (the identity of a joystick key); keys of other devices lose it.
    ConfigKey joystick = makeConfigKey(kJoystick, QStringLiteral("button_a"), 1, 57);
    SetTextForConfigKey(&joystick);
    EXPECT_EQ(joystick.text, QStringLiteral("button_a"));
    EXPECT_TRUE(CreateConfigKey(kJoystick, 1, 57).text.isEmpty());
    ConfigKey other = makeConfigKey(QStringLiteral("pedal"), QStringLiteral("stale"), 1, 57);
    SetTextForConfigKey(&other);
    EXPECT_TRUE(other.text.isEmpty());
    SetTextForConfigKey(nullptr);
}

// Macro names differ from display texts where the tables do; names read back through aliases, in any
// case, for the class words only.
TEST(MacroNames, NameCodesAndReadNamesBack) {
    // clang-format off
    const NamedCode names[] = {
        {"key", 327, ""}, {"key", 172, "Home"}, {"key", 158, "Back"}, {"keyboard", 158, "Back"},
        {"key", 29, "Ctrl"}, {"key", 55, "*"}, {"key", 69, ""}, {"btn", 1, "Left"}, {"mouse", 16, "Forward"},
        {"btn", 548, "Wheel_up"}, {"btn", 256, ""}, {"btn", 275, ""}, {"joystick", 1, ""}, {"pedal", 57, ""}};
    const NamedCode codes[] = {
        {"key", 29, "CTRL"}, {"key", 42, "Shift"}, {"key", 56, "alt"}, {"key", 74, "-"}, {"key", 74, "minus"},
        {"key", 74, "kpminus"}, {"key", 172, "home"}, {"key", 105, "left"}, {"key", 71, "n7"},
        {"key", 57, "Space"}, {"key", 329, "PageUp"}, {"key", 55, "*"}, {"key", 52, "."}, {"key", 43, "\\"},
        {"key", 158, "back"}, {"key", -1, "nosuch"}, {"key", -1, ""}, {"key", -1, "ctrl "},
        {"btn", 1, "LEFT"}, {"btn", 256, "misc"}, {"btn", 549, "Wheel_Down"}, {"btn", -1, "ctrl"},
        {"btn", -1, "side"}, {"mouse", -1, "left"}, {"joystick", -1, "a"}, {"keyboard", -1, "a"}};
    // clang-format on
    for (const NamedCode& c : names)
        EXPECT_EQ(macroNameForCode(QString::fromUtf8(c.device), c.code), QString::fromUtf8(c.text))
            << c.device << " " << c.code;
    for (const NamedCode& c : codes)
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
            EXPECT_EQ(macroCodeForName(QStringLiteral("key"), keyName),
                      shared == sharedNames.end() ? code : shared->second)
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

// Mouse buttons give their value (other buttons 1), the wheel 224 forward and 225 otherwise, keys their
// native scan code; any other event, one whose class does not fit its type, and null give 1.
TEST(Events, GiveTheirCodes) {
    const auto mouse = [](QEvent::Type type, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(1, 1), QPointF(1, 1), button, button, Qt::NoModifier);
        return getMacroConfigKeyCode(&event);
    };
    EXPECT_EQ(mouse(QEvent::MouseButtonPress, Qt::MiddleButton), 4);
    EXPECT_EQ(mouse(QEvent::MouseButtonRelease, Qt::BackButton), 8);
    EXPECT_EQ(mouse(QEvent::MouseButtonPress, Qt::ExtraButton3), 1);
    EXPECT_EQ(mouse(QEvent::MouseButtonDblClick, Qt::RightButton), 1);
    EXPECT_EQ(mouse(QEvent::MouseMove, Qt::RightButton), 1);
    // The wheel's direction is its dominant axis, the vertical one on a tie (Qt 5's delta()).
    for (const auto& [angle, code] : {std::pair<QPoint, int>{{0, 120}, 224},
                                      {{0, -120}, 225},
                                      {{0, 0}, 225},
                                      {{120, -30}, 224},
                                      {{-120, 30}, 225},
                                      {{60, -60}, 225},
                                      {{-60, 60}, 224}}) {
        QWheelEvent event(QPointF(), QPointF(), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        EXPECT_EQ(getMacroConfigKeyCode(&event), code) << angle.x() << "," << angle.y();
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 285, 0xA3, 0);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 30, 0x41, 0);
    EXPECT_EQ(getMacroConfigKeyCode(&press), 285);
    EXPECT_EQ(getMacroConfigKeyCode(&release), 30);
    for (const QEvent::Type type : {JoystickEvent::ButtonPress, QEvent::FocusIn, QEvent::KeyPress}) {
        QEvent event(type); // a key type without a key event behind it too
        EXPECT_EQ(getMacroConfigKeyCode(&event), 1) << type;
    }
    EXPECT_EQ(getMacroConfigKeyCode(nullptr), 1);
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

TEST_F(KeyQuestions, OtherItemsAreAskedAboutTheFirstKeyOnlyAndTypesCompareExactly) {
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("Fire")));
    document.items.append(nullptr);
    add("Fire", makeConfigKey(kJoystick, QStringLiteral("button_a"), 0, 1));
    add("Fire", a);
    EXPECT_TRUE(matches(a, c));
    EXPECT_TRUE(matches(makeConfigKey(kJoystick, QStringLiteral("button_a"), 5, 2)));
    EXPECT_FALSE(matches(makeConfigKey(kJoystick, QStringLiteral("button_b"), 0, 1)));
    EXPECT_FALSE(matches(makeConfigKey(QStringLiteral("mouse"), QString(), 0, 30)));
    EXPECT_FALSE(matches(b));
    EXPECT_TRUE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("Fire")));
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("fire")));
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(&document, QStringLiteral("Fir")));
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(nullptr, QStringLiteral("Fire")));
    ConfigKey key = a;
    EXPECT_FALSE(isConfigKeyMatch(nullptr, &key, &key));
    EXPECT_FALSE(isConfigKeyMatch(&document, nullptr, &key));
    EXPECT_FALSE(isConfigKeyMatch(&document, &key, nullptr));
}
