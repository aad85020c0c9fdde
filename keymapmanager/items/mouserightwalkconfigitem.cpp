#include <keymapmanager/items/mouserightwalkconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

MouseRightWalkConfigItem::MouseRightWalkConfigItem() : ConfigItem(QLatin1String(TypeName::RightWalk)) {}

MouseRightWalkConfigItem::~MouseRightWalkConfigItem() = default;

} // namespace ovelkeymapmanager
