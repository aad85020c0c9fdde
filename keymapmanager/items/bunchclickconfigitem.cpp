#include <keymapmanager/items/bunchclickconfigitem.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

BunchClickConfigItem::BunchClickConfigItem()
    : ComposableConfigItem(QLatin1String(TypeName::BunchClick)),
      bunchClickType(QLatin1String(BunchClickMode::Continue)) {}

BunchClickConfigItem::~BunchClickConfigItem() = default;

Poco::JSON::Object BunchClickConfigItem::toJson() const {
    Poco::JSON::Object object = ComposableConfigItem::toJson();
    json::put(object, "bunch_click_type", bunchClickType);
    json::put(object, "bunch_click_continue_number", continueNumber);
    json::put(object, "bunch_click_one_off_number", oneOffNumber);
    return object;
}

void BunchClickConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    ComposableConfigItem::fromJson(object);
    json::read(object, "bunch_click_type", bunchClickType);
    json::read(object, "bunch_click_continue_number", continueNumber);
    json::read(object, "bunch_click_one_off_number", oneOffNumber);
}

} // namespace ovelkeymapmanager
