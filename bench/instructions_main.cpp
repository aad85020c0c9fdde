// One operation on the 400-item benchmark document, for callgrind: setup runs outside the collection,
// the operation alone inside it. Run as
//     valgrind --tool=callgrind --collect-atstart=no keymap_instructions load|save|retarget
// (scripts/callgrind.sh runs all three and prints their instruction counts).
#include "documents.h"

#include <keymapmanager/keymapmanager.h>

#include <QCoreApplication>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace ovelkeymapmanager;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const char* operation = argc > 1 ? argv[1] : "";
    const QString path = benchdata::writeTemporary("doc400.json", benchdata::keymapText(400));
    const QString target = path + QStringLiteral(".saved");
    // Loaded and saved once first, so that the process-wide set-up (logger, key tables, member
    // roles) is not counted in any of them.
    std::unique_ptr<KeymapConfig> config(LoadKeymapConfigAndInfo(path));
    SaveKeymapConfigAndInfo(target, config.get());
    std::unique_ptr<KeymapConfig>(RetargetKeymapConfig(config.get(), {1280, 720}, {2400, 1080}, {}, nullptr));

    if (std::strcmp(operation, "load") == 0) {
        CALLGRIND_TOGGLE_COLLECT;
        std::unique_ptr<KeymapConfig> loaded(LoadKeymapConfigAndInfo(path));
        CALLGRIND_TOGGLE_COLLECT;
    } else if (std::strcmp(operation, "save") == 0) {
        CALLGRIND_TOGGLE_COLLECT;
        SaveKeymapConfigAndInfo(target, config.get());
        CALLGRIND_TOGGLE_COLLECT;
    } else if (std::strcmp(operation, "retarget") == 0) {
        KeymapRetargetReport report;
        CALLGRIND_TOGGLE_COLLECT;
        std::unique_ptr<KeymapConfig> moved(
            RetargetKeymapConfig(config.get(), {1280, 720}, {2400, 1080}, KeymapRetargetOptions(), &report));
        CALLGRIND_TOGGLE_COLLECT;
    } else {
        std::fprintf(stderr, "usage: keymap_instructions load|save|retarget\n");
        return 2;
    }
    return 0;
}
