#include <keymapmanager/items/curveconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

CurveConfigItem::CurveConfigItem() : ComposableConfigItem(QLatin1String(TypeName::Curve)) {}

CurveConfigItem::~CurveConfigItem() = default;

} // namespace ovelkeymapmanager
