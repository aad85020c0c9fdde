// The description of every member a keymap document may hold, made by running the member lists of
// the items and of the "info" and "param" blocks through the describer.
#pragma once

#include <keymapmanager/json/memberdescription.h>

namespace ovelkeymapmanager {

// Every item type's members (in the order of the type names), then those of "info" and "param".
QList<KeymapMemberDescription> describeDocument();

} // namespace ovelkeymapmanager
