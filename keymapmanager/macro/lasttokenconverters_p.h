// Commands of which only the last argument counts: the loop start and the first-point and last-point
// times of curves ("loop 3 until_release" -> "start_loop:until_release").
#pragma once

#include <keymapmanager/macro/marcoconverter_p.h>

#include <QRegularExpression>

namespace ovelkeymapmanager {

// One such command: each form is its prefix and the last token that its token pattern finds.
struct LastTokenCommand {
    QString editingPrefix;
    QString runningPrefix;
    QRegularExpression editingToken;
    QRegularExpression runningToken;
    // A token spelt differently in the two forms ("untilcmd" and "until_release_cmd"); may be empty.
    QString editingSpecial;
    QString runningSpecial;
    // What recognises a whole line of each form.
    QRegularExpression editingLine;
    QRegularExpression runningLine;
};

QString lastTokenToRunningText(const LastTokenCommand& command, const QString& editingText);
QString lastTokenToEditingText(const LastTokenCommand& command, const QString& runningText);

const LastTokenCommand& startLoopCommand();
const LastTokenCommand& curveFirstTimeCommand();
const LastTokenCommand& curveLastTimeCommand();

template <const LastTokenCommand& (*Command)()> class MarcoLastTokenConVerter : public MarcoConVerter {
public:
    static const LastTokenCommand& command() { return Command(); }

    QString toEditingText() const override { return lastTokenToEditingText(Command(), runningText); }
    QString toRunningText() const override { return lastTokenToRunningText(Command(), editingText); }
};

class MarcoStartLoopConVerter final : public MarcoLastTokenConVerter<startLoopCommand> {};
class MarcoCurveFirstPointSleepTimeConVerter final : public MarcoLastTokenConVerter<curveFirstTimeCommand> {};
class MarcoCurveLastPointSleepTimeConVerter final : public MarcoLastTokenConVerter<curveLastTimeCommand> {};

} // namespace ovelkeymapmanager
