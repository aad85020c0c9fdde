// The four direction keys of a diamond item: "top_key", "bottom_key", "left_key", "right_key",
// members of the item's own object, read in that order and always all four written.
#pragma once

#include <keymapmanager/config/configkey_p.h>
#include <keymapmanager/items/diamondconfigitem.h>

namespace ovelkeymapmanager {

template <typename Io> void directionKeyMembers(Io& io, DiamondConfigItem& item, json::Presence presence) {
    io.member(presence, "top_key", item.topKey);
    io.member(presence, "bottom_key", item.bottomKey);
    io.member(presence, "left_key", item.leftKey);
    io.member(presence, "right_key", item.rightKey);
}

} // namespace ovelkeymapmanager
