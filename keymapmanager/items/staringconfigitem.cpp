#include <keymapmanager/items/staringconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/items/staringarea_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, StaringConfigItem& item) {
    io.required("staring_range", item.staringRange);
    io.required("sensitivity_x", item.sensitivityX);
    io.required("sensitivity_y", item.sensitivityY);
    io.required("reset_policy", ResetPolicy{item});
    io.optional("input_policy", [&](auto& input) { input.optional("interval", item.inputInterval); });
}

StaringConfigItem::StaringConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Staring)) {}

StaringConfigItem::~StaringConfigItem() = default;

Poco::JSON::Object StaringConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void StaringConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, StaringConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
