// The macro commands in the order in which they are tried, and the converters of their lines:
// MarcoConVerter converts one line between its editing and running forms, and each command has
// its converter class, whose conversions are its command's.
#pragma once

#include <keymapmanager/macro/commandkinds_p.h>

#include <memory>
#include <typeinfo>
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

// The command of a converter class in the command table.
const macro::MacroCommand& commandOf(const std::type_info& converterClass);

template <class Converter> class MarcoCommandConVerter : public MarcoConVerter {
public:
    QString toEditingText() const override { return command().toEditing(runningText, nullptr, screen()); }
    QString toRunningText() const override { return command().toRunning(editingText, nullptr, screen()); }

private:
    static const macro::MacroCommand& command() {
        static const macro::MacroCommand& found = commandOf(typeid(Converter));
        return found;
    }
    macro::Screen screen() const { return {screenRectangle, pixelPrecision, fractionPrecision}; }
};

// clang-format off
class MarcoClickConVerter final : public MarcoCommandConVerter<MarcoClickConVerter> {};
class MarcoPressConVerter final : public MarcoCommandConVerter<MarcoPressConVerter> {};
class MarcoReleaseConVerter final : public MarcoCommandConVerter<MarcoReleaseConVerter> {};
class MarcoDefaultSleepConVerter final : public MarcoCommandConVerter<MarcoDefaultSleepConVerter> {};
class MarcoSleepConVerter final : public MarcoCommandConVerter<MarcoSleepConVerter> {};
class MarcoKeyboardPressConVerter final : public MarcoCommandConVerter<MarcoKeyboardPressConVerter> {};
class MarcoKeyboardReleaseConVerter final : public MarcoCommandConVerter<MarcoKeyboardReleaseConVerter> {};
class MarcoKeyboardSwitchConVerter final : public MarcoCommandConVerter<MarcoKeyboardSwitchConVerter> {};
class MarcoEnterStaringConVerter final : public MarcoCommandConVerter<MarcoEnterStaringConVerter> {};
class MarcoExitStaringConVerter final : public MarcoCommandConVerter<MarcoExitStaringConVerter> {};
class MarcoCurveConVerter final : public MarcoCommandConVerter<MarcoCurveConVerter> {};
class MarcoSwitchConVerter final : public MarcoCommandConVerter<MarcoSwitchConVerter> {};
class MarcoMousePressConVerter final : public MarcoCommandConVerter<MarcoMousePressConVerter> {};
class MarcoMouseReleaseConVerter final : public MarcoCommandConVerter<MarcoMouseReleaseConVerter> {};
class MarcoMouseSwitchConVerter final : public MarcoCommandConVerter<MarcoMouseSwitchConVerter> {};
class MarcoReleaseAllConVerter final : public MarcoCommandConVerter<MarcoReleaseAllConVerter> {};
class MarcoStopLoopConVerter final : public MarcoCommandConVerter<MarcoStopLoopConVerter> {};
class MarcoStartLoopConVerter final : public MarcoCommandConVerter<MarcoStartLoopConVerter> {};
class MarcoTextInjectConVerter final : public MarcoCommandConVerter<MarcoTextInjectConVerter> {};
class MarcoJoystickPressConVerter final : public MarcoCommandConVerter<MarcoJoystickPressConVerter> {};
class MarcoJoystickReleaseConVerter final : public MarcoCommandConVerter<MarcoJoystickReleaseConVerter> {};
class MarcoJoystickSwitchConVerter final : public MarcoCommandConVerter<MarcoJoystickSwitchConVerter> {};
class MarcoMouseLockedSwitchConVerter final : public MarcoCommandConVerter<MarcoMouseLockedSwitchConVerter> {};
class MarcoCurveFirstPointSleepTimeConVerter final : public MarcoCommandConVerter<MarcoCurveFirstPointSleepTimeConVerter> {};
class MarcoCurveLastPointSleepTimeConVerter final : public MarcoCommandConVerter<MarcoCurveLastPointSleepTimeConVerter> {};
class MarcoCurveReleaseConVerter final : public MarcoCommandConVerter<MarcoCurveReleaseConVerter> {};
class MarcoInputHoldSwitchConVerter final : public MarcoCommandConVerter<MarcoInputHoldSwitchConVerter> {};
class MarcoSwipeholdRadiusIncreasedSwitchConVerter final : public MarcoCommandConVerter<MarcoSwipeholdRadiusIncreasedSwitchConVerter> {};
class MarcoMouseWheelupConVerter final : public MarcoCommandConVerter<MarcoMouseWheelupConVerter> {};
class MarcoMouseWheeldownConVerter final : public MarcoCommandConVerter<MarcoMouseWheeldownConVerter> {};
class MarcoScreenShotConVerter final : public MarcoCommandConVerter<MarcoScreenShotConVerter> {};
// clang-format on

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
