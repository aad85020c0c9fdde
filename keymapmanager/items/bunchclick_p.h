// The burst settings of a bunch click: members of the item's own object, all required. They are
// BunchClickSettings on a virtual controller button, and fields of the same names on a bunch-click item.
#pragma once

#include <keymapmanager/items/itemrecords.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io, typename Settings> void bunchClickMembers(Io& io, Settings& settings) {
    io.required("bunch_click_type", json::oneOf(settings.bunchClickType, BunchClickMode::Values));
    io.required("bunch_click_continue_number", settings.continueNumber);
    io.required("bunch_click_one_off_number", settings.oneOffNumber);
}

} // namespace ovelkeymapmanager
