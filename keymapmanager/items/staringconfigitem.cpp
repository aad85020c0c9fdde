#include <keymapmanager/items/staringconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

StaringConfigItem::StaringConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Staring)) {}

StaringConfigItem::~StaringConfigItem() = default;

} // namespace ovelkeymapmanager
