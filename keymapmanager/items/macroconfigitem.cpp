#include <keymapmanager/items/macroconfigitem.h>

#include <keymapmanager/config/jsonmembers_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, MacroConfigItem& item) {
    io.optional("press_actions", item.pressActions);
    io.optional("release_actions", item.releaseActions);
}

MacroConfigItem::MacroConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Macro)) {}

MacroConfigItem::~MacroConfigItem() = default;

Poco::JSON::Object MacroConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::writeMembers(object, *this);
    return object;
}

void MacroConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::readMembers(object, *this);
}

} // namespace ovelkeymapmanager
