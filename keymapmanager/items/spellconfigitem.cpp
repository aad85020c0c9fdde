#include <keymapmanager/items/spellconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

SpellConfigItem::SpellConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Spell)) {}

SpellConfigItem::~SpellConfigItem() = default;

} // namespace ovelkeymapmanager
