// Macro line scans against the regular expressions they stand for, and the line lookup against a
// plain walk through every entry: on generated lines, near misses of real lines and the naughty
// strings, both must give the same answers.
#include "support/testsupport.h"

#include <keymapmanager/macro/linescans_p.h>
#include <keymapmanager/macro/macroconverters_p.h>

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace ovelkeymapmanager;

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

const DeviceCommand* const kDeviceCommands[] = {
    &MarcoKeyboardPressConVerter::command(),  &MarcoKeyboardReleaseConVerter::command(),
    &MarcoKeyboardSwitchConVerter::command(), &MarcoMousePressConVerter::command(),
    &MarcoMouseReleaseConVerter::command(),   &MarcoMouseSwitchConVerter::command(),
    &MarcoJoystickPressConVerter::command(),  &MarcoJoystickReleaseConVerter::command(),
    &MarcoJoystickSwitchConVerter::command(), &MarcoMouseWheelupConVerter::command(),
    &MarcoMouseWheeldownConVerter::command(),
};

const CoordinateCommand* const kCoordinateCommands[] = {
    &MarcoClickConVerter::command(),  &MarcoPressConVerter::command(), &MarcoReleaseConVerter::command(),
    &MarcoSwitchConVerter::command(), &MarcoCurveConVerter::command(),
};

// Lines made of command words, separators, arguments and awkward characters, plus every real
// line with one character inserted, removed or replaced at each place.
QStringList corpus() {
    QStringList pieces =
        q("click click_rel press press_rel curve curve_rel switch switch_rel release release_rel key_press "
          "keyboard_press key_switch mouse_press mouse_switch joystick_press joystick_release mouse_wheelup "
          "mouse_wheeldown : 0 42 007 1,2 ,, (0.5,0.25) (1.,2) (.5,1) (1,2 ; mouse a ctrl space left LT x "
          ". ( ) , \" -1 \xc3\xa9 \xf0\x9f\x98\x80 \u0661")
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
          "xkey_press a\n")
            .split(QLatin1Char('|'));
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

void expectSameFind(const macro::WordArgumentScan& scan, const QRegularExpression& reference) {
    for (const QString& line : lines()) {
        const QRegularExpressionMatch match = reference.match(line);
        const QStringRef found = scan.find(line);
        ASSERT_EQ(!found.isNull(), match.hasMatch())
            << reference.pattern().toStdString() << " on " << line.toStdString();
        if (match.hasMatch()) {
            ASSERT_EQ(found.toString(), match.captured(1)) << line.toStdString();
            ASSERT_EQ(found.position(), match.capturedStart(1)) << line.toStdString();
        }
    }
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

// The expressions that the device commands were written with.
TEST(MacroScan, DeviceScansFindWhatTheirExpressionsFind) {
    ASSERT_GT(lines().size(), 50000);
    for (const DeviceCommand* command : kDeviceCommands) {
        const QString word = command->editingPrefix.trimmed();
        const bool wheel = command->argument == DeviceArgument::Digits;
        const bool joystick = command->argument == DeviceArgument::Token;
        SCOPED_TRACE(word.toStdString());
        expectSameFind(command->editingArgument,
                       expression(word + (wheel ? q("\\s+(\\d+)$") : q("\\s+(\\S+)$"))));
        expectSameFind(command->runningArgument,
                       expression(command->runningPrefix + (joystick ? q("(\\S+)") : q("(\\d+)"))));
        if (joystick)
            expectSameFind(command->editingLine, expression(word + q("\\s+(\\S+)")));
    }
}

TEST(MacroScan, PositionListsFitAsTheirExpressionsMatch) {
    for (const CoordinateCommand* command : kCoordinateCommands) {
        SCOPED_TRACE(command->editingWord.toStdString());
        const QRegularExpression editing =
            expression(QStringLiteral("^%1(?:\\s+(?:(\\d+),(\\d+)|mouse))+$").arg(command->editingWord));
        const QRegularExpression running =
            expression(QStringLiteral("^%1:(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse)"
                                      "(?:;(?:\\((\\d+\\.?\\d*),(\\d+\\.?\\d*)\\)|mouse))*$")
                           .arg(command->runningWord));
        int fitting = 0;
        for (const QString& line : lines()) {
            ASSERT_EQ(command->fitsEditingLine(line), editing.match(line).hasMatch()) << line.toStdString();
            ASSERT_EQ(command->fitsRunningLine(line), running.match(line).hasMatch()) << line.toStdString();
            fitting += command->fitsEditingLine(line) || command->fitsRunningLine(line);
        }
        EXPECT_GT(fitting, 0);
    }
}

// The lookup skips entries by the line's first character; it must find what trying every entry in
// order finds.
TEST(MacroScan, LookupFindsTheFirstEntryThatAccepts) {
    const auto firstAccepting = [](LineMatcher ConverterEntry::*side, const QString& line) {
        for (const ConverterEntry& entry : converterEntries()) {
            if ((entry.*side).accepts(line))
                return &entry;
        }
        return static_cast<const ConverterEntry*>(nullptr);
    };
    int found = 0;
    for (const QString& line : lines() + QStringList{QString(), q("screenshot"), q("loop_end")}) {
        const ConverterEntry* editing = findEditingEntry(line);
        ASSERT_EQ(editing, firstAccepting(&ConverterEntry::editing, line)) << line.toStdString();
        ASSERT_EQ(findRunningEntry(line), firstAccepting(&ConverterEntry::running, line))
            << line.toStdString();
        found += editing != nullptr;
    }
    EXPECT_GT(found, 500);
}

} // namespace
