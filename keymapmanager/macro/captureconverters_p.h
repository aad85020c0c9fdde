// Commands whose one argument is copied between the forms: sleep, default sleep time, text input and
// the swipe-hold radius switch ("sleep 100" <-> "sleep:100", text "hi" <-> "text_inject:hi").
#pragma once

#include <keymapmanager/macro/marcoconverter_p.h>

#include <QRegularExpression>

namespace ovelkeymapmanager {

// One such command: each form is prefix + argument + suffix, the argument being the first capture
// of that form's pattern (empty when the pattern does not match).
struct CaptureCommand {
    QString editingPrefix;
    QString editingSuffix;
    QString runningPrefix;
    QRegularExpression editingCapture;
    QRegularExpression runningCapture;
    // When set, an empty argument gives this word alone in either form.
    QString bareWord;
};

QString captureToRunningText(const CaptureCommand& command, const QString& editingText);
QString captureToEditingText(const CaptureCommand& command, const QString& runningText);

const CaptureCommand& sleepCommand();
const CaptureCommand& defaultSleepCommand();
const CaptureCommand& textInjectCommand();
const CaptureCommand& swipeholdRadiusCommand();

template <const CaptureCommand& (*Command)()> class MarcoCaptureConVerter : public MarcoConVerter {
public:
    static const CaptureCommand& command() { return Command(); }

    QString toEditingText() const override { return captureToEditingText(Command(), runningText); }
    QString toRunningText() const override { return captureToRunningText(Command(), editingText); }
};

class MarcoSleepConVerter final : public MarcoCaptureConVerter<sleepCommand> {};
class MarcoDefaultSleepConVerter final : public MarcoCaptureConVerter<defaultSleepCommand> {};
class MarcoTextInjectConVerter final : public MarcoCaptureConVerter<textInjectCommand> {};
class MarcoSwipeholdRadiusIncreasedSwitchConVerter final
    : public MarcoCaptureConVerter<swipeholdRadiusCommand> {};

} // namespace ovelkeymapmanager
