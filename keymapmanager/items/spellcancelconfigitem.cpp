#include <keymapmanager/items/spellcancelconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

SpellCancelConfigItem::SpellCancelConfigItem() : ComposableConfigItem(QLatin1String(TypeName::SpellCancel)) {}

SpellCancelConfigItem::~SpellCancelConfigItem() = default;

Poco::JSON::Object SpellCancelConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::put(object, "is_in_use", isInUse);
    json::Object delay;
    json::put(delay, "delay_time", delayTime);
    json::put(object, "spell_cancel_delay_info", std::move(delay));
    return object;
}

void SpellCancelConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::read(object, "is_in_use", isInUse);
    if (const json::ObjectPtr delay = json::optionalObject(object, "spell_cancel_delay_info");
        !delay.isNull())
        json::readIf(delay, "delay_time", delayTime);
}

} // namespace ovelkeymapmanager
