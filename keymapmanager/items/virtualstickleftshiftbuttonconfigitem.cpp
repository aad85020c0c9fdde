#include <keymapmanager/items/virtualstickleftshiftbuttonconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

VirtualStickLeftShiftButtonConfigItem::VirtualStickLeftShiftButtonConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::VirtualLeftStickShiftButton)) {}

VirtualStickLeftShiftButtonConfigItem::~VirtualStickLeftShiftButtonConfigItem() = default;

Poco::JSON::Object VirtualStickLeftShiftButtonConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::putNested(object, "virtual_joystick_left_stick_shift_button_policy", "factor", factor);
    return object;
}

void VirtualStickLeftShiftButtonConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::readNestedIf(object, "virtual_joystick_left_stick_shift_button_policy", "factor", factor);
}

} // namespace ovelkeymapmanager
