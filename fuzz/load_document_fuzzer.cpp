// Loads arbitrary bytes as a keymap file (KEYMAP_FUZZ_KEYMAP_SET 1) or a joystick file (0) through
// the library's own loader, and checks what any load must give: a whole document, and a saved
// text that loads back without a failure into the very same text.
#include "support/fuzzsupport.h"

#include <keymapmanager/document/documentio_p.h>
#include <keymapmanager/keymapmanager.h>

#include <memory>

using namespace ovelkeymapmanager;

namespace {

constexpr bool kKeymapSet = KEYMAP_FUZZ_KEYMAP_SET != 0;

std::unique_ptr<KeymapConfig> load(const QString& path, LoadOptions options, bool* failed) {
    std::unique_ptr<KeymapConfig> config(loadDocument(kKeymapSet, path, options, failed));
    FUZZ_CHECK(config && config->info && config->param);
    if (!kKeymapSet)
        config->info->isJoystick = true; // as LoadJoystickConfigAndInfo leaves it
    return config;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzsupport::ScratchFile input(kKeymapSet ? "keymap-input" : "joystick-input");
    static const fuzzsupport::ScratchFile saved(kKeymapSet ? "keymap-saved" : "joystick-saved");
    input.write(data, size);

    KeymapLoadReport report;
    LoadOptions options;
    options.report = &report;
    bool failed = false;
    const std::unique_ptr<KeymapConfig> config = load(input.path(), options, &failed);
    FUZZ_CHECK(failed == !report.ok);

    // The cheap load that the intelligent-config query uses fails on exactly the same inputs.
    bool failedWithoutImages = false;
    const std::unique_ptr<KeymapConfig> withoutImages =
        load(input.path(), LoadOptions{false, nullptr}, &failedWithoutImages);
    FUZZ_CHECK(failedWithoutImages == failed);
    FUZZ_CHECK(withoutImages->items.size() == config->items.size());
    FUZZ_CHECK(withoutImages->info->featureImages.size() == config->info->featureImages.size());

    // Whatever was read, partly or wholly, saves to a file that reads back to the same text.
    const QByteArray text = documentText(*config);
    saved.write(text);
    bool failedAgain = false;
    const std::unique_ptr<KeymapConfig> reloaded = load(saved.path(), LoadOptions{}, &failedAgain);
    if (failedAgain)
        fuzzsupport::fail("saved text does not load", text.toStdString());
    FUZZ_CHECK(reloaded->items.size() == config->items.size());
    if (documentText(*reloaded) != text)
        fuzzsupport::fail("saved text changes on reload", text.toStdString());
    return 0;
}
