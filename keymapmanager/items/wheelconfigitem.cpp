#include <keymapmanager/items/wheelconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

WheelConfigItem::WheelConfigItem() : PairConfigItem(QLatin1String(TypeName::Wheel)) {}

WheelConfigItem::~WheelConfigItem() = default;

} // namespace ovelkeymapmanager
