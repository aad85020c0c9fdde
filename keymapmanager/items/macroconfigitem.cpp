#include <keymapmanager/items/macroconfigitem.h>

#include <keymapmanager/json/jsonmembers_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, MacroConfigItem& item) {
    io.optional("press_actions", item.pressActions);
    io.optional("release_actions", item.releaseActions);
}

MacroConfigItem::MacroConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Macro)) {}

MacroConfigItem::~MacroConfigItem() = default;

Poco::JSON::Object MacroConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void MacroConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

} // namespace ovelkeymapmanager
