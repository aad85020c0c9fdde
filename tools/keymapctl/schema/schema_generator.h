// The JSON Schema (draft 2020-12) of keymap documents, made from the library's description of
// their members (DescribeKeymapMembers) and the words of schema_prose.
#pragma once

#include <QString>

namespace keymapctl {

// The schema's text, as schema/keymap.schema.json holds it.
QString keymapSchema();

} // namespace keymapctl
