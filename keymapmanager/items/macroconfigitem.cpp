#include <keymapmanager/items/macroconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, MacroConfigItem& item) {
    io.optional("press_actions", json::macroText(item.pressActions));
    io.optional("release_actions", json::macroText(item.releaseActions));
}

MacroConfigItem::MacroConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Macro)) {}

MacroConfigItem::~MacroConfigItem() = default;

Poco::JSON::Object MacroConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void MacroConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, MacroConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
