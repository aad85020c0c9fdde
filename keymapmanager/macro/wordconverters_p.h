// Commands of one fixed word and no argument ("release_all"); the loop end is the only one spelt
// differently in the two forms ("loop_end" and "stop_loop").
#pragma once

#include <keymapmanager/macro/marcoconverter_p.h>

namespace ovelkeymapmanager {

template <const char* EditingWord, const char* RunningWord = EditingWord>
class MarcoWordConVerter : public MarcoConVerter {
public:
    static const QString& editingWord() {
        static const QString word = QLatin1String(EditingWord);
        return word;
    }
    static const QString& runningWord() {
        static const QString word = QLatin1String(RunningWord);
        return word;
    }

    // The stored text does not matter: these commands have nothing to convert.
    QString toEditingText() const override { return editingWord(); }
    QString toRunningText() const override { return runningWord(); }
};

namespace macroword {
inline constexpr char loopEnd[] = "loop_end";
inline constexpr char stopLoop[] = "stop_loop";
inline constexpr char enterStaring[] = "enter_staring";
inline constexpr char exitStaring[] = "exit_staring";
inline constexpr char releaseAll[] = "release_all";
inline constexpr char mouselockedSwitch[] = "mouselocked_switch";
inline constexpr char curveRelease[] = "curve_release";
inline constexpr char holdSwitch[] = "hold_switch";
} // namespace macroword

class MarcoStopLoopConVerter final : public MarcoWordConVerter<macroword::loopEnd, macroword::stopLoop> {};
class MarcoEnterStaringConVerter final : public MarcoWordConVerter<macroword::enterStaring> {};
class MarcoExitStaringConVerter final : public MarcoWordConVerter<macroword::exitStaring> {};
class MarcoReleaseAllConVerter final : public MarcoWordConVerter<macroword::releaseAll> {};
class MarcoMouseLockedSwitchConVerter final : public MarcoWordConVerter<macroword::mouselockedSwitch> {};
class MarcoCurveReleaseConVerter final : public MarcoWordConVerter<macroword::curveRelease> {};
class MarcoInputHoldSwitchConVerter final : public MarcoWordConVerter<macroword::holdSwitch> {};

} // namespace ovelkeymapmanager
