#include <keymapmanager/items/wheelconfigitem.h>

#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, WheelConfigItem& item) {
    io.required("sensitivity", item.sensitivity);
    io.required("duration", item.duration);
    io.required("orientation", json::oneOf(item.orientation, Orientation::Values));
}

WheelConfigItem::WheelConfigItem() : PairConfigItem(QLatin1String(TypeName::Wheel)) {
    const QString keyboard = QLatin1String(Device::Keyboard);
    positive.key = makeConfigKey(keyboard, QStringLiteral("Direction_up"), 38, 328);
    negative.key = makeConfigKey(keyboard, QStringLiteral("Direction_down"), 40, 336);
}

WheelConfigItem::~WheelConfigItem() = default;

Poco::JSON::Object WheelConfigItem::toJson() const {
    return json::writtenAfter<PairConfigItem>(*this);
}

void WheelConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<PairConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, WheelConfigItem& item) {
    json::describedAfter<PairConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
