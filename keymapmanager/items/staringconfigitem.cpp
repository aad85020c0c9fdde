#include <keymapmanager/items/staringconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemrecords_p.h>

namespace ovelkeymapmanager {

StaringConfigItem::StaringConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Staring)) {}

StaringConfigItem::~StaringConfigItem() = default;

Poco::JSON::Object StaringConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    records::putStaringArea(object, *this);
    json::put(object, "sensitivity_x", sensitivityX);
    json::put(object, "sensitivity_y", sensitivityY);
    json::putNested(object, "input_policy", "interval", inputInterval);
    return object;
}

void StaringConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    records::readStaringRange(object, *this);
    json::read(object, "sensitivity_x", sensitivityX);
    json::read(object, "sensitivity_y", sensitivityY);
    records::readResetPolicy(object, *this);
    json::readNestedIf(object, "input_policy", "interval", inputInterval);
}

} // namespace ovelkeymapmanager
