// The keymapctl commands. Each takes its arguments with the program name first (as
// QCommandLineParser wants them) and returns the process exit code.
#pragma once

#include <QStringList>

namespace keymapctl {

int runCheck(const QStringList& arguments);
int runLint(const QStringList& arguments);
int runFormat(const QStringList& arguments);
int runNew(const QStringList& arguments);
int runTypes(const QStringList& arguments);
int runMacro(const QStringList& arguments);
int runKey(const QStringList& arguments);
int runImages(const QStringList& arguments);
int runRender(const QStringList& arguments);
int runImport(const QStringList& arguments);
int runRetarget(const QStringList& arguments);
int runSchema(const QStringList& arguments);

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments);
    bool needsGui; // drawing text needs fonts, and fonts need a QGuiApplication
};

// In the order that the top-level help lists them.
inline constexpr Command kCommands[] = {
    {"check", "load keymap files and tell what stops them loading", runCheck, false},
    {"lint", "find what a keymap gets wrong although it loads", runLint, false},
    {"format", "rewrite keymap files in the canonical text that saving produces", runFormat, false},
    {"new", "print the JSON of a new item of a type", runNew, false},
    {"types", "list the item type names with their classes", runTypes, false},
    {"macro", "convert macro text between editing and running form, or check it", runMacro, false},
    {"key", "print the display text of a key, or a macro key name or code", runKey, false},
    {"images", "write the feature images of a keymap as PNG files", runImages, false},
    {"render", "draw a keymap as a picture of the screen", runRender, true},
    {"import", "make a keymap from another mapping tool's keymap file", runImport, false},
    {"retarget", "move a keymap to another screen size or aspect ratio", runRetarget, false},
    {"schema", "print the JSON Schema of keymap files", runSchema, false},
};

} // namespace keymapctl
