// The member lists of the "info" and "param" blocks, for the describer.
#pragma once

#include <keymapmanager/json/memberdescription.h>

namespace ovelkeymapmanager {

// Appends the description of every member of the "info" and "param" blocks, of both kinds of document.
void describeBlocks(QList<KeymapMemberDescription>& out);

} // namespace ovelkeymapmanager
