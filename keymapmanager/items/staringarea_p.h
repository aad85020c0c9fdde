// The staring area of the view-steering items, two objects of the item: "staring_range" (a QSizeF
// member) and "reset_policy". Items may list other members between them.
#pragma once

#include <keymapmanager/items/itemrecords.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

struct ResetPolicy {
    StaringArea& area;
};

template <typename Io> void jsonMembers(Io& io, ResetPolicy& policy) {
    io.required("reset_type", json::oneOf(policy.area.resetType, StaringRange::Values));
    io.required("reset_wait_interval", policy.area.resetWaitInterval);
    io.required("auto_reset_period", policy.area.autoResetPeriod);
    io.required("need_reset", policy.area.needReset);
}

} // namespace ovelkeymapmanager
