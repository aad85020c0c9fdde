// The lint rules that compare a file's members with what the library reads and writes: members
// no reader takes, values that loading converts, enumeration values outside their vocabulary and
// key texts that differ from what the key's device and scan code give.
#pragma once

#include "document.h"
#include "findings.h"

namespace keymapctl {

void lintMembers(const LoadedDocument& document, FindingReport& report);

} // namespace keymapctl
