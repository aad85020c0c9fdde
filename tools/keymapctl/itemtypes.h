// The item type names that the library creates, and the class behind each.
#pragma once

#include <QString>
#include <QStringList>

namespace ovelkeymapmanager {
class ConfigItem;
}

namespace keymapctl {

// The 24 type names, in the order of the library's vocabulary.
QStringList itemTypeNames();

// A type name as the compiler mangles it, in source form ("ovelkeymapmanager::ClickConfigItem"); the
// text unchanged when it is not a mangled name.
QString demangled(const char* name);

// The class of an item as the compiler names it, without the library's namespace
// ("ClickConfigItem").
QString itemClassName(const ovelkeymapmanager::ConfigItem& item);

} // namespace keymapctl
