// MarcoConVerter, which converts one macro line between its editing and running forms, and the 31
// converter classes, one per command. What each class does is its command's row of the command
// table; the classes exist so that a line's converter is an object of its own class.
#pragma once

#include <keymapmanager/macro/commandkinds_p.h>

#include <memory>
#include <typeinfo>

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

// The command that the command table gives a converter class.
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

} // namespace ovelkeymapmanager
