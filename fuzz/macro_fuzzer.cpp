// Feeds arbitrary lines and screen rectangles to the three macro functions. The input's first line
// holds the rectangle as four decimal integers "x y width height" (anything else means
// 0 0 1920 1080); every further line is one macro line, converted in both directions and checked.
#include "support/fuzzsupport.h"

#include <keymapmanager/keymapmanager.h>

#include <QRect>
#include <QStringList>

using namespace ovelkeymapmanager;

namespace {

QRect rectangle(const QString& line) {
    const QStringList parts = line.split(QLatin1Char(' '));
    int values[4] = {0, 0, 1920, 1080};
    if (parts.size() == 4) {
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            const int value = parts[i].toInt(&ok);
            if (!ok)
                return QRect(0, 0, 1920, 1080);
            values[i] = value;
        }
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

bool skipped(const QString& line) {
    return line.isEmpty() || line == QLatin1String("release_actions");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)).split(QLatin1Char('\n'));
    const QRect rect = rectangle(lines.takeFirst());

    QList<QString> running, editing;
    QVector<int> faulty;
    const bool ranThrough = fuzzsupport::raisesOnlyLibraryExceptions([&] {
        running = MacroKeyEditingTextChangeToRunningText(lines, rect);
        editing = MacroKeyRunningTextChangeToEditingText(lines, rect);
        faulty = MacroKeyEditingTextGrammarCheck(lines);
    });
    if (!ranThrough)
        fuzzsupport::fail("a macro function raised an exception");

    // The check names exactly the lines that conversion drops: one result per other kept line.
    int kept = 0;
    for (const QString& line : lines)
        kept += skipped(line) ? 0 : 1;
    int previous = 0;
    for (int number : faulty) {
        FUZZ_CHECK(number > previous && number <= lines.size());
        FUZZ_CHECK(!skipped(lines[number - 1]));
        previous = number;
    }
    FUZZ_CHECK(running.size() == kept - faulty.size());
    FUZZ_CHECK(editing.size() <= kept);

    // What conversion produced converts again without trouble.
    const bool convertedAgain = fuzzsupport::raisesOnlyLibraryExceptions([&] {
        MacroKeyRunningTextChangeToEditingText(running, rect);
        MacroKeyEditingTextChangeToRunningText(editing, rect);
    });
    FUZZ_CHECK(convertedAgain);
    return 0;
}
