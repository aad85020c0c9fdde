#include <keymapmanager/macro/commandtable_p.h>

#include <QtAlgorithms>

#include <utility>

namespace ovelkeymapmanager {

using namespace macro;

namespace {

template <class Converter> CommandRow row(CommandPtr command) {
    return {[](const MacroCommand& of) { return MarcoConVerterPtr(std::make_shared<Converter>(of)); },
            std::move(command)};
}

// Several editing commands search the whole line rather than its start, so the order decides
// between them: "xkey_press a" is a key press, and text "joystick_press a" is text.
std::vector<CommandRow> makeTable() {
    std::vector<CommandRow> rows;
    rows.push_back(row<MarcoClickConVerter>(positionCommand("click", "click_rel")));
    rows.push_back(row<MarcoPressConVerter>(positionCommand("press", "press_rel")));
    rows.push_back(row<MarcoReleaseConVerter>(positionCommand("release", "release_rel")));
    rows.push_back(row<MarcoDefaultSleepConVerter>(defaultSleepCommand()));
    rows.push_back(row<MarcoSleepConVerter>(sleepCommand()));
    rows.push_back(row<MarcoKeyboardPressConVerter>(keyCommand("key_press", "keyboard_press")));
    rows.push_back(row<MarcoKeyboardReleaseConVerter>(keyCommand("key_release", "keyboard_release")));
    rows.push_back(row<MarcoKeyboardSwitchConVerter>(keyCommand("key_switch", "keyboard_switch")));
    rows.push_back(row<MarcoEnterStaringConVerter>(wordCommand("enter_staring", "enter_staring")));
    rows.push_back(row<MarcoExitStaringConVerter>(wordCommand("exit_staring", "exit_staring")));
    rows.push_back(row<MarcoCurveConVerter>(positionCommand("curve", "curve_rel")));
    rows.push_back(row<MarcoSwitchConVerter>(positionCommand("switch", "switch_rel")));
    rows.push_back(row<MarcoMousePressConVerter>(buttonCommand("mouse_press")));
    rows.push_back(row<MarcoMouseReleaseConVerter>(buttonCommand("mouse_release")));
    rows.push_back(row<MarcoMouseSwitchConVerter>(buttonCommand("mouse_switch")));
    rows.push_back(row<MarcoReleaseAllConVerter>(wordCommand("release_all", "release_all")));
    rows.push_back(row<MarcoStopLoopConVerter>(wordCommand("loop_end", "stop_loop")));
    rows.push_back(row<MarcoStartLoopConVerter>(
        lastTokenCommand("loop", "start_loop", "until_release", "until_release")));
    rows.push_back(row<MarcoTextInjectConVerter>(textCommand()));
    rows.push_back(row<MarcoJoystickPressConVerter>(joystickCommand("joystick_press")));
    rows.push_back(row<MarcoJoystickReleaseConVerter>(joystickCommand("joystick_release")));
    rows.push_back(row<MarcoJoystickSwitchConVerter>(joystickCommand("joystick_switch")));
    rows.push_back(
        row<MarcoMouseLockedSwitchConVerter>(wordCommand("mouselocked_switch", "mouselocked_switch")));
    rows.push_back(row<MarcoCurveFirstPointSleepTimeConVerter>(
        lastTokenCommand("curve_first_time", "curve_first_point_sleep_time", "", "")));
    rows.push_back(row<MarcoCurveLastPointSleepTimeConVerter>(
        lastTokenCommand("curve_last_time", "curve_last_point_sleep_time", "untilcmd", "until_release_cmd")));
    rows.push_back(row<MarcoCurveReleaseConVerter>(wordCommand("curve_release", "curve_release")));
    rows.push_back(row<MarcoInputHoldSwitchConVerter>(wordCommand("hold_switch", "hold_switch")));
    rows.push_back(row<MarcoSwipeholdRadiusIncreasedSwitchConVerter>(swipeholdRadiusCommand()));
    rows.push_back(row<MarcoMouseWheelupConVerter>(wheelCommand("mouse_wheelup")));
    rows.push_back(row<MarcoMouseWheeldownConVerter>(wheelCommand("mouse_wheeldown")));
    rows.push_back(row<MarcoScreenShotConVerter>(screenshotCommand()));
    return rows;
}

// Trying the table in order, but only the rows that may take the line: the row whose first word is
// the line's own, the rows that search the line for a word when it holds that word followed by white
// space (editing) or ':' (running), and the few rows that take lines of any other shape.
class Lookup {
public:
    using Accepts = bool (MacroCommand::*)(QStringView, LineMatch&) const;

    Lookup(bool editing, Accepts accepts) : m_editing(editing), m_accepts(accepts) {
        const std::vector<CommandRow>& rows = commandTable();
        static_assert(sizeof(quint32) * 8 >= 31, "a bit for each row");
        for (int i = 0; i < int(rows.size()); ++i) {
            const MacroCommand& command = *rows[i].command;
            const QString& key = editing ? command.editingKey : command.runningKey;
            const QString& search = editing ? command.editingSearch : command.runningSearch;
            if (!key.isEmpty())
                m_byFirstWord.emplace_back(key, i);
            else if (!search.isEmpty())
                m_searching.emplace_back(search, i);
            else
                m_always |= quint32(1) << i;
        }
    }

    const CommandRow* find(QStringView line, LineMatch& match) const {
        const std::vector<CommandRow>& rows = commandTable();
        for (quint32 candidates = m_always | rowOfFirstWord(line) | rowsSearchedFor(line); candidates;
             candidates &= candidates - 1) {
            const int i = int(qCountTrailingZeroBits(candidates));
            if (((*rows[i].command).*m_accepts)(line, match))
                return &rows[i];
        }
        return nullptr;
    }

private:
    // Command words are made of lower-case letters and '_'.
    quint32 rowOfFirstWord(QStringView line) const {
        qsizetype end = 0;
        while (end < line.size() && ((line[end] >= QLatin1Char('a') && line[end] <= QLatin1Char('z')) ||
                                     line[end] == QLatin1Char('_')))
            ++end;
        for (const auto& [word, i] : m_byFirstWord) {
            if (word.size() == end && line.startsWith(word))
                return quint32(1) << i;
        }
        return 0;
    }

    quint32 rowsSearchedFor(QStringView line) const {
        quint32 rows = 0;
        for (qsizetype end = 1; end < line.size(); ++end) {
            if (m_editing ? !isBlank(line[end]) : line[end] != QLatin1Char(':'))
                continue;
            for (const auto& [word, i] : m_searching) {
                if (end >= word.size() && line[end - 1] == word.back() &&
                    line.mid(end - word.size(), word.size()) == word)
                    rows |= quint32(1) << i;
            }
        }
        return rows;
    }

    bool m_editing;
    Accepts m_accepts;
    std::vector<std::pair<QString, int>> m_byFirstWord;
    std::vector<std::pair<QString, int>> m_searching;
    quint32 m_always = 0;
};

MarcoConVerterPtr createFor(const CommandRow* found) {
    return found ? found->create(*found->command) : nullptr;
}

} // namespace

const std::vector<CommandRow>& commandTable() {
    static const std::vector<CommandRow> rows = makeTable();
    return rows;
}

const CommandRow* findEditingCommand(QStringView line, LineMatch& match) {
    static const Lookup lookup(true, &MacroCommand::acceptsEditing);
    return lookup.find(line, match);
}

const CommandRow* findRunningCommand(QStringView line, LineMatch& match) {
    static const Lookup lookup(false, &MacroCommand::acceptsRunning);
    return lookup.find(line, match);
}

MarcoConVerterPtr findEditingConverter(const QString& line) {
    LineMatch match;
    return createFor(findEditingCommand(line, match));
}

MarcoConVerterPtr findRunningConverter(const QString& line) {
    LineMatch match;
    return createFor(findRunningCommand(line, match));
}

} // namespace ovelkeymapmanager
