// keymapctl types: the item type names with the class that each creates.
#include "commands.h"
#include "common/cli.h"

#include <keymapmanager/keymapmanager.h>

namespace keymapctl {

int runTypes(const QStringList& arguments) {
    CommandLine cli(QStringLiteral("types"),
                    QStringLiteral("Lists the item type names that keymap files use, each with the class "
                                   "that the library creates for it."),
                    QString());
    if (const auto code = cli.parse(arguments, 0, 0))
        return *code;
    for (const QString& type : ovelkeymapmanager::ConfigItemTypeNames())
        out() << type.leftJustified(28) << ovelkeymapmanager::ConfigItemClassName(type) << "\n";
    return kOk;
}

} // namespace keymapctl
