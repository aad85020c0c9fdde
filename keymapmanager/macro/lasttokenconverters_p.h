// Commands of which only the last argument counts: the loop start and the first-point and last-point
// times of curves ("loop 3 until_release" -> "start_loop:until_release").
#pragma once

#include <keymapmanager/macro/marcoconverter_p.h>

#include <QRegularExpression>

namespace ovelkeymapmanager {

// One such command. Its arguments are numbers or, for some commands, one word that each form
// spells its own way; each form is its prefix and the last argument found in the other form.
struct LastTokenCommand {
    LastTokenCommand(const char* editingCommand, const char* runningCommand, const char* editingWord,
                     const char* runningWord);

    QString editingPrefix; // "loop "
    QString runningPrefix; // "start_loop:"
    QString editingWord;   // "until_release"; empty where only numbers are allowed
    QString runningWord;
    QRegularExpression editingToken; // (\d+)|until_release
    QRegularExpression runningToken;
    // What recognises a whole line: blank-separated arguments in editing text, adjoining ones in
    // running text.
    QRegularExpression editingLine;
    QRegularExpression runningLine;
};

// lineMatch: the lookup's match of the text; when it was made with the command's own line pattern,
// the last argument is read off the end of the line instead of searching for every argument.
QString lastTokenToRunningText(const LastTokenCommand& command, const QString& editingText,
                               const QRegularExpressionMatch* lineMatch = nullptr);
QString lastTokenToEditingText(const LastTokenCommand& command, const QString& runningText,
                               const QRegularExpressionMatch* lineMatch = nullptr);

const LastTokenCommand& startLoopCommand();
const LastTokenCommand& curveFirstTimeCommand();
const LastTokenCommand& curveLastTimeCommand();

template <const LastTokenCommand& (*Command)()> class MarcoLastTokenConVerter : public MarcoConVerter {
public:
    static const LastTokenCommand& command() { return Command(); }

    QString toEditingText() const override { return editingTextFor(nullptr); }
    QString toRunningText() const override { return runningTextFor(nullptr); }
    // The conversions, given the match of the stored text that the line lookup made (or null).
    QString editingTextFor(const QRegularExpressionMatch* lineMatch) const {
        return lastTokenToEditingText(Command(), runningText, lineMatch);
    }
    QString runningTextFor(const QRegularExpressionMatch* lineMatch) const {
        return lastTokenToRunningText(Command(), editingText, lineMatch);
    }
};

class MarcoStartLoopConVerter final : public MarcoLastTokenConVerter<startLoopCommand> {};
class MarcoCurveFirstPointSleepTimeConVerter final : public MarcoLastTokenConVerter<curveFirstTimeCommand> {};
class MarcoCurveLastPointSleepTimeConVerter final : public MarcoLastTokenConVerter<curveLastTimeCommand> {};

} // namespace ovelkeymapmanager
