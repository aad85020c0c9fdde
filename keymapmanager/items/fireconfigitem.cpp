#include <keymapmanager/items/fireconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

FireConfigItem::FireConfigItem() : ConfigItem(QLatin1String(TypeName::Fire)) {}

FireConfigItem::~FireConfigItem() = default;

} // namespace ovelkeymapmanager
