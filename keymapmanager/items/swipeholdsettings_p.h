// The settings of a swipe-hold stick, which a swipe-hold item and a spell's "swipehold_info" both
// hold under the same field names: named once here, listed once in reading order.
#pragma once

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/swipeholdpolicies_p.h>

#include <tuple>

namespace ovelkeymapmanager {

// The settings fields of a holder. Assigning one holder's to another's copies them all; the radius
// is left out, as the two holders name it differently.
template <typename Holder> auto swipeholdSettings(Holder& holder) {
    return std::tie(holder.firstPointPolicy, holder.subsequentPointPolicy,
                    holder.holdCenterIntervalAfterRelease, holder.inLinePolicy, holder.targetPointPolicy);
}

// Every setting is optional. Between the two point policies and the rest, holdersMembers() lists the
// holder's own members at that place of the reading order.
template <typename Io, typename Holder, typename HoldersMembers>
void swipeholdSettingMembers(Io& io, Holder& holder, HoldersMembers holdersMembers) {
    auto [firstPoint, subsequentPoint, holdCentre, inLine, targetPoint] = swipeholdSettings(holder);
    io.optional("first_point_policy", firstPoint);
    io.optional("subsequent_point_policy", subsequentPoint);
    holdersMembers();
    io.optional("hold_center_interval_after_release", holdCentre);
    io.optional("in_line_policy", json::oneOf(inLine, SwipeholdValue::Values));
    io.optional("target_point_input_compensatory_policy", targetPoint);
}

} // namespace ovelkeymapmanager
