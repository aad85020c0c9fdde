#include <keymapmanager/items/virtualstickleftshiftbuttonconfigitem.h>

#include <keymapmanager/json/jsonmembers_p.h>
#include <keymapmanager/config/vocabulary.h>

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

} // namespace ovelkeymapmanager
