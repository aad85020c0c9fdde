// keymapctl schema: the JSON Schema of keymap files, made from the library's description of their
// members; schema/keymap.schema.json is its output.
#include "commands.h"
#include "common/cli.h"
#include "schema/schema_generator.h"

namespace keymapctl {

int runSchema(const QStringList& arguments) {
    CommandLine cli(
        QStringLiteral("schema"),
        QStringLiteral("Prints the JSON Schema (draft 2020-12) of keymap files, made from the "
                       "library's description of every member: what schema/keymap.schema.json holds."),
        QString());
    if (const auto code = cli.parse(arguments, 0, 0))
        return *code;
    out() << keymapSchema();
    return kOk;
}

} // namespace keymapctl
