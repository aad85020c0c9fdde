#include <keymapmanager/items/observeconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, ObserveConfigItem& item) {
    io.required("sensitivity_x", item.sensitivityX);
    io.required("sensitivity_y", item.sensitivityY);
    io.required("sensitivity", item.sensitivity);
    io.optional("input_policy", [&](auto& input) { input.optional("interval", item.inputInterval); });
}

ObserveConfigItem::ObserveConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Observe)) {
    key = makeConfigKey(QLatin1String(Device::Keyboard), QStringLiteral("Alt"), 18, 56);
}

ObserveConfigItem::~ObserveConfigItem() = default;

Poco::JSON::Object ObserveConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void ObserveConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, ObserveConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
