// The five commands that carry screen positions: click, press, release, switch and curve. Editing
// text gives pixel pairs ("click 640,360"), running text fractions of the screen size
// ("click_rel:(0.500000,0.500000)"); the word "mouse" stands for a position in both forms.
#pragma once

#include <keymapmanager/macro/marcoconverter_p.h>

namespace ovelkeymapmanager {

// The grammar of one coordinate command.
struct CoordinateCommand {
    CoordinateCommand(const char* editingWord, const char* runningWord);

    // Whether a line fits the grammar: the word, then blank-separated pixel pairs or "mouse"; in
    // running text the word, ':', then ';'-separated fraction pairs or "mouse".
    bool fitsEditingLine(const QString& line) const;
    bool fitsRunningLine(const QString& line) const;

    QString editingWord;
    QString runningWord;
};

QString positionsToRunningText(const CoordinateCommand& command, const QString& editingText,
                               const QRect& rect, int fractionPrecision);
QString positionsToEditingText(const CoordinateCommand& command, const QString& runningText,
                               const QRect& rect, int pixelPrecision);

template <const char* EditingWord, const char* RunningWord>
class MarcoCoordinateConVerter : public MarcoConVerter {
public:
    static const CoordinateCommand& command() {
        static const CoordinateCommand compiled(EditingWord, RunningWord);
        return compiled;
    }

    QString toEditingText() const override {
        return positionsToEditingText(command(), runningText, screenRectangle, pixelPrecision);
    }
    QString toRunningText() const override {
        return positionsToRunningText(command(), editingText, screenRectangle, fractionPrecision);
    }
};

namespace macroword {
inline constexpr char click[] = "click";
inline constexpr char clickRel[] = "click_rel";
inline constexpr char press[] = "press";
inline constexpr char pressRel[] = "press_rel";
inline constexpr char release[] = "release";
inline constexpr char releaseRel[] = "release_rel";
inline constexpr char switchWord[] = "switch";
inline constexpr char switchRel[] = "switch_rel";
inline constexpr char curve[] = "curve";
inline constexpr char curveRel[] = "curve_rel";
} // namespace macroword

class MarcoClickConVerter final : public MarcoCoordinateConVerter<macroword::click, macroword::clickRel> {};
class MarcoPressConVerter final : public MarcoCoordinateConVerter<macroword::press, macroword::pressRel> {};
class MarcoReleaseConVerter final
    : public MarcoCoordinateConVerter<macroword::release, macroword::releaseRel> {};
class MarcoSwitchConVerter final
    : public MarcoCoordinateConVerter<macroword::switchWord, macroword::switchRel> {};
class MarcoCurveConVerter final : public MarcoCoordinateConVerter<macroword::curve, macroword::curveRel> {};

} // namespace ovelkeymapmanager
