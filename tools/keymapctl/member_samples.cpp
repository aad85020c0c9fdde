#include "member_samples.h"

#include "json_values.h"

#include <keymapmanager/keymapmanager.h>

#include <QMap>

#include <memory>

namespace keymapctl {

using namespace ovelkeymapmanager;
using Poco::Dynamic::Var;
using ObjectPtr = Poco::JSON::Object::Ptr;

namespace {

ObjectPtr sampleOf(const ConfigItem& item) {
    return new Poco::JSON::Object(item.toJson());
}

} // namespace

Samples itemSamples(const QString& type) {
    static QMap<QString, Samples> cache;
    if (cache.contains(type))
        return cache.value(type);
    const std::unique_ptr<ConfigItem> item(CreateConfigItem(type));
    Samples samples;
    if (item) {
        samples.append(sampleOf(*item));
        // A second key, a complete tap sequence: written only when set.
        const ConfigKey second = CreateConfigKey(QLatin1String(Device::Keyboard), 0x41, 30);
        if (auto* composable = dynamic_cast<ComposableConfigItem*>(item.get()))
            composable->secondKey = second;
        if (auto* pair = dynamic_cast<PairConfigItem*>(item.get()))
            pair->positive.secondKey = pair->negative.secondKey = second;
        if (auto* spell = dynamic_cast<SpellConfigItem*>(item.get())) {
            spell->tapInfo =
                SpellTapInfo{0.5, 0.5, 1.0, 1.0, QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0")};
        }
        samples.append(sampleOf(*item));
    }
    cache.insert(type, samples);
    return samples;
}

Samples blockSamples(const QString& block) {
    Samples samples;
    if (block != QLatin1String("param") && block != QLatin1String("info"))
        return samples;
    for (const bool joystick : {false, true}) {
        if (block == QLatin1String("param")) {
            samples.append(ObjectPtr(new Poco::JSON::Object(KeymapParam().toJson(joystick))));
            continue;
        }
        KeymapInfo info;
        info.isJoystick = joystick;
        info.characterId = 1;
        info.featureImages = {{FeatureImageInfo()}};
        samples.append(ObjectPtr(new Poco::JSON::Object(info.toJson())));
    }
    return samples;
}

Var defaultValueAt(const QString& owner, const QString& path) {
    const Samples samples = owner == QLatin1String("info") || owner == QLatin1String("param")
                                ? blockSamples(owner)
                                : itemSamples(owner);
    for (const Var& sample : samples) {
        const Var value = valueAt(sample, path);
        if (!value.isEmpty())
            return value;
    }
    return Var();
}

} // namespace keymapctl
