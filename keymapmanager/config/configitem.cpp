#include <keymapmanager/config/configitem.h>

#include <keymapmanager/config/json_p.h>

#include <utility>

namespace ovelkeymapmanager {

ConfigItem::ConfigItem(QString typeName) : typeName(std::move(typeName)) {}

ConfigItem::~ConfigItem() = default;

Poco::JSON::Object ConfigItem::toJson() const {
    json::Object icon;
    json::put(icon, "visibility", iconVisible);
    json::put(icon, "radius_correction", iconRadiusCorrection);
    json::put(icon, "background_color", iconBackgroundColour);
    json::putPosition(icon, "rel_position", iconPositionX, iconPositionY);
    json::put(icon, "description", iconDescription);

    json::Object object;
    json::put(object, "type", typeName);
    json::putPosition(object, "rel_work_position", workPositionX, workPositionY);
    json::put(object, "editor_icon_scale", editorIconScale);
    json::put(object, "key", key);
    json::put(object, "icon", std::move(icon));
    return object;
}

void ConfigItem::fromJson(Poco::JSON::Object::Ptr object) {
    json::read(object, "type", typeName);
    json::readPosition(object, "rel_work_position", workPositionX, workPositionY);
    json::read(object, "editor_icon_scale", editorIconScale);
    json::read(object, "key", key);
    const json::ObjectPtr icon = json::object(object, "icon");
    json::read(icon, "visibility", iconVisible);
    json::read(icon, "radius_correction", iconRadiusCorrection);
    json::read(icon, "background_color", iconBackgroundColour);
    json::readPosition(icon, "rel_position", iconPositionX, iconPositionY);
    json::read(icon, "description", iconDescription);
}

bool ConfigItem::isKeyUnset() const {
    return key.isUnset();
}

bool ConfigItem::isKeyMatch(const ConfigKey& given) const {
    return key.matches(given);
}

} // namespace ovelkeymapmanager
