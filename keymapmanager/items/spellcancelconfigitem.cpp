#include <keymapmanager/items/spellcancelconfigitem.h>

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/itemmembers_p.h>
#include <keymapmanager/json/jsondescriber_p.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> static void jsonMembers(Io& io, SpellCancelConfigItem& item) {
    io.required("is_in_use", item.isInUse);
    io.optional("spell_cancel_delay_info",
                [&](auto& delay) { delay.optional("delay_time", item.delayTime); });
}

SpellCancelConfigItem::SpellCancelConfigItem() : ComposableConfigItem(QLatin1String(TypeName::SpellCancel)) {}

SpellCancelConfigItem::~SpellCancelConfigItem() = default;

Poco::JSON::Object SpellCancelConfigItem::toJson() const {
    return json::writtenAfter<ComposableConfigItem>(*this);
}

void SpellCancelConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readAfter<ComposableConfigItem>(*this, object);
}

void describeMembers(json::Describer& describer, SpellCancelConfigItem& item) {
    json::describedAfter<ComposableConfigItem>(describer, item);
}

} // namespace ovelkeymapmanager
