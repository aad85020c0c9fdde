#include <keymapmanager/items/itemrecords_p.h>

#include <utility>

namespace ovelkeymapmanager::records {

void putStaringArea(json::Object& item, const StaringArea& area) {
    json::Object range;
    json::put(range, "rel_width", area.staringRange.width());
    json::put(range, "rel_height", area.staringRange.height());
    json::put(item, "staring_range", std::move(range));

    json::Object reset;
    json::put(reset, "reset_type", area.resetType);
    json::put(reset, "reset_wait_interval", area.resetWaitInterval);
    json::put(reset, "auto_reset_period", area.autoResetPeriod);
    json::put(reset, "need_reset", area.needReset);
    json::put(item, "reset_policy", std::move(reset));
}

void readStaringRange(json::Members item, StaringArea& area) {
    const json::ObjectPtr range = json::object(item, "staring_range");
    json::read(range, "rel_width", area.staringRange.rwidth());
    json::read(range, "rel_height", area.staringRange.rheight());
}

void readResetPolicy(json::Members item, StaringArea& area) {
    const json::ObjectPtr reset = json::object(item, "reset_policy");
    json::read(reset, "reset_type", area.resetType);
    json::read(reset, "reset_wait_interval", area.resetWaitInterval);
    json::read(reset, "auto_reset_period", area.autoResetPeriod);
    json::read(reset, "need_reset", area.needReset);
}

void putBunchClick(json::Object& item, const BunchClickSettings& settings) {
    json::put(item, "bunch_click_type", settings.bunchClickType);
    json::put(item, "bunch_click_continue_number", settings.continueNumber);
    json::put(item, "bunch_click_one_off_number", settings.oneOffNumber);
}

void readBunchClick(json::Members item, BunchClickSettings& settings) {
    json::read(item, "bunch_click_type", settings.bunchClickType);
    json::read(item, "bunch_click_continue_number", settings.continueNumber);
    json::read(item, "bunch_click_one_off_number", settings.oneOffNumber);
}

void putInvalidZone(json::Object& parent, bool enable, double innerRadius, double outerRadius) {
    json::Object zone;
    json::put(zone, "enable", enable);
    json::put(zone, "rel_radius_inside_invalid_zone", innerRadius);
    json::put(zone, "rel_radius_outside_invalid_zone", outerRadius);
    json::put(parent, "invalid_zone_info", std::move(zone));
}

void readInvalidZoneIf(json::Members parent, bool& enable, double& innerRadius, double& outerRadius) {
    if (const json::ObjectPtr zone = json::optionalObject(parent, "invalid_zone_info")) {
        json::read(zone, "enable", enable);
        json::read(zone, "rel_radius_inside_invalid_zone", innerRadius);
        json::read(zone, "rel_radius_outside_invalid_zone", outerRadius);
    }
}

} // namespace ovelkeymapmanager::records
