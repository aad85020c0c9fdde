// What the item classes share about their JSON members: each class describes its whole member list
// (its bases' members first) through an overload of describeMembers, defined beside the class's list.
#pragma once

namespace ovelkeymapmanager {

namespace json {
class Describer;
}
class ConfigItem;

void describeMembers(json::Describer& describer, ConfigItem& item);

} // namespace ovelkeymapmanager
