// Macro text: conversion in both directions, which command takes a line, the grammar check, numbers,
// and robustness against hostile lines.
#include "support/testsupport.h"

#include <keymapmanager/keymapmanager.h>
#include <keymapmanager/macro/macronumbers_p.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <vector>

using namespace ovelkeymapmanager;

namespace {

const QRect hd(0, 0, 1280, 720);
const QRect wide(0, 0, 1000, 500);
const QRect empty, noWidth(0, 0, 0, 500), noHeight(0, 0, 1000, 0), inverted(10, 10, -5, 100);
const QRect everything(QPoint(INT_MIN, 0), QPoint(INT_MAX, 0)); // its width does not fit an int

QString q(const char* text) {
    return QString::fromUtf8(text);
}

QStringList lines(const char* text) {
    return q(text).split(QLatin1Char('|'));
}

// The one line that a line converts to, or "(none)" when it is dropped.
QString one(const QList<QString>& out) {
    return out.isEmpty() ? q("(none)") : out.size() == 1 ? out.first() : q("(several)");
}

QString toRunning(const QString& line, const QRect& rect = hd) {
    return one(MacroKeyEditingTextChangeToRunningText({line}, rect));
}

QString toEditing(const QString& line, const QRect& rect = hd) {
    return one(MacroKeyRunningTextChangeToEditingText({line}, rect));
}

// An editing line, the running line it gives and the editing line that gives back; rows without an
// editing line convert running text only, rows without a last line editing text only. In the lines,
// NINES stands for 400 nines and HUGE for a fraction of 400 digits.
struct Conversion {
    const char* editing;
    const char* running;
    const char* back;
    QRect rect = hd;
};

// clang-format off
const Conversion kConversions[] = {
    // Positions: fractions of the rectangle's size, whatever its place; "mouse" stands for a position.
    {"click 100,200", "click_rel:(0.078125,0.277778)", "click 100,200", QRect(50, 60, 1280, 720)},
    {"click 100,200", "click_rel:(0.100000,0.400000)", "click 100,200", wide},
    {"press 640,360 mouse 0,0", "press_rel:(0.500000,0.500000);mouse;(0.000000,0.000000)",
     "press 640,360 mouse 0,0"},
    {"release\t1280,720\v\f\r0,0", "release_rel:(1.000000,1.000000);(0.000000,0.000000)",
     "release 1280,720 0,0"},
    {"curve 0,0  640,360 mouse", "curve_rel:(0.000000,0.000000);(0.500000,0.500000);mouse",
     "curve 0,0 640,360 mouse"},
    {"switch 1920,720", "switch_rel:(1.500000,1.000000)", "switch 1920,720"},
    {"switch mouse", "switch_rel:mouse", "switch mouse"},
    {nullptr, "press_rel:(0.5,0.5);mouse;(0,1)", "press 640,360 mouse 0,720"},
    {nullptr, "release_rel:(0.0004,0.5)", "release 1,360"},
    {nullptr, "click_rel:(0.1,0.2)", "click 128,144", QRect(-300, 900, 1280, 720)},
    // Keys and buttons by name (aliases, any case), joystick controls and wheel notches as given.
    {"key_press ctrl", "keyboard_press:29", "key_press Ctrl"},
    {"key_press minus", "keyboard_press:74", "key_press -"},
    {"key_switch Home", "keyboard_switch:172", "key_switch Home"},
    {"key_release  A", "keyboard_release:30", "key_release A"},
    {nullptr, "keyboard_release:327", "key_release "},
    {nullptr, "keyboard_press:99999999999999999999999999", "key_press Reserved"}, // too large: read as 0
    {"mouse_press misc", "mouse_press:256", "mouse_press "},
    {"mouse_release RIGHT", "mouse_release:2", "mouse_release Right"},
    {"mouse_switch wheel_down", "mouse_switch:549", "mouse_switch Wheel_down"},
    {"joystick_press LT", "joystick_press:LT", "joystick_press LT"},
    {"joystick_release a b", "joystick_release:", "(none)"},
    {"joystick_switch RB", "joystick_switch:RB", "joystick_switch RB"},
    {"mouse_wheelup\t12", "mouse_wheelup:12", "mouse_wheelup 12"},
    {"mouse_wheeldown 3", "mouse_wheeldown:3", "mouse_wheeldown 3"},
    // Timing, loops, text and modes.
    {"sleep 250", "sleep:250", "sleep 250"}, {"sleep100", "sleep:100", "sleep 100"},
    {"sleep 100 ms", "sleep:100", "sleep 100"},
    {"sleep 99999999999999999999999999", "sleep:99999999999999999999999999",
     "sleep 99999999999999999999999999"},
    {"sleep", "sleep", "(none)"},
    {"default_sleep_time 30", "default_sleep_time:30", "default_sleep_time 30"},
    {"loop 3", "start_loop:3", "loop 3"},
    {"loop 3 until_release", "start_loop:until_release", "loop until_release"},
    {"loop_end", "stop_loop", "loop_end"},
    {"curve_first_time 20 30", "curve_first_point_sleep_time:30", "curve_first_time 30"},
    {"curve_last_time untilcmd", "curve_last_point_sleep_time:until_release_cmd", "curve_last_time untilcmd"},
    {"curve_last_time untilcmd 40", "curve_last_point_sleep_time:40", "curve_last_time 40"},
    {"text \"say \"hi\" now\" and more", "text_inject:say \"hi\" now", "text \"say \"hi\" now\""},
    {"text   \"\"", "text_inject:", "text \"\""},
    {"swipehold_radius_increased_switch 1.5", "swipehold_radius_increased_switch:1.5",
     "swipehold_radius_increased_switch 1.5"},
    {"release_all", "release_all", "release_all"}, {"hold_switch", "hold_switch", "hold_switch"},
    {"enter_staring", "enter_staring", "enter_staring"}, {"exit_staring", "exit_staring", "exit_staring"},
    {"mouselocked_switch", "mouselocked_switch", "mouselocked_switch"},
    {"curve_release", "curve_release", "curve_release"},
    // Screenshots: two positions or more in editing text, one or more in running text; errors in place.
    {"screenshot 100,100 500,300", "screenshot_rel:(0.100000,0.200000);(0.500000,0.600000)",
     "screenshot 100,100 500,300", wide},
    {"screenshot 100,100", "Invalid input format", nullptr, wide},
    {"screenshot_rel:(0.1,0.2)", "Invalid input format", nullptr, wide},
    {"screenshot 100,100  500,300", "Invalid coordinate format", nullptr, wide},
    {"screenshot 1,2,3 4,5", "Invalid coordinate format", nullptr, wide},
    {"screenshot a,1 2,2", "Invalid coordinate values", nullptr, wide},
    {"screenshot 1,a 2,2", "Invalid coordinate values", nullptr, wide},
    {"screenshot 99999999999999999999999999,1 2,2", "Invalid coordinate values", nullptr, wide},
    {nullptr, "screenshot_rel:(0.1,0.2)", "screenshot 100,100", wide},
    {nullptr, "screenshot_rel:(0.0005,0.001)", "screenshot 1,1", wide},
    {nullptr, "screenshot_rel:x:y", "Invalid input format", wide},
    {nullptr, "screenshot_rel:(0.1;0.2)", "Invalid coordinate format", wide},
    {nullptr, "screenshot_rel:(0.1,b)", "Invalid coordinate values", wide},
    {nullptr, "screenshot_rel:(1e300,1)", "Invalid coordinate values", wide},
    {nullptr, "screenshot_rel:(nan,1)", "Invalid coordinate values", wide},
    // Several patterns search rather than match whole lines, so the order of the commands decides.
    {"xkey_press a", "keyboard_press:30", nullptr},
    {"joystick_press key_press a", "keyboard_press:30", nullptr},
    {"sleep default_sleep_time 5", "default_sleep_time:5", nullptr},
    {"text \"hi\" key_press a", "keyboard_press:30", nullptr},
    {"sleepy key_press a", "sleep", nullptr},
    {"text \"key_press a\"", "text_inject:key_press a", nullptr}, // `a"` names no key
    {"key_press mouse_wheelup 3", "mouse_wheelup:3", nullptr},
    {"swipehold_radius_increased_switch2.5x", "swipehold_radius_increased_switch:2.5", nullptr},
    {nullptr, "xkeyboard_press:30 and more", "key_press A"},
    {nullptr, "start_loop:3until_release", "loop until_release"},
    {nullptr, "screenshotfoo", "Invalid input format"},
    // Later commands in their order: text, the joystick commands, the wheel, then screenshots.
    {"text \"joystick_press a\"", "text_inject:joystick_press a", nullptr},
    {"joystick_release a joystick_press b", "joystick_press:b", nullptr},
    {"joystick_switch mouse_wheelup 3", "joystick_switch:", nullptr},
    {"screenshot mouse_wheeldown 1", "mouse_wheeldown:1", nullptr},
    {nullptr, "text_inject:joystick_press:a", "text \"joystick_press:a\""},
    {nullptr, "joystick_switch:a mouse_wheelup:2", "joystick_switch a"},
    {nullptr, "screenshot_rel:mouse_wheeldown:1", "mouse_wheeldown 1"},
    // Patterns that end with "$" accept one final line feed.
    {"click 640,360\n", "click_rel:(0.500000,0.500000)", nullptr}, {"click 640,360\n\n", "(none)", nullptr},
    {"loop 3\n", "start_loop:3", nullptr}, {"key_press a\n", "keyboard_press:30", nullptr},
    {"curve_last_time untilcmd\n", "curve_last_point_sleep_time:until_release_cmd", nullptr},
    {nullptr, "click_rel:(0.5,0.5);mouse\n", "click 640,360 mouse"},
    {nullptr, "start_loop:5\n", "loop 5"},
    {nullptr, "curve_first_point_sleep_time:7\n", "curve_first_time 7"},
    // The rectangle is checked before the values; nothing to divide or multiply needs no rectangle.
    {"press mouse 1,2", "Invalid screen rectangle", nullptr, noWidth},
    {"screenshot 1,1 a,2", "Invalid screen rectangle", nullptr, empty},
    {"click NINES,1", "Invalid screen rectangle", nullptr, empty},
    {nullptr, "press_rel:mouse;(0.5,0.5)", "Invalid screen rectangle", noWidth},
    {"click mouse", "click_rel:mouse", nullptr, empty}, {nullptr, "curve_rel:mouse", "curve mouse", inverted},
    {"screenshot a,1 2,2", "Invalid coordinate values", nullptr, empty},
    {nullptr, "screenshot_rel:(a,1)", "Invalid coordinate values", empty},
    // Values that are not finite numbers once converted; large but finite ones convert.
    {"click NINES,1", "Invalid coordinate values", nullptr, wide},
    {"press 1,2 mouse 3,NINES", "Invalid coordinate values", nullptr, wide},
    {"screenshot NINES,1 2,2", "Invalid coordinate values", nullptr, wide},
    {nullptr, "click_rel:(HUGE,0.5)", "Invalid coordinate values", wide},
    {nullptr, "switch_rel:(0.5,HUGE)", "Invalid coordinate values"},
    {nullptr, "screenshot_rel:(HUGE,0.5)", "Invalid coordinate values", wide},
    {nullptr, "click_rel:(1e400,0.5)", "(none)", wide}, // no exponents in running text
    {"click 2147483648,1", "click_rel:(0.500000,1.000000)", nullptr, everything},
    {nullptr, "release_rel:(1000000,0.5)", "release 1000000000,250", wide},
};
// clang-format on

QString expanded(const char* line) {
    return q(line)
        .replace(q("NINES"), QString(400, QLatin1Char('9')))
        .replace(q("HUGE"), q("1") + QString(400, QLatin1Char('0')) + q(".5"));
}

} // namespace

// Lines that a command takes give one line in their place, and the check passes them.
TEST(MacroConversion, EachRowConvertsBothWays) {
    for (const Conversion& c : kConversions) {
        if (c.editing) {
            EXPECT_EQ(toRunning(expanded(c.editing), c.rect), q(c.running)) << c.editing;
            EXPECT_EQ(MacroKeyEditingTextGrammarCheck({expanded(c.editing)}).isEmpty(),
                      q(c.running) != q("(none)"))
                << c.editing;
        }
        if (c.back) {
            EXPECT_EQ(toEditing(expanded(c.running), c.rect), q(c.back)) << c.running;
        }
    }
}

// Wherever pixels and fractions would meet an empty or inverted rectangle.
TEST(MacroConversion, CoordinatesNeedAValidRectangle) {
    for (const QRect& rect : {empty, noWidth, noHeight, inverted}) {
        for (const char* word : {"click", "press", "release", "switch", "curve", "screenshot"}) {
            EXPECT_EQ(toRunning(q(word) + q(" 1,2 3,4"), rect), q("Invalid screen rectangle")) << word;
            EXPECT_EQ(toEditing(q(word) + q("_rel:(0.5,0.5)"), rect), q("Invalid screen rectangle")) << word;
        }
    }
}

TEST(MacroConversion, LinesThatFitNoCommandAreDroppedAndCounted) {
    const QStringList editing =
        lines(" click 100,200|click 100,200 |click 100, 200|click -1,2|click 1.5,2|click|"
              "Click 1,2|loop|loop 3 x|curve_first_time|text hi|bogus|release_all |Sleep 1|"
              "key_press nosuchkey|mouse_press nosuchbutton|mouse_press a|"
              "key_press left_mouse|key_press ctrl extra|mouse_wheeldown 3 4|mouse_wheelup -3");
    EXPECT_EQ(MacroKeyEditingTextGrammarCheck(editing).size(), editing.size());
    EXPECT_TRUE(MacroKeyEditingTextChangeToRunningText(editing, hd).isEmpty());
    const QStringList running = lines("keyboard_press:abc|sleep|click_rel:|click_rel:(1,2);|click_rel:(-1,2)|"
                                      "click_rel:(1e2,2)|loop_end|start_loop:|stop_loop |curve_rel: mouse");
    EXPECT_TRUE(MacroKeyRunningTextChangeToEditingText(running, hd).isEmpty());
}

// Empty lines and the marker written before release actions are skipped; line numbers count them.
TEST(MacroConversion, ListsSkipMarkersAndTheCheckCountsEveryLine) {
    const QStringList editing = lines("|release_actions|bogus||click 1,2|key_press nosuchkey|release_actions|"
                                      "screenshot 1,1| click 1,2|sleep| release_actions");
    EXPECT_EQ(MacroKeyEditingTextGrammarCheck(editing), QVector<int>({3, 6, 9, 11}));
    EXPECT_EQ(MacroKeyEditingTextChangeToRunningText(editing, wide),
              QList<QString>({q("click_rel:(0.001000,0.004000)"), q("Invalid input format"), q("sleep")}));
    EXPECT_EQ(MacroKeyRunningTextChangeToEditingText(
                  lines("release_actions|sleep||stop_loop| release_actions"), wide),
              QList<QString>({q("loop_end")}));
}

// --- Numbers: the fast paths give what Qt's own conversions give ---------------------------------

TEST(MacroNumbers, FixedNotationIsQtsOwn) {
    // clang-format off
    std::vector<double> values = {0.0, 0.5, 1.5, 2.5, 0.0078125, 0.0234375, 1e-7, 0.9999995, 1e15, 1e300, -0.0,
                                  -0.4, -1.5, HUGE_VAL, std::nan(""), 5e-324, 1279.0 / 1280, 200.0 / 720,
                                  8796093022207.5, 8796093022208.5};
    // clang-format on
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(double(random() % 5000) / double(1 + random() % 5000));
        // Binary fractions land exactly on halves of the last decimal now and then.
        values.push_back(std::ldexp(double(random() % (1 << 24)), -int(random() % 40)));
    }
    for (const double value : values) {
        for (const int decimals : {0, 6}) {
            QString out = QStringLiteral("x");
            macro::appendFixed(out, value, decimals);
            ASSERT_EQ(out, QStringLiteral("x") + QString::number(value, 'f', decimals))
                << value << " " << decimals;
        }
    }
}

TEST(MacroNumbers, DecimalTextReadsAsToDouble) {
    QStringList texts =
        lines("0|5.|007|1.000000|0.078125|123456789012345|1234567890123456|99999999999999999999|"
              "0.1234567890123456789|0.000000000000001|9.99999999999999|5|.5|1.2.3||"
              " 1|+1|1e3|123456789|1234567890|2147483648|0x10|inf");
    std::mt19937_64 random(11);
    for (int i = 0; i < 5000; ++i) {
        // Up to 18 digits: past 15 the digits no longer fit a double exactly.
        QString text = QString::number(random() % 1000000000);
        if (random() % 2)
            text +=
                QLatin1Char('.') + QString::number(random() % 1000000000).rightJustified(9, QLatin1Char('0'));
        texts.append(text);
    }
    for (const QString& text : texts) {
        const QStringView ref(text);
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

// Converts the lines every way: nothing may crash, and every line number the check reports must lie
// inside the list, in order.
void survives(const QStringList& lines) {
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_LE(MacroKeyEditingTextChangeToRunningText(lines, screen).size(), lines.size());
    EXPECT_LE(MacroKeyRunningTextChangeToEditingText(lines, screen).size(), lines.size());
    int previous = 0;
    for (int number : MacroKeyEditingTextGrammarCheck(lines)) {
        EXPECT_GT(number, previous);
        EXPECT_LE(number, lines.size());
        previous = number;
    }
}

} // namespace

TEST(MacroRobustness, NaughtyStringsAreHandled) {
    KEYMAP_NEEDS_SHARED_TESTDATA();
    const QByteArray bytes =
        testsupport::readFile(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    const QStringList naughty = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    ASSERT_GT(naughty.size(), 700);
    survives(naughty);
    // The same hostile text behind every command word.
    QStringList prefixed;
    for (const QString& word :
         lines("click |press 1,1 |key_press |mouse_press |joystick_press |text \"|screenshot |"
               "loop |loop 1 |curve_last_time |sleep |screenshot_rel:|click_rel:|"
               "click_rel:mouse;|sleep:|keyboard_press:|start_loop:|text_inject:")) {
        for (const QString& line : naughty)
            prefixed.append(word + line);
    }
    survives(prefixed);
}
