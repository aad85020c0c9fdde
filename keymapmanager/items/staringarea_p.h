// The staring area of the view-steering items, two objects of the item: "staring_range" and
// "reset_policy". Items may list other members between them.
#pragma once

#include <keymapmanager/json/jsonmembers_p.h>
#include <keymapmanager/items/itemrecords.h>

namespace ovelkeymapmanager {

struct StaringRangeSize {
    QSizeF& size;
};

template <typename Io> void jsonMembers(Io& io, StaringRangeSize& range) {
    io.required("rel_width", range.size.rwidth());
    io.required("rel_height", range.size.rheight());
}

struct ResetPolicy {
    StaringArea& area;
};

template <typename Io> void jsonMembers(Io& io, ResetPolicy& policy) {
    io.required("reset_type", policy.area.resetType);
    io.required("reset_wait_interval", policy.area.resetWaitInterval);
    io.required("auto_reset_period", policy.area.autoResetPeriod);
    io.required("need_reset", policy.area.needReset);
}

} // namespace ovelkeymapmanager
