// Reads arbitrary bytes as a keymap of another tool through keymapctl import's readers (the first
// byte picks QtScrcpy, PlayCover or scrcpy-mask) and imports every config: nothing may crash, and
// every keymap made must save to text that loads back cleanly with all its items.
#include "support/fuzzsupport.h"

#include "tools/keymapctl/import/import_source.h"

#include <keymapmanager/keymapmanager.h>

#include <memory>

using namespace keymapctl;

namespace {

constexpr SourceFormat kFormats[] = {SourceFormat::QtScrcpy, SourceFormat::PlayCover,
                                     SourceFormat::ScrcpyMask};
// A source may hold many configs; a few show every path through the import.
constexpr int kMaxConfigs = 4;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzsupport::ScratchFile saved("import-saved");
    if (size == 0)
        return 0;
    const SourceFormat format = kFormats[data[0] % std::size(kFormats)];
    const QByteArray source(reinterpret_cast<const char*>(data + 1), int(size - 1));
    SourceProblem problem;
    const std::unique_ptr<SourceKeymaps> keymaps = readSource(source, format, problem);
    if (!keymaps) {
        FUZZ_CHECK(problem.code[0] != '\0' && !problem.message.isEmpty());
        return 0;
    }
    for (int index = 0; index < std::min(keymaps->count(), kMaxConfigs); ++index) {
        ImportContext context(QStringLiteral("source"), QSize(1280, 720));
        const std::unique_ptr<ovelkeymapmanager::KeymapConfig> config = keymaps->import(context, index);
        FUZZ_CHECK(config);
        for (const Finding& finding : context.findings())
            FUZZ_CHECK(!finding.code.isEmpty() && !finding.message.isEmpty());
        const QByteArray text = ovelkeymapmanager::ConfigAndInfoSavedText(config.get());
        if (text.isEmpty())
            fuzzsupport::fail("saving refuses the imported keymap", source.toStdString());
        saved.write(text);
        ovelkeymapmanager::KeymapLoadReport report;
        const std::unique_ptr<ovelkeymapmanager::KeymapConfig> loaded(
            ovelkeymapmanager::LoadConfigAndInfoWithReport(saved.path(), false, &report));
        if (!report.ok || loaded->items.size() != config->items.size())
            fuzzsupport::fail("the imported keymap does not load back", text.toStdString());
    }
    return 0;
}
