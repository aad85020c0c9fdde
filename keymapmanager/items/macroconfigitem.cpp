#include <keymapmanager/items/macroconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

MacroConfigItem::MacroConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Macro)) {}

MacroConfigItem::~MacroConfigItem() = default;

Poco::JSON::Object MacroConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::put(object, "press_actions", pressActions);
    json::put(object, "release_actions", releaseActions);
    return object;
}

void MacroConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::appendStringsIf(object, "press_actions", pressActions);
    json::appendStringsIf(object, "release_actions", releaseActions);
}

} // namespace ovelkeymapmanager
