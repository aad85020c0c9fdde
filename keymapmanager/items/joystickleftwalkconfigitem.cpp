#include <keymapmanager/items/joystickleftwalkconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

JoystickLeftWalkConfigItem::JoystickLeftWalkConfigItem() : ConfigItem(QLatin1String(TypeName::LeftStickWalk)) {}

JoystickLeftWalkConfigItem::~JoystickLeftWalkConfigItem() = default;

} // namespace ovelkeymapmanager
