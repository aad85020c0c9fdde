// keymapctl new TYPE: the JSON of a new item, as saving would write it inside "keymaps".
#include "commands.h"
#include "common/cli.h"
#include "common/suggest.h"

#include <keymapmanager/keymapmanager.h>

#include <memory>
#include <sstream>

namespace keymapctl {

int runNew(const QStringList& arguments) {
    CommandLine cli(QStringLiteral("new"),
                    QStringLiteral("Prints the JSON of a new item of the given type, with its defaults, as "
                                   "saving writes it. 'keymapctl types' lists the types."),
                    QStringLiteral("TYPE"));
    if (const auto code = cli.parse(arguments, 1, 1))
        return *code;
    const QString type = cli.positional().first();
    const std::unique_ptr<ovelkeymapmanager::ConfigItem> item(ovelkeymapmanager::CreateConfigItem(type));
    if (!item) {
        return cli.usageError(QStringLiteral("unknown item type '%1'%2; the types are: %3")
                                  .arg(type,
                                       didYouMean(type, ovelkeymapmanager::ConfigItemTypeNames())
                                           .replace(QLatin1Char('?'), QString()),
                                       ovelkeymapmanager::ConfigItemTypeNames().join(QStringLiteral(", "))));
    }
    std::ostringstream text;
    item->toJson().stringify(text, 4);
    out() << QString::fromStdString(text.str()) << "\n";
    return kOk;
}

} // namespace keymapctl
