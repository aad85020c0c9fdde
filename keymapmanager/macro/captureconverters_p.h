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

// lineMatch: the lookup's match of the text, reused when it was made with the command's own pattern.
QString captureToRunningText(const CaptureCommand& command, const QString& editingText,
                             const QRegularExpressionMatch* lineMatch = nullptr);
QString captureToEditingText(const CaptureCommand& command, const QString& runningText,
                             const QRegularExpressionMatch* lineMatch = nullptr);

const CaptureCommand& sleepCommand();
const CaptureCommand& defaultSleepCommand();
const CaptureCommand& textInjectCommand();
const CaptureCommand& swipeholdRadiusCommand();

template <const CaptureCommand& (*Command)()> class MarcoCaptureConVerter : public MarcoConVerter {
public:
    static const CaptureCommand& command() { return Command(); }

    QString toEditingText() const override { return editingTextFor(nullptr); }
    QString toRunningText() const override { return runningTextFor(nullptr); }
    // The conversions, given the match of the stored text that the line lookup made (or null).
    QString editingTextFor(const QRegularExpressionMatch* lineMatch) const {
        return captureToEditingText(Command(), runningText, lineMatch);
    }
    QString runningTextFor(const QRegularExpressionMatch* lineMatch) const {
        return captureToRunningText(Command(), editingText, lineMatch);
    }
};

class MarcoSleepConVerter final : public MarcoCaptureConVerter<sleepCommand> {};
class MarcoDefaultSleepConVerter final : public MarcoCaptureConVerter<defaultSleepCommand> {};
class MarcoTextInjectConVerter final : public MarcoCaptureConVerter<textInjectCommand> {};
class MarcoSwipeholdRadiusIncreasedSwitchConVerter final
    : public MarcoCaptureConVerter<swipeholdRadiusCommand> {};

} // namespace ovelkeymapmanager
