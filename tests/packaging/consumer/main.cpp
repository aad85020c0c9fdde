// A host program against the installed package: it calls every exported function and uses every
// exported class as a host may (host subclasses included), so that a change of a public header that
// breaks callers fails to compile here. It is built through the CMake package and the pkg-config file;
// the build names the Qt major version and the version that the package gives.
#include <keymapmanager/keymapmanager.h>

#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace ovelkeymapmanager;

namespace {

QStringList failures;
void expect(bool ok, const char* what) {
    if (!ok)
        failures << QLatin1String(what);
}

// A host's own item and a host subclass of the direction-key base, which reach its protected members.
struct HostItem : ConfigItem {
    HostItem() : ConfigItem(QStringLiteral("Host")) {}
    bool isKeyUnset() const override { return ConfigItem::isKeyUnset(); }
};
struct HostDiamond : DiamondConfigItem {
    HostDiamond() : DiamondConfigItem(QStringLiteral("Eye")) { useWasdKeys(); }
    bool wasd() { return directionKeysMatch(topKey) && !directionKeysUnset() && (useArrowKeys(), true); }
};

// Each item class is what CreateConfigItem makes for the type name that the class's own item carries.
template <typename... Items> void expectItemClasses() {
    const bool made[] = {[] {
        const Items item;
        std::unique_ptr<ConfigItem> created(CreateConfigItem(item.typeName));
        return dynamic_cast<Items*>(created.get()) && ConfigItemClassName(item.typeName).size() > 10;
    }()...};
    expect(std::all_of(std::begin(made), std::end(made), [](bool ok) { return ok; }), "an item class");
}

} // namespace

int main() {
    expect(QT_VERSION_MAJOR == KEYMAP_PACKAGE_QT_MAJOR, "compiled against another Qt than the package's");
    expect(QString::fromLatin1(qVersion())
               .startsWith(QString::number(KEYMAP_PACKAGE_QT_MAJOR) + QLatin1Char('.')),
           "running on another Qt than the package's");
    expect(qstrcmp(KeymapManagerVersion(), OVEL_KEYMAPMANAGER_VERSION_STRING) == 0 &&
               qstrcmp(KEYMAP_PACKAGE_VERSION, OVEL_KEYMAPMANAGER_VERSION_STRING) == 0 &&
               OVEL_KEYMAPMANAGER_VERSION >= OVEL_KEYMAPMANAGER_VERSION_CHECK(2, 0, 0),
           "the versions of the package, the headers and the library differ");

    expectItemClasses<ClickConfigItem, BunchClickConfigItem, FireConfigItem, MouseRightWalkConfigItem,
                      SpellConfigItem, StaringConfigItem, SwipeholdConfigItem, EyeConfigItem, CurveConfigItem,
                      SpellCancelConfigItem, JoystickLeftWalkConfigItem, JoystickRightEyeConfigItem,
                      MacroConfigItem, GravityConfigItem, WheelConfigItem, ZoomConfigItem, ObserveConfigItem,
                      OperationRecorderConfigItem, TipConfigItem, VirtualStickLeftConfigItem,
                      VirtualStickLeftShiftButtonConfigItem, VirtualStickRightConfigItem,
                      VirtualJoystickButtonConfigItem, VirtualJoystickBunchButtonConfigItem>();
    expect(ConfigItemTypeNames().size() == 24 && HostItem().isKeyUnset() && HostDiamond().wasd(),
           "host items");
    const SpellConfigItem spell;
    expect(std::unique_ptr<SwipeholdConfigItem>(spell.effectiveSwipeholdItem()) != nullptr &&
               dynamic_cast<PairConfigItem*>(
                   std::unique_ptr<ConfigItem>(CreateConfigItem(QStringLiteral("Wheel"))).get()) &&
               !ClickConfigItem().hasSecondKey(),
           "item bases");

    ConfigKey key = CreateConfigKey(QStringLiteral("keyboard"), 87, 17);
    SetTextForConfigKey(&key);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    expect(key.text == QLatin1String("W") && ModifyKeyboardScanCodeIfNeeded(17) == 17 &&
               AllowUsedForConfigKey(key.device, key.virtualKey, key.scanCode) &&
               getMacroConfigKeyCode(&press) == Qt::LeftButton,
           "keys");

    static KeymapManagerCallbacks callbacks;
    SetCallbacks(&callbacks);
    QTemporaryDir dir;
    ConfigKey unset;
    const QString path = dir.filePath(QStringLiteral("keymap.json"));
    std::unique_ptr<KeymapConfig> document(
        LoadKeymapConfigAndInfo(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300")));
    document->items.append(CreateConfigItem(QStringLiteral("Click")));
    document->items.last()->key = key;
    document->info->featureImages = {{FeatureImageInfo(QRectF(0.25, 0.5, 0.1, 0.2), QSize(8, 8), QImage())}};
    expect(SaveKeymapConfigAndInfo(path, document.get()) &&
               ConfigAndInfoSavedText(document.get()).size() > 100 &&
               isConfigKeyMatch(document.get(), &key, &unset) &&
               isConfigHasSpeicalTypeKey(document.get(), QStringLiteral("Click")),
           "saving and asking a keymap");
    KeymapLoadReport report;
    std::unique_ptr<KeymapConfig> reloaded(LoadConfigAndInfoWithReport(path, false, &report));
    const KeymapSource source = ReadKeymapSource(path, false);
    expect(report.ok && reloaded->items.size() == 1 && reloaded->keptElements().isEmpty() &&
               source.places.value(QStringLiteral("keymaps[0]")).line > 1 &&
               ParseKeymapSource("{}").root->size() == 0,
           "reloading the saved keymap");
    expect(getFeatureImageInfo(path, false).size() == 1 && isIntelligentConfig(path, false),
           "feature images");
    const FeatureImageInfo image = getFeatureImageInfo(path, false).value(0).value(0);
    Poco::JSON::Object imageJson = image.toJson();
    FeatureImageInfo copy;
    copy.fromJsonWithoutImage(imageJson);
    expect(copy.rect == image.rect && FeatureImageInfo::decodePng(QByteArray()).isNull(), "a feature image");
    KeymapInfo info;
    info.fromJson(new Poco::JSON::Object(document->info->toJson()));
    KeymapParam param;
    param.fromJson(new Poco::JSON::Object(document->param->toJson(true)));
    std::unique_ptr<KeymapConfig> joystick(
        new KeymapConfig({}, new KeymapInfo(info), new KeymapParam(param)));
    joystick->info->isJoystick = true;
    expect(SaveJoystickConfigAndInfo(path, joystick.get()) &&
               std::unique_ptr<KeymapConfig>(LoadJoystickConfigAndInfo(path))->info->isJoystick,
           "a joystick document");

    const QRect screen(0, 0, 1280, 720);
    const QStringList running =
        MacroKeyEditingTextChangeToRunningText({QStringLiteral("click 640,360")}, screen);
    expect(MacroKeyRunningTextChangeToEditingText(running, screen) ==
                   QStringList{QStringLiteral("click 640,360")} &&
               MacroKeyEditingTextGrammarCheck({QStringLiteral("bogus")}) == QVector<int>{1},
           "macro text");
    expect(JoystickEvent::ButtonPress >= QEvent::User &&
               JoystickEvent::ButtonRelease != JoystickEvent::AxisTriggle &&
               JoystickEvent::JoystickConnect != JoystickEvent::JoystickDisconnect,
           "the joystick event types are not registered");

    std::printf("consumer: %s\n", failures.isEmpty() ? "ok" : qPrintable(failures.join(QLatin1String("; "))));
    return failures.isEmpty() ? 0 : 1;
}
