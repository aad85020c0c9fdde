#include <keymapmanager/items/observeconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

ObserveConfigItem::ObserveConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Observe)) {
    key = makeConfigKey(QLatin1String(Device::Keyboard), QStringLiteral("Alt"), 18, 56);
}

ObserveConfigItem::~ObserveConfigItem() = default;

Poco::JSON::Object ObserveConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::put(object, "sensitivity_x", sensitivityX);
    json::put(object, "sensitivity_y", sensitivityY);
    json::put(object, "sensitivity", sensitivity);
    json::putNested(object, "input_policy", "interval", inputInterval);
    return object;
}

void ObserveConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::read(object, "sensitivity_x", sensitivityX);
    json::read(object, "sensitivity_y", sensitivityY);
    json::read(object, "sensitivity", sensitivity);
    json::readNestedIf(object, "input_policy", "interval", inputInterval);
}

} // namespace ovelkeymapmanager
