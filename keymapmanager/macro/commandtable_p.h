// The macro commands in the order in which they are tried, and the converters of their lines:
// MarcoConVerter converts one line between its editing and running forms, and each command has
// its converter class, whose conversions are its command's.
#pragma once

#include <keymapmanager/macro/commandkinds_p.h>

#include <memory>
#include <vector>

namespace ovelkeymapmanager {

class MarcoConVerter {
public:
    virtual ~MarcoConVerter() = default;

    virtual void setRunningText(const QString& text, const QRect& rect) {
        runningText = text;
        screenRectangle = rect;
    }
    virtual void setEditingText(const QString& text, const QRect& rect) {
        editingText = text;
        screenRectangle = rect;
    }
    // Stores the editing text alone; always succeeds.
    virtual bool storeEditingText(const QString& text) {
        editingText = text;
        return true;
    }
    virtual QString toEditingText() const = 0;
    virtual QString toRunningText() const = 0;

    QString editingText;
    QString runningText;
    QRect screenRectangle;
    int pixelPrecision = macro::Screen().pixelPrecision;
    int fractionPrecision = macro::Screen().fractionPrecision;
};

using MarcoConVerterPtr = std::shared_ptr<MarcoConVerter>;

// A converter whose conversions are those of the command it is made for (a row of the table, which
// outlives it).
class MarcoCommandConVerter : public MarcoConVerter {
public:
    explicit MarcoCommandConVerter(const macro::MacroCommand& command) : m_command(&command) {}

    QString toEditingText() const override { return m_command->toEditing(runningText, nullptr, screen()); }
    QString toRunningText() const override { return m_command->toRunning(editingText, nullptr, screen()); }

private:
    macro::Screen screen() const { return {screenRectangle, pixelPrecision, fractionPrecision}; }

    const macro::MacroCommand* m_command;
};

// clang-format off
class MarcoClickConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoPressConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoReleaseConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoDefaultSleepConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoSleepConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoKeyboardPressConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoKeyboardReleaseConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoKeyboardSwitchConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoEnterStaringConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoExitStaringConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoCurveConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoSwitchConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoMousePressConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoMouseReleaseConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoMouseSwitchConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoReleaseAllConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoStopLoopConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoStartLoopConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoTextInjectConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoJoystickPressConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoJoystickReleaseConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoJoystickSwitchConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoMouseLockedSwitchConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoCurveFirstPointSleepTimeConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoCurveLastPointSleepTimeConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoCurveReleaseConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoInputHoldSwitchConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoSwipeholdRadiusIncreasedSwitchConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoMouseWheelupConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoMouseWheeldownConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
class MarcoScreenShotConVerter final : public MarcoCommandConVerter { using MarcoCommandConVerter::MarcoCommandConVerter; };
// clang-format on

struct CommandRow {
    MarcoConVerterPtr (*create)(const macro::MacroCommand& command); // a converter for the command
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
