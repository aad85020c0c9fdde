// "invalid_zone_info", the ring around a touch's centre that moves nothing, shared by fire and spell
// items under fields of their own names; all three members required once the object is present.
#pragma once

#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

struct InvalidZone {
    bool& enable;
    double& innerRadius;
    double& outerRadius;
};

template <typename Io> void jsonMembers(Io& io, InvalidZone& zone) {
    io.required("enable", zone.enable);
    io.required("rel_radius_inside_invalid_zone", json::length(zone.innerRadius));
    io.required("rel_radius_outside_invalid_zone", json::length(zone.outerRadius));
}

} // namespace ovelkeymapmanager
