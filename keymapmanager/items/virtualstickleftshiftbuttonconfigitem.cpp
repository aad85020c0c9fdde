#include <keymapmanager/items/virtualstickleftshiftbuttonconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, VirtualStickLeftShiftButtonConfigItem& item) {
    io.optional("virtual_joystick_left_stick_shift_button_policy",
                [&](auto& policy) { policy.optional("factor", item.factor); });
}

VirtualStickLeftShiftButtonConfigItem::VirtualStickLeftShiftButtonConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::VirtualLeftStickShiftButton)) {}

VirtualStickLeftShiftButtonConfigItem::~VirtualStickLeftShiftButtonConfigItem() = default;

Poco::JSON::Object VirtualStickLeftShiftButtonConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void VirtualStickLeftShiftButtonConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, VirtualStickLeftShiftButtonConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
