#include <keymapmanager/config/keymapconfig.h>

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/config/featureimageinfo_p.h>
#include <keymapmanager/config/keymapconfig_p.h>
#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/json/jsondescriber_p.h>

#include <Poco/JSON/Array.h>

#include <utility>

namespace ovelkeymapmanager {

namespace {

// "feature_images": groups of images. Elements of the wrong kind are skipped; an inner array
// without objects is an empty group.
struct FeatureImages : json::Hook {
    QList<QList<FeatureImageInfo>>& groups;
    bool decodeImages;

    FeatureImages(QList<QList<FeatureImageInfo>>& groups, bool decodeImages)
        : groups(groups), decodeImages(decodeImages) {}

    void read(json::Members parent, const char* name) {
        const Poco::JSON::Array::Ptr groupArrays = json::array(parent, name);
        for (std::size_t g = 0; g < groupArrays->size(); ++g) {
            const Poco::JSON::Array::Ptr images = groupArrays->getArray(static_cast<unsigned>(g));
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
            groups.append(group);
        }
    }

    void write(json::Object& target, const char* name) const {
        Poco::JSON::Array::Ptr groupArrays(new Poco::JSON::Array);
        for (const QList<FeatureImageInfo>& group : groups) {
            Poco::JSON::Array::Ptr images(new Poco::JSON::Array);
            for (const FeatureImageInfo& image : group)
                images->add(json::ObjectPtr(new json::Object(image.toJson())));
            groupArrays->add(images);
        }
        target.set(name, groupArrays);
    }

    static const char* kind() { return "array"; }
    // Every element of every group is an image record.
    void describeInside(json::Describer& describer, const char* name) const {
        FeatureImageInfo image;
        StoredFeatureImage stored{image, false};
        json::Describer images = describer.inside(QLatin1String(name) + QLatin1String("[][]"));
        jsonMembers(images, stored);
    }
};

// The info block, whose members depend on the kind of document, and whether reading decodes images.
struct InfoMembers {
    KeymapInfo& info;
    bool decodeImages;
};

template <typename Io> void jsonMembers(Io& io, InfoMembers& members) {
    KeymapInfo& info = members.info;
    const json::OnlyIn keymap = json::onlyIn(json::kKeymapDocument, info.isJoystick);
    const json::OnlyIn joystick = json::onlyIn(json::kJoystickDocument, info.isJoystick);
    io.optional("transparent_mouse", json::oneOf(info.transparentMousePolicy, MouseTransparency::Values),
                keymap);
    io.required("background_color", info.backgroundColour);
    io.required("visibility", info.visible);
    io.optional("transparent_ESC", info.transparentEsc, keymap);
    io.optional("transparent_wheel", info.transparentWheel, keymap);
    io.optional("is_joystick", info.isJoystick);
    io.optional("transparent_mouse_windows_raw_move_period", info.rawMovePeriod, keymap);
    io.optional("transparent_mouse_windows_raw_move_sensitivity", info.rawMoveSensitivity, keymap);
    io.optional("transparent_keyboard", info.transparentKeyboard, keymap);
    io.optional("transparent_joystick", info.transparentJoystick, joystick);
    io.optional("response_cursor_point_icon", info.responseCursorPointIcon);
    io.optional("feature_images", FeatureImages(info.featureImages, members.decodeImages),
                json::writtenWhen("there are feature images", [&] { return !info.featureImages.isEmpty(); }));
    io.optional("character_id", info.characterId,
                json::writtenWhen("it is not -1", [&] { return info.characterId != -1; }));
}

// The param block: a keymap document writes the wheel, transparent-wheel and virtual-joystick
// objects, a joystick document only the transparent-joystick object; reading takes any of them.
struct ParamMembers {
    KeymapParam& param;
    bool isJoystick;
};

template <typename Io> void jsonMembers(Io& io, ParamMembers& members) {
    KeymapParam& param = members.param;
    const json::OnlyIn keymap = json::onlyIn(json::kKeymapDocument, members.isJoystick);
    io.optional(
        "wheel_policy",
        [&](auto& wheel) {
            wheel.required("zoom_first_interval", param.zoomFirstInterval);
            wheel.required("zoom_last_idle", param.zoomLastIdle);
            wheel.required("zoom_period", param.zoomPeriod);
            wheel.required("zoom_steps", param.zoomSteps);
            wheel.required("zoom_margin", param.zoomMargin);
            wheel.required("zoom_step_distance", json::length(param.zoomStepDistance));
            wheel.optional("zoom_operation_shortcut_mode", param.zoomOperationShortcutMode);
            wheel.optional("zoom_degree", param.zoomDegree);
            wheel.optional("small_point_move_first", param.smallPointMoveFirst);
            wheel.required("wheel_step_distance", json::length(param.wheelStepDistance));
        },
        keymap);
    io.optional(
        "transparent_wheel_policy",
        [&](auto& wheel) {
            wheel.optional("sensitivity", param.transparentWheelSensitivity);
            wheel.optional("protocol_version", param.transparentWheelProtocolVersion);
        },
        keymap);
    io.optional(
        "transparent_joystick_policy",
        [&](auto& joystick) {
            joystick.optional("protocol_version", param.transparentJoystickProtocolVersion);
        },
        json::onlyIn(json::kJoystickDocument, members.isJoystick));
    io.optional(
        "virtual_joystick",
        [&](auto& joystick) { joystick.optional("enable", param.virtualJoystickEnabled); }, keymap);
}

} // namespace

Poco::JSON::Object KeymapInfo::toJson() const {
    json::Object object;
    json::writeMembers(object, InfoMembers{const_cast<KeymapInfo&>(*this), false});
    return object;
}

void KeymapInfo::fromJson(Poco::JSON::Object::Ptr object) {
    read(std::move(object), true);
}

void KeymapInfo::fromJsonWithoutImages(Poco::JSON::Object::Ptr object) {
    read(std::move(object), false);
}

void KeymapInfo::read(Poco::JSON::Object::Ptr object, bool decodeImages) {
    InfoMembers members{*this, decodeImages};
    json::readMembers(object, members);
}

Poco::JSON::Object KeymapParam::toJson(bool isJoystick) const {
    json::Object object;
    json::writeMembers(object, ParamMembers{const_cast<KeymapParam&>(*this), isJoystick});
    return object;
}

void KeymapParam::fromJson(Poco::JSON::Object::Ptr object) {
    ParamMembers members{*this, false};
    json::readMembers(object, members);
}

void describeBlocks(QList<KeymapMemberDescription>& out) {
    KeymapInfo info;
    InfoMembers infoMembers{info, false};
    json::describe(out, QStringLiteral("info"), infoMembers);
    KeymapParam param;
    ParamMembers paramMembers{param, false};
    json::describe(out, QStringLiteral("param"), paramMembers);
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
