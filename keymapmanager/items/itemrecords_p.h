// The JSON form of the field groups in itemrecords.h, shared by every class that carries them.
#pragma once

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/items/itemrecords.h>

namespace ovelkeymapmanager::records {

// "staring_range" {"rel_width", "rel_height"} and "reset_policy" {"reset_type",
// "reset_wait_interval", "auto_reset_period", "need_reset"}.
void putStaringArea(json::Object& item, const StaringArea& area);
// The two objects are read apart: an item may read other members between them.
void readStaringRange(json::Members item, StaringArea& area);
void readResetPolicy(json::Members item, StaringArea& area);

// "bunch_click_type", "bunch_click_continue_number", "bunch_click_one_off_number", all required.
void putBunchClick(json::Object& item, const BunchClickSettings& settings);
void readBunchClick(json::Members item, BunchClickSettings& settings);

// "invalid_zone_info" {"enable", "rel_radius_inside_invalid_zone", "rel_radius_outside_invalid_zone"},
// shared by fire and spell items; all three members required once the object is present.
void putInvalidZone(json::Object& parent, bool enable, double innerRadius, double outerRadius);
void readInvalidZoneIf(json::Members parent, bool& enable, double& innerRadius, double& outerRadius);

} // namespace ovelkeymapmanager::records
