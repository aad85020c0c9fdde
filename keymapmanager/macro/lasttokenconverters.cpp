#include <keymapmanager/macro/lasttokenconverters_p.h>

#include <keymapmanager/macro/macropatterns_p.h>

namespace ovelkeymapmanager {

namespace {

struct Spelling {
    const char* editing;
    const char* running;
};

LastTokenCommand lastTokenCommand(const char* editingPrefix, const char* runningPrefix,
                                  const char* editingToken, const char* runningToken, const char* editingLine,
                                  const char* runningLine, Spelling special = {"", ""}) {
    return {QString::fromUtf8(editingPrefix),
            QString::fromUtf8(runningPrefix),
            macro::compiled(QString::fromUtf8(editingToken)),
            macro::compiled(QString::fromUtf8(runningToken)),
            QString::fromUtf8(special.editing),
            QString::fromUtf8(special.running),
            macro::compiled(QString::fromUtf8(editingLine)),
            macro::compiled(QString::fromUtf8(runningLine))};
}

QString respelt(const QString& token, const QString& from, const QString& to) {
    return !from.isEmpty() && token == from ? to : token;
}

} // namespace

QString lastTokenToRunningText(const LastTokenCommand& command, const QString& editingText) {
    return command.runningPrefix + respelt(macro::lastMatch(command.editingToken, editingText),
                                           command.editingSpecial, command.runningSpecial);
}

QString lastTokenToEditingText(const LastTokenCommand& command, const QString& runningText) {
    return command.editingPrefix + respelt(macro::lastMatch(command.runningToken, runningText),
                                           command.runningSpecial, command.editingSpecial);
}

const LastTokenCommand& startLoopCommand() {
    static const LastTokenCommand command = lastTokenCommand(
        "loop ", "start_loop:", R"((\d+)|until_release)", R"((\d+)|until_release)",
        R"(^loop(?:\s+(?:(\d+)|until_release))+$)", R"(^start_loop:(?:(\d+)|until_release)+$)");
    return command;
}

const LastTokenCommand& curveFirstTimeCommand() {
    static const LastTokenCommand command = lastTokenCommand(
        "curve_first_time ", "curve_first_point_sleep_time:", R"((\d+))", R"((\d+))",
        R"(^curve_first_time(?:\s+(?:(\d+)))+$)", R"(^curve_first_point_sleep_time:(?:(\d+))+$)");
    return command;
}

const LastTokenCommand& curveLastTimeCommand() {
    static const LastTokenCommand command = lastTokenCommand(
        "curve_last_time ", "curve_last_point_sleep_time:", R"((\d+)|untilcmd)", R"((\d+)|until_release_cmd)",
        R"(^curve_last_time(?:\s+(?:(\d+)|untilcmd))+$)",
        R"(^curve_last_point_sleep_time:(?:(\d+)|until_release_cmd)+$)", {"untilcmd", "until_release_cmd"});
    return command;
}

} // namespace ovelkeymapmanager
