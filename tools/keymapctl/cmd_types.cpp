// keymapctl types: the item type names with the class that each creates.
#include "cli.h"
#include "commands.h"
#include "itemtypes.h"

#include <keymapmanager/keymapmanager.h>

#include <memory>

namespace keymapctl {

int runTypes(const QStringList& arguments) {
    CommandLine cli(QStringLiteral("types"),
                    QStringLiteral("Lists the item type names that keymap files use, each with the class "
                                   "that the library creates for it."),
                    QString());
    if (const auto code = cli.parse(arguments, 0, 0))
        return *code;
    for (const QString& type : itemTypeNames()) {
        const std::unique_ptr<ovelkeymapmanager::ConfigItem> item(ovelkeymapmanager::CreateConfigItem(type));
        out() << type.leftJustified(28) << (item ? itemClassName(*item) : QStringLiteral("(not created)"))
              << "\n";
    }
    return kOk;
}

} // namespace keymapctl
