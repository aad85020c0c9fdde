#include <keymapmanager/items/bunchclickconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

BunchClickConfigItem::BunchClickConfigItem() : ComposableConfigItem(QLatin1String(TypeName::BunchClick)) {}

BunchClickConfigItem::~BunchClickConfigItem() = default;

} // namespace ovelkeymapmanager
