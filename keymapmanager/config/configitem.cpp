#include <keymapmanager/config/configitem.h>

#include <keymapmanager/config/configitem_p.h>
#include <keymapmanager/config/configkey_p.h>
#include <keymapmanager/json/jsondescriber_p.h>

#include <utility>

namespace ovelkeymapmanager {

// The members of every item, which each class's own list follows.
template <typename Io> static void jsonMembers(Io& io, ConfigItem& item) {
    io.required("type", item.typeName);
    io.required("rel_work_position", json::position(item.workPositionX, item.workPositionY));
    io.required("editor_icon_scale", item.editorIconScale);
    io.required("key", item.key);
    io.required("icon", [&](auto& icon) {
        icon.required("visibility", item.iconVisible);
        icon.required("radius_correction", item.iconRadiusCorrection);
        icon.required("background_color", item.iconBackgroundColour);
        icon.required("rel_position", json::position(item.iconPositionX, item.iconPositionY));
        icon.required("description", item.iconDescription);
    });
}

ConfigItem::ConfigItem(QString typeName) : typeName(std::move(typeName)) {}

ConfigItem::~ConfigItem() = default;

Poco::JSON::Object ConfigItem::toJson() const {
    Poco::JSON::Object object;
    json::writeMembers(object, *this);
    return object;
}

void ConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::readMembers(object, *this);
}

void describeMembers(json::Describer& describer, ConfigItem& item) {
    jsonMembers(describer, item);
}

bool ConfigItem::isKeyUnset() const {
    return key.isUnset();
}

bool ConfigItem::isKeyMatch(const ConfigKey& given) const {
    return key.matches(given);
}

} // namespace ovelkeymapmanager
