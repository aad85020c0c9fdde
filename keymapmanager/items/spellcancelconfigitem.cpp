#include <keymapmanager/items/spellcancelconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

SpellCancelConfigItem::SpellCancelConfigItem() : ComposableConfigItem(QLatin1String(TypeName::SpellCancel)) {}

SpellCancelConfigItem::~SpellCancelConfigItem() = default;

} // namespace ovelkeymapmanager
