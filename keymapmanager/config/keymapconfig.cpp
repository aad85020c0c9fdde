#include <keymapmanager/config/keymapconfig.h>

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/json/json_p.h>

#include <Poco/JSON/Array.h>

#include <utility>

namespace ovelkeymapmanager {

Poco::JSON::Object KeymapInfo::toJson() const {
    json::Object object;
    json::put(object, "background_color", backgroundColour);
    json::put(object, "visibility", visible);
    json::put(object, "is_joystick", isJoystick);
    json::put(object, "response_cursor_point_icon", responseCursorPointIcon);
    if (isJoystick) {
        json::put(object, "transparent_joystick", transparentJoystick);
    } else {
        json::put(object, "transparent_mouse", transparentMousePolicy);
        json::put(object, "transparent_ESC", transparentEsc);
        json::put(object, "transparent_wheel", transparentWheel);
        json::put(object, "transparent_mouse_windows_raw_move_period", rawMovePeriod);
        json::put(object, "transparent_mouse_windows_raw_move_sensitivity", rawMoveSensitivity);
        json::put(object, "transparent_keyboard", transparentKeyboard);
    }
    if (!featureImages.isEmpty()) {
        Poco::JSON::Array::Ptr groups(new Poco::JSON::Array);
        for (const QList<FeatureImageInfo>& group : featureImages) {
            Poco::JSON::Array::Ptr images(new Poco::JSON::Array);
            for (const FeatureImageInfo& image : group)
                images->add(json::ObjectPtr(new json::Object(image.toJson())));
            groups->add(images);
        }
        object.set("feature_images", groups);
    }
    if (characterId != -1)
        json::put(object, "character_id", characterId);
    return object;
}

void KeymapInfo::fromJson(Poco::JSON::Object::Ptr object) {
    read(std::move(object), true);
}

void KeymapInfo::fromJsonWithoutImages(Poco::JSON::Object::Ptr object) {
    read(std::move(object), false);
}

void KeymapInfo::read(Poco::JSON::Object::Ptr object, bool decodeImages) {
    json::readIf(object, "transparent_mouse", transparentMousePolicy);
    json::read(object, "background_color", backgroundColour);
    json::read(object, "visibility", visible);
    json::readIf(object, "transparent_ESC", transparentEsc);
    json::readIf(object, "transparent_wheel", transparentWheel);
    json::readIf(object, "is_joystick", isJoystick);
    json::readIf(object, "transparent_mouse_windows_raw_move_period", rawMovePeriod);
    json::readIf(object, "transparent_mouse_windows_raw_move_sensitivity", rawMoveSensitivity);
    json::readIf(object, "transparent_keyboard", transparentKeyboard);
    json::readIf(object, "transparent_joystick", transparentJoystick);
    json::readIf(object, "response_cursor_point_icon", responseCursorPointIcon);
    if (object->has("feature_images")) {
        // Elements of the wrong kind are skipped; an inner array without objects is an empty group.
        const Poco::JSON::Array::Ptr groups = json::array(object, "feature_images");
        for (std::size_t g = 0; g < groups->size(); ++g) {
            const Poco::JSON::Array::Ptr images = groups->getArray(static_cast<unsigned>(g));
            if (images.isNull())
                continue;
            QList<FeatureImageInfo> group;
            for (std::size_t i = 0; i < images->size(); ++i) {
                json::ObjectPtr image = images->getObject(static_cast<unsigned>(i));
                if (image.isNull())
                    continue;
                FeatureImageInfo info;
                if (decodeImages)
                    info.fromJson(*image);
                else
                    info.fromJsonWithoutImage(*image);
                group.append(info);
            }
            featureImages.append(group);
        }
    }
    json::readIf(object, "character_id", characterId);
}

Poco::JSON::Object KeymapParam::toJson(bool isJoystick) const {
    json::Object object;
    if (isJoystick) {
        json::Object joystick;
        json::put(joystick, "protocol_version", transparentJoystickProtocolVersion);
        json::put(object, "transparent_joystick_policy", std::move(joystick));
        return object;
    }
    json::Object wheel;
    json::put(wheel, "zoom_first_interval", zoomFirstInterval);
    json::put(wheel, "zoom_steps", zoomSteps);
    json::put(wheel, "zoom_period", zoomPeriod);
    json::put(wheel, "zoom_margin", zoomMargin);
    json::put(wheel, "zoom_last_idle", zoomLastIdle);
    json::put(wheel, "wheel_step_distance", wheelStepDistance);
    json::put(wheel, "zoom_step_distance", zoomStepDistance);
    json::put(wheel, "zoom_operation_shortcut_mode", zoomOperationShortcutMode);
    json::put(wheel, "zoom_degree", zoomDegree);
    json::put(wheel, "small_point_move_first", smallPointMoveFirst);
    json::put(object, "wheel_policy", std::move(wheel));

    json::Object transparentWheel;
    json::put(transparentWheel, "sensitivity", transparentWheelSensitivity);
    json::put(transparentWheel, "protocol_version", transparentWheelProtocolVersion);
    json::put(object, "transparent_wheel_policy", std::move(transparentWheel));

    json::Object virtualJoystick;
    json::put(virtualJoystick, "enable", virtualJoystickEnabled);
    json::put(object, "virtual_joystick", std::move(virtualJoystick));
    return object;
}

void KeymapParam::fromJson(Poco::JSON::Object::Ptr object) {
    if (const json::ObjectPtr wheel = json::optionalObject(object, "wheel_policy")) {
        json::read(wheel, "zoom_first_interval", zoomFirstInterval);
        json::read(wheel, "zoom_last_idle", zoomLastIdle);
        json::read(wheel, "zoom_period", zoomPeriod);
        json::read(wheel, "zoom_steps", zoomSteps);
        json::read(wheel, "zoom_margin", zoomMargin);
        json::read(wheel, "zoom_step_distance", zoomStepDistance);
        json::readIf(wheel, "zoom_operation_shortcut_mode", zoomOperationShortcutMode);
        json::readIf(wheel, "zoom_degree", zoomDegree);
        json::readIf(wheel, "small_point_move_first", smallPointMoveFirst);
        json::read(wheel, "wheel_step_distance", wheelStepDistance);
    }
    if (const json::ObjectPtr transparentWheel = json::optionalObject(object, "transparent_wheel_policy")) {
        json::readIf(transparentWheel, "sensitivity", transparentWheelSensitivity);
        json::readIf(transparentWheel, "protocol_version", transparentWheelProtocolVersion);
    }
    if (const json::ObjectPtr joystick = json::optionalObject(object, "transparent_joystick_policy"))
        json::readIf(joystick, "protocol_version", transparentJoystickProtocolVersion);
    if (const json::ObjectPtr virtualJoystick = json::optionalObject(object, "virtual_joystick"))
        json::readIf(virtualJoystick, "enable", virtualJoystickEnabled);
}

KeymapConfig::KeymapConfig() : info(new KeymapInfo), param(new KeymapParam) {}

KeymapConfig::KeymapConfig(QList<ConfigItem*> items, KeymapInfo* info, KeymapParam* param)
    : items(std::move(items)), info(info), param(param) {}

KeymapConfig::~KeymapConfig() {
    delete info;
    delete param;
    qDeleteAll(items);
    items.clear();
}

} // namespace ovelkeymapmanager
