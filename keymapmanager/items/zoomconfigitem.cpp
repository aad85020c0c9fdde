#include <keymapmanager/items/zoomconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

ZoomConfigItem::ZoomConfigItem() : PairConfigItem(QLatin1String(TypeName::Zoom)) {}

ZoomConfigItem::~ZoomConfigItem() = default;

} // namespace ovelkeymapmanager
