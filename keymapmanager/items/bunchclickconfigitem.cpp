#include <keymapmanager/items/bunchclickconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/bunchclick_p.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, BunchClickConfigItem& item) {
    bunchClickMembers(io, item);
}

BunchClickConfigItem::BunchClickConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::BunchClick)),
      bunchClickType(QLatin1String(BunchClickMode::Continue)) {}

BunchClickConfigItem::~BunchClickConfigItem() = default;

Poco::JSON::Object BunchClickConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void BunchClickConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, BunchClickConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
