#include <keymapmanager/macro/captureconverters_p.h>

#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {

namespace {

CaptureCommand captureCommand(const char* editingPrefix, const char* editingSuffix, const char* runningPrefix,
                              const char* editingPattern, const char* runningPattern,
                              const char* bareWord = "") {
    return {QString::fromUtf8(editingPrefix),
            QString::fromUtf8(editingSuffix),
            QString::fromUtf8(runningPrefix),
            macro::compiled(QString::fromUtf8(editingPattern)),
            macro::compiled(QString::fromUtf8(runningPattern)),
            QString::fromUtf8(bareWord)};
}

QString compose(const QString& prefix, const QString& argument, const QString& suffix,
                const QString& bareWord) {
    if (argument.isEmpty() && !bareWord.isEmpty())
        return bareWord;
    return prefix + argument + suffix;
}

} // namespace

QString captureToRunningText(const CaptureCommand& command, const QString& editingText,
                             const QRegularExpressionMatch* lineMatch) {
    return compose(command.runningPrefix,
                   macro::matchOf(command.editingCapture, editingText, lineMatch).captured(1), QString(),
                   command.bareWord);
}

QString captureToEditingText(const CaptureCommand& command, const QString& runningText,
                             const QRegularExpressionMatch* lineMatch) {
    return compose(command.editingPrefix,
                   macro::matchOf(command.runningCapture, runningText, lineMatch).captured(1),
                   command.editingSuffix, command.bareWord);
}

// The digits may follow "sleep" with no blank ("sleep100"), or be missing: then the line is "sleep".
const CaptureCommand& sleepCommand() {
    static const CaptureCommand command =
        captureCommand("sleep ", "", "sleep:", R"(^sleep\s*(\d+)?)", R"(^sleep:(\d+))", "sleep");
    return command;
}

const CaptureCommand& defaultSleepCommand() {
    static const CaptureCommand command =
        captureCommand("default_sleep_time ", "", "default_sleep_time:", R"(default_sleep_time\s+(\d+))",
                       R"(default_sleep_time:(\d+))");
    return command;
}

// The capture is greedy: it runs from the first to the last double quote, inner quotes included.
const CaptureCommand& textInjectCommand() {
    static const CaptureCommand command =
        captureCommand("text \"", "\"", "text_inject:", R"re(^text\s+"(.*)")re", R"re(^text_inject:(.*))re");
    return command;
}

const CaptureCommand& swipeholdRadiusCommand() {
    static const CaptureCommand command = captureCommand(
        "swipehold_radius_increased_switch ", "",
        "swipehold_radius_increased_switch:", R"(^swipehold_radius_increased_switch\s*(\d+(\.\d+)?))",
        R"(^swipehold_radius_increased_switch:(\d+(\.\d+)?))");
    return command;
}

} // namespace ovelkeymapmanager
