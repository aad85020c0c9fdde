#include <keymapmanager/config/itemfactory_p.h>

#include <keymapmanager/config/json_p.h>
#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/allitems.h>

#include <memory>

namespace ovelkeymapmanager {

namespace {

using Maker = ConfigItem* (*)();

template <typename Item> ConfigItem* make() { return new Item; }

struct Entry {
    const char* typeName;
    Maker maker;
};

// One row per type name; the order is that of the vocabulary.
constexpr Entry kEntries[] = {
    {TypeName::Click, make<ClickConfigItem>},
    {TypeName::BunchClick, make<BunchClickConfigItem>},
    {TypeName::Fire, make<FireConfigItem>},
    {TypeName::RightWalk, make<MouseRightWalkConfigItem>},
    {TypeName::Spell, make<SpellConfigItem>},
    {TypeName::Staring, make<StaringConfigItem>},
    {TypeName::Swipehold, make<SwipeholdConfigItem>},
    {TypeName::Eye, make<EyeConfigItem>},
    {TypeName::Curve, make<CurveConfigItem>},
    {TypeName::SpellCancel, make<SpellCancelConfigItem>},
    {TypeName::LeftStickWalk, make<JoystickLeftWalkConfigItem>},
    {TypeName::RightStickEye, make<JoystickRightEyeConfigItem>},
    {TypeName::Macro, make<MacroConfigItem>},
    {TypeName::Gravity, make<GravityConfigItem>},
    {TypeName::Wheel, make<WheelConfigItem>},
    {TypeName::Zoom, make<ZoomConfigItem>},
    {TypeName::Observe, make<ObserveConfigItem>},
    {TypeName::OperationRecorder, make<OperationRecorderConfigItem>},
    {TypeName::Tip, make<TipConfigItem>},
    {TypeName::VirtualLeftStick, make<VirtualStickLeftConfigItem>},
    {TypeName::VirtualLeftStickShiftButton, make<VirtualStickLeftShiftButtonConfigItem>},
    {TypeName::VirtualRightStick, make<VirtualStickRightConfigItem>},
    {TypeName::VirtualJoystickButton, make<VirtualJoystickButtonConfigItem>},
    {TypeName::VirtualJoystickBunchButton, make<VirtualJoystickBunchButtonConfigItem>},
};

} // namespace

ConfigItem* createConfigItemByType(const QString& typeName) {
    for (const Entry& entry : kEntries) {
        if (typeName == QLatin1String(entry.typeName))
            return entry.maker();
    }
    return nullptr;
}

ConfigItem* createConfigItemFromJson(Poco::JSON::Object::Ptr object) {
    QString typeName;
    json::read(object, "type", typeName);
    std::unique_ptr<ConfigItem> item(createConfigItemByType(typeName));
    if (item)
        item->fromJson(object);
    return item.release();
}

QStringList configItemTypeNames() {
    QStringList names;
    for (const Entry& entry : kEntries)
        names.append(QLatin1String(entry.typeName));
    return names;
}

} // namespace ovelkeymapmanager
