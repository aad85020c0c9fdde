// JSON form of the swipe-hold policy records, as members of the shared JSON helpers so that
// json::read, json::readIf and json::put take them like any other value.
#pragma once

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/items/swipeholdpolicies.h>

namespace ovelkeymapmanager::json {

// Each reader takes the policy object (required once called) and reads its required members,
// then its optional ones.
void read(Members parent, const char* name, FirstPointPolicy& out);
void read(Members parent, const char* name, SubsequentPointPolicy& out);
void read(Members parent, const char* name, TargetPointCompensatoryPolicy& out);

void put(Object& target, const char* name, const FirstPointPolicy& policy);
void put(Object& target, const char* name, const SubsequentPointPolicy& policy);
void put(Object& target, const char* name, const TargetPointCompensatoryPolicy& policy);

} // namespace ovelkeymapmanager::json
