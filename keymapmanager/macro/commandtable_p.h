// The macro commands in the order in which they are tried, and the lookup of the command of a line.
#pragma once

#include <keymapmanager/macro/converterclasses_p.h>

#include <vector>

namespace ovelkeymapmanager {

struct CommandRow {
    const std::type_info* converterClass;
    MarcoConVerterPtr (*create)();
    macro::CommandPtr command;
};

// The 31 commands, in the order in which they are tried: the first that accepts a line takes it.
const std::vector<CommandRow>& commandTable();

// The first row that accepts the editing (running) line, or null; match receives what it found.
const CommandRow* findEditingCommand(QStringView line, macro::LineMatch& match);
const CommandRow* findRunningCommand(QStringView line, macro::LineMatch& match);

// A new converter for the line, or an empty pointer when no command accepts it.
MarcoConVerterPtr findEditingConverter(const QString& line);
MarcoConVerterPtr findRunningConverter(const QString& line);

} // namespace ovelkeymapmanager
