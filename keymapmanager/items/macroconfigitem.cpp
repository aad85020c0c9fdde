#include <keymapmanager/items/macroconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

MacroConfigItem::MacroConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Macro)) {}

MacroConfigItem::~MacroConfigItem() = default;

} // namespace ovelkeymapmanager
