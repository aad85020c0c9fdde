// Macro text: conversion in both directions, the order in which commands are recognised, round
// trips, the grammar check and robustness against hostile lines.
#include "support/testsupport.h"

#include <keymapmanager/keymapmanager.h>
#include <keymapmanager/macro/macroconverters_p.h>
#include <keymapmanager/macro/macronumbers_p.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <thread>
#include <typeindex>
#include <vector>

using namespace ovelkeymapmanager;

namespace {

const QRect hd(0, 0, 1280, 720);
const QRect wide(0, 0, 1000, 500);

QString q(const char* text) {
    return QString::fromUtf8(text);
}

QString toRunning(const char* line, const QRect& rect = hd) {
    const QList<QString> out = MacroKeyEditingTextChangeToRunningText({q(line)}, rect);
    return out.size() == 1 ? out.first() : QStringLiteral("<%1 lines>").arg(out.size());
}

QString toEditing(const char* line, const QRect& rect = hd) {
    const QList<QString> out = MacroKeyRunningTextChangeToEditingText({q(line)}, rect);
    return out.size() == 1 ? out.first() : QStringLiteral("<%1 lines>").arg(out.size());
}

template <class Converter> bool isA(const MarcoConVerterPtr& converter) {
    return dynamic_cast<Converter*>(converter.get()) != nullptr;
}

struct Conversion {
    const char* from;
    const char* to;
    QRect rect = hd;
};

void PrintTo(const Conversion& c, std::ostream* os) {
    *os << '"' << c.from << "\" -> \"" << c.to << '"';
}

} // namespace

// --- Editing text to running text ----------------------------------------------------------------

class EditingToRunning : public testing::TestWithParam<Conversion> {};

TEST_P(EditingToRunning, GivesTheRunningLine) {
    EXPECT_EQ(toRunning(GetParam().from, GetParam().rect), q(GetParam().to));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EditingToRunning,
    testing::Values(
        // Positions.
        Conversion{"click 100,200", "click_rel:(0.078125,0.277778)"},
        Conversion{"click 100,200", "click_rel:(0.100000,0.400000)", wide},
        Conversion{"click 100,200", "click_rel:(0.078125,0.277778)", QRect(50, 60, 1280, 720)},
        Conversion{"press 640,360 mouse 0,0", "press_rel:(0.500000,0.500000);mouse;(0.000000,0.000000)"},
        Conversion{"release\t1280,720\v\f\r0,0", "release_rel:(1.000000,1.000000);(0.000000,0.000000)"},
        Conversion{"switch mouse", "switch_rel:mouse"},
        Conversion{"curve 0,0  640,360 mouse", "curve_rel:(0.000000,0.000000);(0.500000,0.500000);mouse"},
        // Keys, buttons, joystick controls and the wheel.
        Conversion{"key_press space", "keyboard_press:57"}, Conversion{"key_press ctrl", "keyboard_press:29"},
        Conversion{"key_press -", "keyboard_press:74"}, Conversion{"key_press minus", "keyboard_press:74"},
        Conversion{"key_switch Home", "keyboard_switch:172"},
        Conversion{"key_release  A", "keyboard_release:30"},
        Conversion{"mouse_press misc", "mouse_press:256"},
        Conversion{"mouse_release RIGHT", "mouse_release:2"},
        Conversion{"mouse_switch wheel_up", "mouse_switch:548"},
        Conversion{"joystick_release LT", "joystick_release:LT"},
        Conversion{"joystick_press a b", "joystick_press:"},
        Conversion{"mouse_wheeldown 3", "mouse_wheeldown:3"},
        Conversion{"mouse_wheelup\t12", "mouse_wheelup:12"},
        // Timing, loops, text, modes.
        Conversion{"sleep 250", "sleep:250"}, Conversion{"sleep", "sleep"},
        Conversion{"sleep100", "sleep:100"}, Conversion{"sleep 100 ms", "sleep:100"},
        Conversion{"default_sleep_time 30", "default_sleep_time:30"}, Conversion{"loop 3", "start_loop:3"},
        Conversion{"loop until_release", "start_loop:until_release"},
        Conversion{"loop 3 until_release", "start_loop:until_release"}, Conversion{"loop_end", "stop_loop"},
        Conversion{"curve_first_time 20 30", "curve_first_point_sleep_time:30"},
        Conversion{"curve_last_time untilcmd", "curve_last_point_sleep_time:until_release_cmd"},
        Conversion{"curve_last_time untilcmd 40", "curve_last_point_sleep_time:40"},
        Conversion{"text \"say \"hi\" now\" and more", "text_inject:say \"hi\" now"},
        Conversion{"text   \"\"", "text_inject:"},
        Conversion{"swipehold_radius_increased_switch 1.5", "swipehold_radius_increased_switch:1.5"},
        Conversion{"release_all", "release_all"}, Conversion{"hold_switch", "hold_switch"},
        Conversion{"enter_staring", "enter_staring"}, Conversion{"exit_staring", "exit_staring"},
        Conversion{"mouselocked_switch", "mouselocked_switch"}, Conversion{"curve_release", "curve_release"},
        // Screenshots and their error texts.
        Conversion{"screenshot 100,100 500,300", "screenshot_rel:(0.100000,0.200000);(0.500000,0.600000)",
                   wide},
        Conversion{"screenshot 100,100", "Invalid input format", wide},
        Conversion{"screenshot anything", "Invalid input format", wide},
        Conversion{"screenshot_rel:(0.1,0.2)", "Invalid input format", wide},
        Conversion{"screenshot 100,100  500,300", "Invalid coordinate format", wide},
        Conversion{"screenshot 1,2,3 4,5", "Invalid coordinate format", wide},
        Conversion{"screenshot a,1 2,2", "Invalid coordinate values", wide},
        Conversion{"screenshot 1,a 2,2", "Invalid coordinate values", wide}));

// --- Running text to editing text ----------------------------------------------------------------

class RunningToEditing : public testing::TestWithParam<Conversion> {};

TEST_P(RunningToEditing, GivesTheEditingLine) {
    EXPECT_EQ(toEditing(GetParam().from, GetParam().rect), q(GetParam().to));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RunningToEditing,
    testing::Values(
        Conversion{"click_rel:(0.078125,0.277778)", "click 100,200"},
        Conversion{"press_rel:(0.5,0.5);mouse;(0,1)", "press 640,360 mouse 0,720"},
        Conversion{"curve_rel:mouse", "curve mouse"}, Conversion{"switch_rel:(1.5,1)", "switch 1920,720"},
        Conversion{"release_rel:(0.0004,0.5)", "release 1,360"},
        Conversion{"click_rel:(0.1,0.2)", "click 128,144", QRect(-300, 900, 1280, 720)},
        Conversion{"keyboard_press:57", "key_press Space"}, Conversion{"keyboard_press:29", "key_press Ctrl"},
        Conversion{"keyboard_release:327", "key_release "},
        Conversion{"keyboard_switch:172", "key_switch Home"},
        Conversion{"keyboard_press:99999999999", "key_press Reserved"},
        Conversion{"mouse_switch:548", "mouse_switch Wheel_up"},
        Conversion{"mouse_press:256", "mouse_press "}, Conversion{"mouse_press:1", "mouse_press Left"},
        Conversion{"joystick_release:LT", "joystick_release LT"},
        Conversion{"mouse_wheelup:7", "mouse_wheelup 7"}, Conversion{"sleep:250", "sleep 250"},
        Conversion{"default_sleep_time:30", "default_sleep_time 30"}, Conversion{"start_loop:5", "loop 5"},
        Conversion{"start_loop:until_release", "loop until_release"}, Conversion{"stop_loop", "loop_end"},
        Conversion{"curve_first_point_sleep_time:30", "curve_first_time 30"},
        Conversion{"curve_last_point_sleep_time:until_release_cmd", "curve_last_time untilcmd"},
        Conversion{"text_inject:", "text \"\""}, Conversion{"text_inject:say \"hi\"", "text \"say \"hi\"\""},
        Conversion{"swipehold_radius_increased_switch:2", "swipehold_radius_increased_switch 2"},
        Conversion{"release_all", "release_all"}, Conversion{"hold_switch", "hold_switch"},
        Conversion{"screenshot_rel:(0.100000,0.200000);(0.500000,0.600000)", "screenshot 100,100 500,300",
                   wide},
        Conversion{"screenshot_rel:(0.1,0.2)", "screenshot 100,100", wide},
        Conversion{"screenshot_rel:(0.0005,0.001)", "screenshot 1,1", wide},
        Conversion{"screenshot_rel:x:y", "Invalid input format", wide},
        Conversion{"screenshot_rel:(0.1;0.2)", "Invalid coordinate format", wide},
        Conversion{"screenshot_rel:(0.1,b)", "Invalid coordinate values", wide},
        Conversion{"screenshot_rel:(1e300,1)", "Invalid coordinate values", wide},
        Conversion{"screenshot_rel:(nan,1)", "Invalid coordinate values", wide}));

// --- Which command takes a line ------------------------------------------------------------------

TEST(MacroLookup, UnanchoredEntriesTakeLinesAheadOfLaterOnes) {
    EXPECT_TRUE(isA<MarcoKeyboardPressConVerter>(findEditingConverter(q("xkey_press a"))));
    EXPECT_TRUE(isA<MarcoKeyboardPressConVerter>(findEditingConverter(q(" key_press a"))));
    EXPECT_TRUE(isA<MarcoKeyboardPressConVerter>(findEditingConverter(q("joystick_press key_press a"))));
    EXPECT_TRUE(
        isA<MarcoDefaultSleepConVerter>(findEditingConverter(q("xdefault_sleep_time 5 key_press a"))));
    EXPECT_TRUE(isA<MarcoSleepConVerter>(findEditingConverter(q("sleepy key_press a"))));
    EXPECT_TRUE(isA<MarcoKeyboardPressConVerter>(findRunningConverter(q("xkeyboard_press:30 and more"))));
    EXPECT_EQ(toRunning("xkey_press a"), q("keyboard_press:30"));
    EXPECT_EQ(toRunning("sleepy key_press a"), q("sleep"));
}

TEST(MacroLookup, NamesThatAreNotKnownPassToLaterEntriesOrNowhere) {
    // The key press pattern sees `a"` here, which is no key name; the text command takes the line.
    EXPECT_TRUE(isA<MarcoTextInjectConVerter>(findEditingConverter(q("text \"key_press a\""))));
    EXPECT_TRUE(isA<MarcoMouseWheelupConVerter>(findEditingConverter(q("key_press mouse_wheelup 3"))));
    for (const char* line :
         {"key_press nosuchkey", "mouse_press nosuchbutton", "mouse_press a", "key_press left_mouse",
          "key_press ctrl extra", "mouse_wheeldown 3 4", "mouse_wheelup -3"})
        EXPECT_EQ(findEditingConverter(q(line)), nullptr) << line;
}

TEST(MacroLookup, AnchoredEntriesNeedTheWholeLine) {
    for (const char* line :
         {" click 100,200", "click 100,200 ", "click 100, 200", "click -1,2", "click 1.5,2", "click",
          "Click 1,2", "loop", "loop 3 x", "curve_first_time", "text hi", "bogus", "release_all ", "Sleep 1"})
        EXPECT_EQ(findEditingConverter(q(line)), nullptr) << line;
    for (const char* line :
         {"keyboard_press:abc", "sleep", "click_rel:", "click_rel:(1,2);", "click_rel:(-1,2)",
          "click_rel:(1e2,2)", "loop_end", "start_loop:", "stop_loop ", "curve_rel: mouse"})
        EXPECT_EQ(findRunningConverter(q(line)), nullptr) << line;
}

TEST(MacroLookup, CommandsThatShareAPrefixGoToTheirOwnEntry) {
    EXPECT_TRUE(isA<MarcoCurveReleaseConVerter>(findEditingConverter(q("curve_release"))));
    EXPECT_TRUE(isA<MarcoCurveConVerter>(findEditingConverter(q("curve mouse"))));
    EXPECT_TRUE(isA<MarcoReleaseAllConVerter>(findEditingConverter(q("release_all"))));
    EXPECT_TRUE(isA<MarcoStopLoopConVerter>(findEditingConverter(q("loop_end"))));
    EXPECT_TRUE(isA<MarcoStartLoopConVerter>(findRunningConverter(q("start_loop:3until_release"))));
    EXPECT_TRUE(isA<MarcoScreenShotConVerter>(findEditingConverter(q("screenshot_rel:(0.1,0.2)"))));
    EXPECT_TRUE(isA<MarcoScreenShotConVerter>(findRunningConverter(q("screenshotfoo"))));
    EXPECT_TRUE(isA<MarcoSwipeholdRadiusIncreasedSwitchConVerter>(
        findEditingConverter(q("swipehold_radius_increased_switch2.5x"))));
}

TEST(MacroLookup, EveryEntryMakesANewFreshConverterOfItsOwnClass) {
    std::set<std::type_index> classes;
    for (const ConverterEntry& entry : converterEntries()) {
        const MarcoConVerterPtr first = entry.create();
        ASSERT_NE(first, nullptr);
        EXPECT_NE(first, entry.create());
        classes.insert(typeid(*first));
        EXPECT_TRUE(first->editingText.isEmpty());
        EXPECT_TRUE(first->runningText.isEmpty());
        EXPECT_TRUE(first->screenRectangle.isNull());
        EXPECT_EQ(first->pixelPrecision, 0);
        EXPECT_EQ(first->fractionPrecision, 6);
    }
    EXPECT_EQ(classes.size(), 31u);
}

TEST(MacroLookup, ConvertersStoreWhatTheyAreGiven) {
    const MarcoConVerterPtr converter = findEditingConverter(q("click 1,2"));
    ASSERT_NE(converter, nullptr);
    converter->setEditingText(q("click 640,360"), hd);
    EXPECT_EQ(converter->screenRectangle, hd);
    EXPECT_EQ(converter->toRunningText(), q("click_rel:(0.500000,0.500000)"));
    converter->setRunningText(q("click_rel:(0.25,0.5)"), wide);
    EXPECT_EQ(converter->toEditingText(), q("click 250,250"));
    EXPECT_TRUE(converter->storeEditingText(q("click 1,1")));
    EXPECT_EQ(converter->editingText, q("click 1,1"));
    EXPECT_EQ(converter->screenRectangle, wide);
    // Text that does not fit the command leaves the word less its last character.
    converter->setEditingText(q("nonsense"), hd);
    EXPECT_EQ(converter->toRunningText(), q("click_rel"));
}

TEST(MacroLookup, TheCheapPreTestNeverHidesAMatch) {
    const auto accepts = [](const char* pattern, const char* line) {
        return LineMatcher::search(QRegularExpression(q(pattern))).accepts(q(line));
    };
    EXPECT_TRUE(accepts("^ab?c", "ac"));
    EXPECT_TRUE(accepts("xy*z", "--xz"));
    EXPECT_TRUE(accepts("^abc|def", "def"));
    EXPECT_TRUE(accepts("(abc)", "abc"));
    EXPECT_FALSE(accepts("^abc", "xabc"));
    EXPECT_FALSE(accepts("abc", "ab"));
}

// --- Round trips ---------------------------------------------------------------------------------

TEST(MacroRoundTrip, CanonicalLinesComeBackUnchanged) {
    const QStringList lines = {q("click 100,200 mouse"),
                               q("press 640,360"),
                               q("release 0,0"),
                               q("switch 1279,719"),
                               q("curve 100,200 300,400 mouse"),
                               q("default_sleep_time 40"),
                               q("sleep 100"),
                               q("key_press Ctrl"),
                               q("key_release A"),
                               q("key_switch Home"),
                               q("key_press -"),
                               q("key_press F11"),
                               q("enter_staring"),
                               q("exit_staring"),
                               q("mouse_press Left"),
                               q("mouse_release Right"),
                               q("mouse_switch Wheel_down"),
                               q("release_all"),
                               q("loop_end"),
                               q("loop 3"),
                               q("loop until_release"),
                               q("text \"hello \"you\" world\""),
                               q("joystick_press LT"),
                               q("joystick_release A"),
                               q("joystick_switch RB"),
                               q("mouselocked_switch"),
                               q("curve_first_time 20"),
                               q("curve_last_time 30"),
                               q("curve_last_time untilcmd"),
                               q("curve_release"),
                               q("hold_switch"),
                               q("swipehold_radius_increased_switch 1.5"),
                               q("mouse_wheelup 3"),
                               q("mouse_wheeldown 2"),
                               q("screenshot 100,100 500,300")};
    const QList<QString> running = MacroKeyEditingTextChangeToRunningText(lines, hd);
    ASSERT_EQ(running.size(), lines.size());
    EXPECT_EQ(MacroKeyRunningTextChangeToEditingText(running, hd), lines);
}

TEST(MacroRoundTrip, NamesComeBackInTheirMacroSpelling) {
    const QStringList lines = {q("key_press ctrl"),   q("key_press a"),       q("key_press minus"),
                               q("mouse_press left"), q("key_release SHIFT"), q("key_switch n7")};
    const QStringList expected = {q("key_press Ctrl"),   q("key_press A"),       q("key_press -"),
                                  q("mouse_press Left"), q("key_release Shift"), q("key_switch N7")};
    EXPECT_EQ(MacroKeyRunningTextChangeToEditingText(MacroKeyEditingTextChangeToRunningText(lines, hd), hd),
              expected);
}

// --- Lists and the grammar check -----------------------------------------------------------------

TEST(MacroLists, MarkersAndEmptyLinesAreSkippedAndUnknownLinesDropped) {
    const QStringList lines = {q("click 100,200"), QString(), q("release_actions"), q("bogus"),
                               q("sleep 50")};
    EXPECT_EQ(MacroKeyEditingTextGrammarCheck(lines), QVector<int>({4}));
    EXPECT_EQ(MacroKeyEditingTextChangeToRunningText(lines, wide),
              QList<QString>({q("click_rel:(0.100000,0.400000)"), q("sleep:50")}));
    const QStringList running = {q("release_actions"),    q("sleep"),     QString(),
                                 q("keyboard_press:abc"), q("stop_loop"), q(" release_actions")};
    EXPECT_EQ(MacroKeyRunningTextChangeToEditingText(running, wide), QList<QString>({q("loop_end")}));
}

TEST(MacroLists, GrammarCheckCountsEveryLine) {
    const QStringList lines = {QString(),
                               q("release_actions"),
                               q("bogus"),
                               QString(),
                               q("click 1,2"),
                               q("key_press nosuchkey"),
                               q("release_actions"),
                               q("screenshot 1,1"),
                               q(" click 1,2"),
                               q("sleep"),
                               q(" release_actions")};
    EXPECT_EQ(MacroKeyEditingTextGrammarCheck(lines), QVector<int>({3, 6, 9, 11}));
    EXPECT_TRUE(MacroKeyEditingTextGrammarCheck({}).isEmpty());
    EXPECT_TRUE(MacroKeyEditingTextChangeToRunningText({}, hd).isEmpty());
    EXPECT_TRUE(MacroKeyRunningTextChangeToEditingText({}, hd).isEmpty());
}

// --- Empty or inverted rectangles ----------------------------------------------------------------

TEST(MacroRectangle, DividingByAnEmptyRectangleIsReported) {
    for (const QRect& rect : {QRect(), QRect(0, 0, 0, 500), QRect(0, 0, 1000, 0), QRect(10, 10, -5, 100)}) {
        for (const char* line : {"click 1,2", "press mouse 1,2", "release 1,2", "switch 1,2", "curve 1,2 3,4",
                                 "screenshot 1,1 2,2"})
            EXPECT_EQ(toRunning(line, rect), q("Invalid screen rectangle")) << line;
        EXPECT_EQ(toRunning("click mouse", rect), q("click_rel:mouse"));
        EXPECT_EQ(toRunning("screenshot 1,1 a,2", rect), q("Invalid screen rectangle"));
        EXPECT_EQ(toRunning("screenshot a,1 2,2", rect), q("Invalid coordinate values"));
    }
    EXPECT_EQ(toEditing("click_rel:(0.5,0.5)", QRect()), q("click 0,0"));
    EXPECT_EQ(toEditing("screenshot_rel:(0.5,0.5)", QRect()), q("screenshot 0,0"));
}

TEST(MacroRectangle, WidthIsTakenWithoutIntOverflow) {
    const QRect everything(QPoint(INT_MIN, 0), QPoint(INT_MAX, 0));
    EXPECT_EQ(toRunning("click 2147483648,1", everything), q("click_rel:(0.500000,1.000000)"));
}

// --- A line feed at the end ---------------------------------------------------------------------

TEST(MacroLineFeed, PatternsThatEndWithDollarAcceptOneFinalLineFeed) {
    EXPECT_EQ(toRunning("click 640,360\n"), q("click_rel:(0.500000,0.500000)"));
    EXPECT_EQ(toRunning("loop 3\n"), q("start_loop:3"));
    EXPECT_EQ(toRunning("curve_last_time untilcmd\n"), q("curve_last_point_sleep_time:until_release_cmd"));
    EXPECT_EQ(toRunning("key_press a\n"), q("keyboard_press:30"));
    EXPECT_EQ(toEditing("click_rel:(0.5,0.5);mouse\n"), q("click 640,360 mouse"));
    EXPECT_EQ(toEditing("press_rel:mouse;(0.5,0.5)\n"), q("press mouse 640,360"));
    EXPECT_EQ(toEditing("start_loop:5\n"), q("loop 5"));
    EXPECT_EQ(toEditing("curve_first_point_sleep_time:7\n"), q("curve_first_time 7"));
    EXPECT_EQ(toRunning("click 640,360\n\n"), q("<0 lines>"));
}

// --- Numbers -------------------------------------------------------------------------------------

TEST(MacroNumbers, FixedNotationIsQtsOwn) {
    const double infinity = std::numeric_limits<double>::infinity();
    std::vector<double> values = {
        0.0,       0.5,           1.5,          2.5,    0.0078125,       0.0234375,      1e-7,
        0.9999995, 1279.0 / 1280, 200.0 / 720,  1e15,   1e300,           -0.0,           -0.4,
        -1.5,      infinity,      std::nan(""), 5e-324, 8796093022207.5, 8796093022208.5};
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(double(random() % 5000) / double(1 + random() % 5000));
        // Binary fractions land exactly on halves of the last decimal now and then.
        values.push_back(std::ldexp(double(random() % (1 << 24)), -int(random() % 40)));
    }
    int mismatches = 0;
    for (const double value : values) {
        for (const int decimals : {0, 6}) {
            QString out = QStringLiteral("x");
            macro::appendFixed(out, value, decimals);
            if (out != QStringLiteral("x") + QString::number(value, 'f', decimals) && ++mismatches <= 5)
                ADD_FAILURE() << value << " with " << decimals << " decimals gave " << out.toStdString();
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(MacroNumbers, DecimalTextReadsAsToDouble) {
    QStringList texts = {q("0"),
                         q("5."),
                         q("007"),
                         q("1.000000"),
                         q("0.078125"),
                         q("123456789012345"),
                         q("1234567890123456"),
                         q("99999999999999999999"),
                         q("0.1234567890123456789"),
                         q("0.000000000000001"),
                         q("9.99999999999999")};
    std::mt19937_64 random(11);
    for (int i = 0; i < 5000; ++i) {
        // Up to 18 digits: past 15 the digits no longer fit a double exactly.
        QString text = QString::number(random() % 1000000000);
        if (random() % 2)
            text +=
                QLatin1Char('.') + QString::number(random() % 1000000000).rightJustified(9, QLatin1Char('0'));
        texts.append(text);
    }
    texts << q("5") << q(".5") << q("1.2.3") << q("") << q(" 1") << q("+1") << q("1e3") << q("123456789")
          << q("1234567890") << q("2147483648") << q("0x10") << q("inf");
    for (const QString& text : texts) {
        const QStringRef ref(&text);
        bool ok = false;
        const double expected = text.toDouble(&ok);
        ASSERT_EQ(macro::decimalValue(ref), expected) << text.toStdString();
        double plain = -1;
        if (macro::readPlainDecimal(ref, plain)) {
            ASSERT_TRUE(ok && plain == expected) << text.toStdString();
        }
        const int expectedInt = text.toInt(&ok);
        int plainInt = -1;
        if (macro::readPlainInt(ref, plainInt)) {
            ASSERT_TRUE(ok && plainInt == expectedInt) << text.toStdString();
        }
    }
}

// --- Robustness ----------------------------------------------------------------------------------

namespace {

// Converts the lines every way. Each line's output must be what a converter object made for that
// line gives on its own, and every reported line number must lie inside the list.
void survives(const QStringList& lines) {
    const QRect screen(0, 0, 1920, 1080);
    QList<QString> running;
    QList<QString> editing;
    for (const QString& line : lines) {
        if (line.isEmpty() || line == QLatin1String("release_actions"))
            continue;
        if (const MarcoConVerterPtr converter = findEditingConverter(line)) {
            converter->setEditingText(line, screen);
            running.append(converter->toRunningText());
        }
        if (const MarcoConVerterPtr converter = findRunningConverter(line)) {
            converter->setRunningText(line, screen);
            editing.append(converter->toEditingText());
        }
    }
    EXPECT_EQ(MacroKeyEditingTextChangeToRunningText(lines, screen), running);
    EXPECT_EQ(MacroKeyRunningTextChangeToEditingText(lines, screen), editing);
    int previous = 0;
    for (int number : MacroKeyEditingTextGrammarCheck(lines)) {
        EXPECT_GT(number, previous);
        EXPECT_LE(number, lines.size());
        previous = number;
    }
}

} // namespace

TEST(MacroRobustness, NaughtyStringsAreHandled) {
    const QByteArray bytes =
        testsupport::readFile(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    ASSERT_FALSE(bytes.isEmpty());
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 700);
    for (const QString& line : lines)
        survives({line});
    survives(lines);
    // The same hostile text behind every command word.
    QStringList prefixed;
    for (const QString& word :
         {q("click "), q("press 1,1 "), q("key_press "), q("mouse_press "), q("joystick_press "),
          q("text \""), q("screenshot "), q("loop "), q("loop 1 "), q("curve_last_time "), q("sleep "),
          q("screenshot_rel:"), q("click_rel:"), q("click_rel:mouse;"), q("sleep:"), q("keyboard_press:"),
          q("start_loop:"), q("text_inject:")}) {
        for (const QString& line : lines)
            prefixed.append(word + line);
    }
    survives(prefixed);
}

TEST(MacroRobustness, OversizedNumbersStayWithinTheirCommands) {
    const QString digits(400, QLatin1Char('9'));
    EXPECT_EQ(toEditing(qPrintable(QStringLiteral("keyboard_press:") + digits)), q("key_press Reserved"));
    EXPECT_EQ(toRunning(qPrintable(QStringLiteral("screenshot ") + digits + QStringLiteral(",1 2,2"))),
              q("Invalid coordinate values"));
    EXPECT_EQ(toRunning(qPrintable(QStringLiteral("sleep ") + digits)), QStringLiteral("sleep:") + digits);
}

TEST(MacroRobustness, ThreadsConvertAtTheSameTime) {
    const QStringList lines = {q("click 100,200"),      q("key_press ctrl"),    q("loop 3"), q("text \"a\""),
                               q("screenshot 1,1 2,2"), q("joystick_press LT"), q("bogus")};
    const QList<QString> expected = MacroKeyEditingTextChangeToRunningText(lines, hd);
    const QList<QString> back = MacroKeyRunningTextChangeToEditingText(expected, hd);
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                const QList<QString> running = MacroKeyEditingTextChangeToRunningText(lines, hd);
                if (running != expected || MacroKeyRunningTextChangeToEditingText(running, hd) != back ||
                    MacroKeyEditingTextGrammarCheck(lines) != QVector<int>({7}))
                    ++mismatches[t];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}
