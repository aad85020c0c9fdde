// Moving a whole document to another screen: every item, the "info" and "param" blocks, by the
// geometry roles of their members.
#pragma once

#include <keymapmanager/retarget/retarget.h>

#include <QSize>

namespace ovelkeymapmanager {

class KeymapConfig;

// A new document, owned by the caller; null when the sizes are not both positive or the safe
// aspect is neither 0 nor a positive finite number. report is filled anew.
KeymapConfig* retargetDocument(const KeymapConfig& document, const QSize& from, const QSize& to,
                               const KeymapRetargetOptions& options, KeymapRetargetReport& report);

} // namespace ovelkeymapmanager
