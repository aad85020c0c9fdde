// The kinds of macro command: how each recognises its lines and converts them between the editing
// form (pixels, key names: "click 640,360", "key_press ctrl") and the running form (fractions of
// the screen rectangle, numeric codes: "click_rel:(0.500000,0.500000)", "keyboard_press:29").
#pragma once

#include <keymapmanager/macro/linescans_p.h>

#include <QRect>
#include <QString>

#include <memory>

namespace ovelkeymapmanager {
namespace macro {

// The rectangle that positions refer to (its size only), and the decimals of pixels made from
// fractions and of fractions made from pixels.
struct Screen {
    QRect rect;
    int pixelPrecision = 0;
    int fractionPrecision = 6;
};

// What recognising a line found in it. The conversion starts from it, so a line is read once.
struct LineMatch {
    QStringView argument; // the argument of a command that has one
    int code = -1;        // the code of a named key or button
    Positions positions;  // the items of a coordinate command
};

// A position of a running line: where its "x,y" stands in the line, and its value.
struct RunningPoint {
    qsizetype begin;
    qsizetype end;
    double x;
    double y;
};
using RunningPoints = QVarLengthArray<RunningPoint, 8>;
enum class PointsFound { None, Found, Unreadable };

class MacroCommand {
public:
    virtual ~MacroCommand() = default;

    // Whether the lookup hands the line to this command; match receives what was found in it.
    virtual bool acceptsEditing(QStringView line, LineMatch& match) const = 0;
    virtual bool acceptsRunning(QStringView line, LineMatch& match) const = 0;
    // The conversions of a stored text; found is what accepting that very text found, or null
    // when it was not asked (a converter object may hold any text).
    virtual QString toRunning(QStringView editing, const LineMatch* found, const Screen& screen) const = 0;
    virtual QString toEditing(QStringView running, const LineMatch* found, const Screen& screen) const = 0;
    // The positions of a running line that this command accepted (found is what accepting it
    // found), read as its conversion reads them: None for a command without positions (and for a
    // line of "mouse" only), Unreadable when the conversion would give an error text instead.
    virtual PointsFound runningPoints(QStringView running, const LineMatch& found,
                                      RunningPoints& points) const {
        Q_UNUSED(running);
        Q_UNUSED(found);
        Q_UNUSED(points);
        return PointsFound::None;
    }

    // The first word of every line that the command accepts, up to the first character that is
    // not a lower-case letter or '_'; empty when it may accept lines that begin otherwise.
    QString editingKey;
    QString runningKey;
    // For a command that searches the whole line for its word: that word, which every line it
    // accepts holds followed by white space (editing) or ':' (running).
    QString editingSearch;
    QString runningSearch;
};

using CommandPtr = std::unique_ptr<const MacroCommand>;

// Positions in pixels or fractions ("click 640,360" <-> "click_rel:(0.500000,0.500000)"); the word
// "mouse" stands for a position in both forms.
CommandPtr positionCommand(const char* editingWord, const char* runningWord);
// Corner positions, two or more; a malformed line gives an error text in its place.
CommandPtr screenshotCommand();
// A key or mouse button by name, its code in running text ("key_press ctrl" <-> "keyboard_press:29").
CommandPtr keyCommand(const char* editingWord, const char* runningWord);
CommandPtr buttonCommand(const char* word);
// A joystick control or wheel notches, the same text in both forms.
CommandPtr joystickCommand(const char* word);
CommandPtr wheelCommand(const char* word);
// Times and text, copied between the forms ("sleep 100" <-> "sleep:100", text "hi" <-> "text_inject:hi").
CommandPtr sleepCommand();
CommandPtr defaultSleepCommand();
CommandPtr textCommand();
CommandPtr swipeholdRadiusCommand();
// Numbers or a word of which the last counts ("loop 3 until_release" -> "start_loop:until_release").
CommandPtr lastTokenCommand(const char* editingWord, const char* runningWord, const char* editingToken,
                            const char* runningToken);
// One fixed word in each form ("release_all"; "loop_end" and "stop_loop").
CommandPtr wordCommand(const char* editingWord, const char* runningWord);

} // namespace macro
} // namespace ovelkeymapmanager
