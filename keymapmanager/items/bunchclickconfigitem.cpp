#include <keymapmanager/items/bunchclickconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/bunchclick_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, BunchClickConfigItem& item) {
    bunchClickMembers(io, item);
}

BunchClickConfigItem::BunchClickConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::BunchClick)),
      bunchClickType(QLatin1String(BunchClickMode::Continue)) {}

BunchClickConfigItem::~BunchClickConfigItem() = default;

Poco::JSON::Object BunchClickConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::writeMembers(object, *this);
    return object;
}

void BunchClickConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::readMembers(object, *this);
}

} // namespace ovelkeymapmanager
