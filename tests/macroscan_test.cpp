// Macro line scans against the regular expressions they stand for, and the command lookup against
// the commands' own patterns tried in their documented order: on generated lines, near misses and
// combinations of real lines and the naughty strings, both must give the same answers. (The lists of
// positions and loop counts that commands take are compared in full by the conversion tests.)
#include "support/testsupport.h"

#include <keymapmanager/keys/keynames_p.h>
#include <keymapmanager/macro/commandtable_p.h>
#include <keymapmanager/macro/linescans_p.h>

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <random>
#include <typeindex>
#include <vector>

using namespace ovelkeymapmanager;

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

// Lines made of command words, separators, arguments and awkward characters, plus every real
// line with one character inserted, removed or replaced at each place.
QStringList corpus() {
    QStringList pieces =
        q("click click_rel press press_rel curve curve_rel switch switch_rel release release_rel key_press "
          "keyboard_press key_switch mouse_press mouse_switch joystick_press joystick_release mouse_wheelup "
          "mouse_wheeldown sleep default_sleep_time loop start_loop until_release text text_inject "
          "curve_first_time curve_last_time untilcmd until_release_cmd swipehold_radius_increased_switch "
          "screenshot screenshot_rel loop_end release_all : 0 42 007 1.5 1,2 ,, (0.5,0.25) (1.,2) (.5,1) "
          "(1,2 ; "
          "mouse a ctrl space left LT x . ( ) , \" -1 \xc3\xa9 \xf0\x9f\x98\x80 \u0661")
            .split(QLatin1Char(' '));
    pieces << q(" ") << q("  ") << q("\t") << q("\n") << q("\v") << q("\f") << q("\r") << q("\u00a0")
           << q("\u2003") << q("\u0085") << QString(QChar(0xD800)) << QString(QChar(0xDC00));
    QStringList lines;
    std::mt19937 random(1234);
    for (int i = 0; i < 40000; ++i) {
        QString line;
        for (int count = 1 + int(random() % 7); count > 0; --count)
            line += pieces.at(int(random() % unsigned(pieces.size())));
        lines.append(line);
    }
    const QStringList real =
        q("click 640,360|press 100,200 mouse|curve 1,2 3,4\n|click_rel:(0.5,0.25);mouse|release 0,0|"
          "switch_rel:mouse|curve_rel:(1.,2);(3,4.5)\n|key_press ctrl|keyboard_press:29|mouse_press left|"
          "mouse_press:1|joystick_press LT x|joystick_press:LT|mouse_wheelup 2|mouse_wheeldown:3|"
          "xkey_press a\n|sleep 5|sleep:5|default_sleep_time 9|default_sleep_time:9|loop 3 until_release|"
          "start_loop:3until_release|text \"a \"b\" c\" d|text_inject:hi|curve_first_time 1 2|"
          "curve_first_point_sleep_time:7|curve_last_time "
          "untilcmd|curve_last_point_sleep_time:until_release_cmd|"
          "swipehold_radius_increased_switch 1.5|swipehold_radius_increased_switch:2|key_release a|"
          "key_switch home|keyboard_release:30|mouse_release:2|mouse_switch right|joystick_release A|"
          "joystick_switch:B|screenshot 1,1 2,2|screenshot_rel:(0.1,0.2)|loop_end|stop_loop|release_all|"
          "enter_staring|exit_staring|mouselocked_switch|curve_release|hold_switch|keyboard_switch:172|"
          "mouse_switch:1|joystick_release:A|mouse_wheelup:2|mouse_wheeldown 1|joystick_switch "
          "B|mouse_release left|"
          "press_rel:(0.5,0.5)|release_rel:mouse")
            .split(QLatin1Char('|'));
    // Two commands in one line: the order of the commands decides which takes it.
    for (const QString& first : real) {
        for (const QString& second : real)
            lines << first + q(" ") + second << first + q(" \"") + second + q("\"");
    }
    const QString alphabet = q(" \t\n0,.:;()mxa\xc3\xa9") + QChar(0xD800);
    for (const QString& line : real) {
        lines.append(line);
        for (int at = 0; at <= line.size(); ++at) {
            for (const QChar c : alphabet) {
                lines.append(QString(line).insert(at, c));
                if (at < line.size())
                    lines.append(QString(line).replace(at, 1, c));
            }
            if (at < line.size())
                lines.append(QString(line).remove(at, 1));
        }
    }
    const QByteArray naughty =
        testsupport::readFile(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    for (const QString& line : QString::fromUtf8(naughty).split(QLatin1Char('\n')))
        lines << line << q("key_press ") + line << q("joystick_press:") + line << q("click ") + line;
    return lines;
}

const QStringList& lines() {
    static const QStringList all = corpus();
    return all;
}

QRegularExpression expression(const QString& pattern) {
    QRegularExpression compiled(pattern);
    EXPECT_TRUE(compiled.isValid()) << pattern.toStdString();
    return compiled;
}

QString capture(const QRegularExpressionMatch& match) {
    return match.hasMatch() ? match.captured(1) : q("(none)");
}

QString found(QStringView view) {
    return view.isNull() ? q("(none)") : view.toString();
}

TEST(MacroScan, BlanksAndDigitsAreThoseOfTheExpressions) {
    const QRegularExpression blank(q("^\\s$")), digit(q("^\\d$"));
    for (int code = 0; code < 0x10000; ++code) {
        if (code >= 0xD800 && code < 0xE000)
            continue;
        const QString text = QString(QChar(ushort(code)));
        EXPECT_EQ(macro::isBlank(QChar(ushort(code))), blank.match(text).hasMatch()) << code;
        EXPECT_EQ(macro::isDigit(QChar(ushort(code))), digit.match(text).hasMatch()) << code;
    }
}

// Every shape of word and argument that the commands are written with.
TEST(MacroScan, ArgumentScansCaptureWhatTheirExpressionsCapture) {
    KEYMAP_NEEDS_SHARED_TESTDATA();
    using Scan = macro::WordArgumentScan;
    const auto A = Scan::Start::Anywhere, L = Scan::Start::Line;
    const auto none = Scan::Separator::None, blanks = Scan::Separator::Blanks,
               maybe = Scan::Separator::MaybeBlanks;
    const auto open = Scan::End::Open, end = Scan::End::Line;
    const struct {
        Scan scan;
        const char* pattern;
    } cases[] = {
        {Scan(A, q("key_press"), blanks, Scan::Argument::NonBlank, end), "key_press\\s+(\\S+)$"},
        {Scan(A, q("keyboard_press:"), none, Scan::Argument::Digits, open), "keyboard_press:(\\d+)"},
        {Scan(A, q("joystick_press"), blanks, Scan::Argument::NonBlank, open), "joystick_press\\s+(\\S+)"},
        {Scan(A, q("mouse_wheelup"), blanks, Scan::Argument::Digits, end), "mouse_wheelup\\s+(\\d+)$"},
        {Scan(L, q("sleep"), maybe, Scan::Argument::MaybeDigits, open), "^sleep\\s*(\\d+)?"},
        {Scan(L, q("text"), blanks, Scan::Argument::Quoted, open), "^text\\s+\"(.*)\""},
        {Scan(L, q("text_inject:"), none, Scan::Argument::Rest, open), "^text_inject:(.*)"},
        {Scan(L, q("swipehold_radius_increased_switch"), maybe, Scan::Argument::Decimal, open),
         "^swipehold_radius_increased_switch\\s*(\\d+(\\.\\d+)?)"},
    };
    ASSERT_GT(lines().size(), 50000);
    for (const auto& c : cases) {
        const QRegularExpression reference = expression(q(c.pattern));
        int matched = 0;
        for (const QString& line : lines()) {
            const QRegularExpressionMatch match = reference.match(line);
            // A match with an empty optional capture still matches.
            const QString expected =
                match.hasMatch() && match.capturedStart(1) < 0 ? QString() : capture(match);
            ASSERT_EQ(found(c.scan.find(line)), expected) << c.pattern << " on " << line.toStdString();
            matched += match.hasMatch();
        }
        EXPECT_GT(matched, 10) << c.pattern;
    }
}

// The commands' own patterns in the documented order, and the name class that editing names of
// keys and buttons must belong to. The lookup must hand every line to the first that takes it.
struct Reference {
    std::type_index converter;
    const char* editing;
    const char* running;
    const char* nameClass;
};

// clang-format off
const Reference kReferences[] = {
    {typeid(MarcoClickConVerter), "^click(?:\\s+(?:(\\d+),(\\d+)|mouse))+$", "^click_rel:(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse)(?:;(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse))*$", nullptr},
    {typeid(MarcoPressConVerter), "^press(?:\\s+(?:(\\d+),(\\d+)|mouse))+$", "^press_rel:(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse)(?:;(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse))*$", nullptr},
    {typeid(MarcoReleaseConVerter), "^release(?:\\s+(?:(\\d+),(\\d+)|mouse))+$", "^release_rel:(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse)(?:;(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse))*$", nullptr},
    {typeid(MarcoDefaultSleepConVerter), "default_sleep_time\\s+(\\d+)", "default_sleep_time:(\\d+)", nullptr},
    {typeid(MarcoSleepConVerter), "^sleep\\s*(\\d+)?", "^sleep:(\\d+)", nullptr},
    {typeid(MarcoKeyboardPressConVerter), "key_press\\s+(\\S+)$", "keyboard_press:(\\d+)", "key"},
    {typeid(MarcoKeyboardReleaseConVerter), "key_release\\s+(\\S+)$", "keyboard_release:(\\d+)", "key"},
    {typeid(MarcoKeyboardSwitchConVerter), "key_switch\\s+(\\S+)$", "keyboard_switch:(\\d+)", "key"},
    {typeid(MarcoEnterStaringConVerter), "^enter_staring\\z", "^enter_staring\\z", nullptr},
    {typeid(MarcoExitStaringConVerter), "^exit_staring\\z", "^exit_staring\\z", nullptr},
    {typeid(MarcoCurveConVerter), "^curve(?:\\s+(?:(\\d+),(\\d+)|mouse))+$", "^curve_rel:(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse)(?:;(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse))*$", nullptr},
    {typeid(MarcoSwitchConVerter), "^switch(?:\\s+(?:(\\d+),(\\d+)|mouse))+$", "^switch_rel:(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse)(?:;(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse))*$", nullptr},
    {typeid(MarcoMousePressConVerter), "mouse_press\\s+(\\S+)$", "mouse_press:(\\d+)", "btn"},
    {typeid(MarcoMouseReleaseConVerter), "mouse_release\\s+(\\S+)$", "mouse_release:(\\d+)", "btn"},
    {typeid(MarcoMouseSwitchConVerter), "mouse_switch\\s+(\\S+)$", "mouse_switch:(\\d+)", "btn"},
    {typeid(MarcoReleaseAllConVerter), "^release_all\\z", "^release_all\\z", nullptr},
    {typeid(MarcoStopLoopConVerter), "^loop_end\\z", "^stop_loop\\z", nullptr},
    {typeid(MarcoStartLoopConVerter), "^loop(?:\\s+(?:(\\d+)|until_release))+$", "^start_loop:(?:(\\d+)|until_release)+$", nullptr},
    {typeid(MarcoTextInjectConVerter), "^text\\s+\"(.*)\"", "^text_inject:(.*)", nullptr},
    {typeid(MarcoJoystickPressConVerter), "joystick_press\\s+(\\S+)", "joystick_press:(\\S+)", nullptr},
    {typeid(MarcoJoystickReleaseConVerter), "joystick_release\\s+(\\S+)", "joystick_release:(\\S+)", nullptr},
    {typeid(MarcoJoystickSwitchConVerter), "joystick_switch\\s+(\\S+)", "joystick_switch:(\\S+)", nullptr},
    {typeid(MarcoMouseLockedSwitchConVerter), "^mouselocked_switch\\z", "^mouselocked_switch\\z", nullptr},
    {typeid(MarcoCurveFirstPointSleepTimeConVerter), "^curve_first_time(?:\\s+(?:(\\d+)))+$", "^curve_first_point_sleep_time:(?:(\\d+))+$", nullptr},
    {typeid(MarcoCurveLastPointSleepTimeConVerter), "^curve_last_time(?:\\s+(?:(\\d+)|untilcmd))+$", "^curve_last_point_sleep_time:(?:(\\d+)|until_release_cmd)+$", nullptr},
    {typeid(MarcoCurveReleaseConVerter), "^curve_release\\z", "^curve_release\\z", nullptr},
    {typeid(MarcoInputHoldSwitchConVerter), "^hold_switch\\z", "^hold_switch\\z", nullptr},
    {typeid(MarcoSwipeholdRadiusIncreasedSwitchConVerter), "^swipehold_radius_increased_switch\\s*(\\d+(\\.\\d+)?)", "^swipehold_radius_increased_switch:(\\d+(\\.\\d+)?)", nullptr},
    {typeid(MarcoMouseWheelupConVerter), "mouse_wheelup\\s+(\\d+)$", "mouse_wheelup:(\\d+)", nullptr},
    {typeid(MarcoMouseWheeldownConVerter), "mouse_wheeldown\\s+(\\d+)$", "mouse_wheeldown:(\\d+)", nullptr},
    {typeid(MarcoScreenShotConVerter), "", "", nullptr},
};
// clang-format on

TEST(MacroScan, EachLineGoesToTheFirstCommandWhosePatternTakesIt) {
    KEYMAP_NEEDS_SHARED_TESTDATA();
    std::vector<std::pair<QRegularExpression, QRegularExpression>> patterns;
    for (const Reference& reference : kReferences)
        patterns.emplace_back(expression(q(reference.editing)), expression(q(reference.running)));
    const auto expected = [&](const QString& line, bool editing) -> std::type_index {
        for (size_t i = 0; i < patterns.size(); ++i) {
            // The screenshot command tests a prefix, not a pattern (which refuses broken UTF-16).
            if (kReferences[i].converter == typeid(MarcoScreenShotConVerter))
                return line.startsWith(q("screenshot")) ? kReferences[i].converter
                                                        : std::type_index(typeid(void));
            const QRegularExpressionMatch match =
                (editing ? patterns[i].first : patterns[i].second).match(line);
            const char* nameClass = kReferences[i].nameClass;
            if (match.hasMatch() &&
                (!editing || !nameClass || macroCodeForName(q(nameClass), match.captured(1)) != -1))
                return kReferences[i].converter;
        }
        return typeid(void);
    };
    const auto actual = [](const MarcoConVerterPtr& converter) -> std::type_index {
        return converter ? std::type_index(typeid(*converter)) : std::type_index(typeid(void));
    };
    std::vector<int> taken(2 * std::size(kReferences), 0);
    for (const QString& line : lines() + QStringList{QString(), q("screenshot"), q("loop_end")}) {
        const std::type_index editing = expected(line, true);
        ASSERT_EQ(actual(findEditingConverter(line)), editing)
            << line.toStdString() << " went to " << actual(findEditingConverter(line)).name();
        const std::type_index running = expected(line, false);
        ASSERT_EQ(actual(findRunningConverter(line)), running)
            << line.toStdString() << " went to " << actual(findRunningConverter(line)).name();
        for (size_t i = 0; i < std::size(kReferences); ++i) {
            taken[2 * i] += editing == kReferences[i].converter;
            taken[2 * i + 1] += running == kReferences[i].converter;
        }
    }
    // Every command took lines of both forms.
    for (size_t i = 0; i < taken.size(); ++i)
        EXPECT_GT(taken[i], 0) << (i % 2 ? "running " : "editing ") << kReferences[i / 2].converter.name();
}

} // namespace
