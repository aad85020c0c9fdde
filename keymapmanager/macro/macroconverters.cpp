#include <keymapmanager/macro/macroconverters_p.h>

#include <type_traits>
#include <utility>

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
LineMatcher knownName(const DeviceCommand& command) {
    return LineMatcher::search(command.editingArgument, command.nameClass());
}

template <class Converter> ConverterEntry coordinateEntry() {
    const CoordinateCommand& command = Converter::command();
    return entry<Converter>(search(command.editingLine), search(command.runningLine));
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
    return entry<Converter>(knownName(command), search(command.runningArgument));
}

// Joystick and wheel commands pass their argument through.
template <class Converter> ConverterEntry plainDeviceEntry() {
    const DeviceCommand& command = Converter::command();
    return entry<Converter>(search(command.editingLine), search(command.runningArgument));
}

template <class Converter> ConverterEntry wordEntry() {
    return entry<Converter>(LineMatcher::equals(Converter::editingWord()),
                            LineMatcher::equals(Converter::runningWord()));
}

const ConverterEntry* findEntry(LineMatcher ConverterEntry::*side, const QString& line,
                                std::optional<QRegularExpressionMatch>* lineMatch) {
    const AsciiSet lineChars(line);
    for (const ConverterEntry& candidate : converterEntries()) {
        if ((candidate.*side).accepts(line, lineChars, lineMatch))
            return &candidate;
    }
    return nullptr;
}

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
    return findEntry(&ConverterEntry::editing, line, lineMatch);
}

const ConverterEntry* findRunningEntry(const QString& line,
                                       std::optional<QRegularExpressionMatch>* lineMatch) {
    return findEntry(&ConverterEntry::running, line, lineMatch);
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
