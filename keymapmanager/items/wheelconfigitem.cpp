#include <keymapmanager/items/wheelconfigitem.h>

#include <keymapmanager/config/json_p.h>

namespace ovelkeymapmanager {

WheelConfigItem::WheelConfigItem() : PairConfigItem(QLatin1String(TypeName::Wheel)) {
    const QString keyboard = QLatin1String(Device::Keyboard);
    positive.key = makeConfigKey(keyboard, QStringLiteral("Direction_up"), 38, 328);
    negative.key = makeConfigKey(keyboard, QStringLiteral("Direction_down"), 40, 336);
}

WheelConfigItem::~WheelConfigItem() = default;

Poco::JSON::Object WheelConfigItem::toJson() const {
    Poco::JSON::Object object = PairConfigItem::toJson();
    json::put(object, "sensitivity", sensitivity);
    json::put(object, "duration", duration);
    json::put(object, "orientation", orientation);
    return object;
}

void WheelConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    PairConfigItem::fromJson(object);
    json::read(object, "sensitivity", sensitivity);
    json::read(object, "duration", duration);
    json::read(object, "orientation", orientation);
}

} // namespace ovelkeymapmanager
