#include <keymapmanager/macro/macroconverters_p.h>

#include <keymapmanager/keys/keynames_p.h>

#include <type_traits>
#include <utility>
#include <vector>

namespace ovelkeymapmanager {

namespace {

// Converters that offer runningTextFor and editingTextFor can take over the lookup's match
// instead of searching the line again.
template <class Converter, class = void> struct ReusesLineMatch : std::false_type {};
template <class Converter>
struct ReusesLineMatch<Converter,
                       std::void_t<decltype(std::declval<const Converter&>().runningTextFor(nullptr))>>
    : std::true_type {};

// One line, converted by a converter that lives on the stack for the call.
template <class Converter>
QString editingToRunning(const QString& line, const QRect& rect, const QRegularExpressionMatch* lineMatch) {
    Converter converter;
    converter.setEditingText(line, rect);
    if constexpr (ReusesLineMatch<Converter>::value)
        return converter.runningTextFor(lineMatch);
    else
        return converter.toRunningText();
}

template <class Converter>
QString runningToEditing(const QString& line, const QRect& rect, const QRegularExpressionMatch* lineMatch) {
    Converter converter;
    converter.setRunningText(line, rect);
    if constexpr (ReusesLineMatch<Converter>::value)
        return converter.editingTextFor(lineMatch);
    else
        return converter.toEditingText();
}

template <class Converter> MarcoConVerterPtr create() {
    return std::make_shared<Converter>();
}

template <class Converter> ConverterEntry entry(LineMatcher editing, LineMatcher running) {
    return {std::move(editing), std::move(running), &create<Converter>, &editingToRunning<Converter>,
            &runningToEditing<Converter>};
}

LineMatcher search(const QRegularExpression& pattern) {
    return LineMatcher::search(pattern);
}

// A line with the scan's word and argument; with a name class, the argument must be a known name.
LineMatcher argumentScan(const macro::WordArgumentScan& scan, const QString& nameClass = QString()) {
    return LineMatcher::scan(scan.word(), false, [&scan, nameClass](const QString& line) {
        const QStringRef argument = scan.find(line);
        return !argument.isNull() &&
               (nameClass.isEmpty() || macroCodeForName(nameClass, argument.toString()) != -1);
    });
}

template <class Converter> ConverterEntry coordinateEntry() {
    const CoordinateCommand& command = Converter::command();
    return entry<Converter>(
        LineMatcher::scan(command.editingWord, true,
                          [&command](const QString& line) { return command.fitsEditingLine(line); }),
        LineMatcher::scan(command.runningWord + QLatin1Char(':'), true,
                          [&command](const QString& line) { return command.fitsRunningLine(line); }));
}

template <class Converter> ConverterEntry captureEntry() {
    const CaptureCommand& command = Converter::command();
    return entry<Converter>(search(command.editingCapture), search(command.runningCapture));
}

template <class Converter> ConverterEntry lastTokenEntry() {
    const LastTokenCommand& command = Converter::command();
    return entry<Converter>(search(command.editingLine), search(command.runningLine));
}

// Key and button commands accept only names that the naming tables know.
template <class Converter> ConverterEntry namedDeviceEntry() {
    const DeviceCommand& command = Converter::command();
    return entry<Converter>(argumentScan(command.editingArgument, command.nameClass()),
                            argumentScan(command.runningArgument));
}

// Joystick and wheel commands pass their argument through.
template <class Converter> ConverterEntry plainDeviceEntry() {
    const DeviceCommand& command = Converter::command();
    return entry<Converter>(argumentScan(command.editingLine), argumentScan(command.runningArgument));
}

template <class Converter> ConverterEntry wordEntry() {
    return entry<Converter>(LineMatcher::equals(Converter::editingWord()),
                            LineMatcher::equals(Converter::runningWord()));
}

// For each ASCII first character of a line, the entries (in their order) whose matcher may accept
// a line that begins with it; the others want another first character, so skipping them never
// changes which entry accepts. Empty lines and other first characters meet every entry.
class Candidates {
public:
    explicit Candidates(LineMatcher ConverterEntry::*side) : m_side(side) {
        for (const ConverterEntry& entry : converterEntries()) {
            const QChar leading = (entry.*side).leadingChar();
            for (int first = 0; first < kOther; ++first) {
                if (leading.isNull() || leading.unicode() == first)
                    m_byFirst[first].push_back(&entry);
            }
            m_byFirst[kOther].push_back(&entry);
        }
    }

    const ConverterEntry* find(const QString& line, std::optional<QRegularExpressionMatch>* lineMatch) const {
        const ushort first = line.isEmpty() ? kOther : qMin(line.at(0).unicode(), kOther);
        const AsciiSet lineChars(line);
        for (const ConverterEntry* candidate : m_byFirst[first]) {
            if ((candidate->*m_side).accepts(line, lineChars, lineMatch))
                return candidate;
        }
        return nullptr;
    }

private:
    static constexpr ushort kOther = 128;
    LineMatcher ConverterEntry::*m_side;
    std::array<std::vector<const ConverterEntry*>, kOther + 1> m_byFirst;
};

} // namespace

// Several editing matchers are unanchored searches, so the order decides between them
// ("xkey_press a" is a key press).
const std::array<ConverterEntry, 31>& converterEntries() {
    static const std::array<ConverterEntry, 31> entries = {
        coordinateEntry<MarcoClickConVerter>(),
        coordinateEntry<MarcoPressConVerter>(),
        coordinateEntry<MarcoReleaseConVerter>(),
        captureEntry<MarcoDefaultSleepConVerter>(),
        captureEntry<MarcoSleepConVerter>(),
        namedDeviceEntry<MarcoKeyboardPressConVerter>(),
        namedDeviceEntry<MarcoKeyboardReleaseConVerter>(),
        namedDeviceEntry<MarcoKeyboardSwitchConVerter>(),
        wordEntry<MarcoEnterStaringConVerter>(),
        wordEntry<MarcoExitStaringConVerter>(),
        coordinateEntry<MarcoCurveConVerter>(),
        coordinateEntry<MarcoSwitchConVerter>(),
        namedDeviceEntry<MarcoMousePressConVerter>(),
        namedDeviceEntry<MarcoMouseReleaseConVerter>(),
        namedDeviceEntry<MarcoMouseSwitchConVerter>(),
        wordEntry<MarcoReleaseAllConVerter>(),
        wordEntry<MarcoStopLoopConVerter>(),
        lastTokenEntry<MarcoStartLoopConVerter>(),
        captureEntry<MarcoTextInjectConVerter>(),
        plainDeviceEntry<MarcoJoystickPressConVerter>(),
        plainDeviceEntry<MarcoJoystickReleaseConVerter>(),
        plainDeviceEntry<MarcoJoystickSwitchConVerter>(),
        wordEntry<MarcoMouseLockedSwitchConVerter>(),
        lastTokenEntry<MarcoCurveFirstPointSleepTimeConVerter>(),
        lastTokenEntry<MarcoCurveLastPointSleepTimeConVerter>(),
        wordEntry<MarcoCurveReleaseConVerter>(),
        wordEntry<MarcoInputHoldSwitchConVerter>(),
        captureEntry<MarcoSwipeholdRadiusIncreasedSwitchConVerter>(),
        plainDeviceEntry<MarcoMouseWheelupConVerter>(),
        plainDeviceEntry<MarcoMouseWheeldownConVerter>(),
        entry<MarcoScreenShotConVerter>(LineMatcher::prefix(QStringLiteral("screenshot")),
                                        LineMatcher::prefix(QStringLiteral("screenshot"))),
    };
    return entries;
}

const ConverterEntry* findEditingEntry(const QString& line,
                                       std::optional<QRegularExpressionMatch>* lineMatch) {
    static const Candidates candidates(&ConverterEntry::editing);
    return candidates.find(line, lineMatch);
}

const ConverterEntry* findRunningEntry(const QString& line,
                                       std::optional<QRegularExpressionMatch>* lineMatch) {
    static const Candidates candidates(&ConverterEntry::running);
    return candidates.find(line, lineMatch);
}

MarcoConVerterPtr findEditingConverter(const QString& line) {
    const ConverterEntry* found = findEditingEntry(line);
    return found ? found->create() : nullptr;
}

MarcoConVerterPtr findRunningConverter(const QString& line) {
    const ConverterEntry* found = findRunningEntry(line);
    return found ? found->create() : nullptr;
}

} // namespace ovelkeymapmanager
