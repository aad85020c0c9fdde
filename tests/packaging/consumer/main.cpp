// A host program against the installed package (through its CMake package and its pkg-config file): it
// calls every exported function and uses every exported class, host subclasses included, so that a change
// of a public header that breaks callers fails to build here. The build names the package's Qt and version.
#include <keymapmanager/keymapmanager.h>

#include <QMouseEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace ovelkeymapmanager;
using Document = std::unique_ptr<KeymapConfig>;

namespace {

QStringList failures;
void expect(bool ok, const char* what) {
    if (!ok)
        failures << QLatin1String(what);
}

// A host subclass reaches the protected members of the direction-key base.
struct HostDiamond : DiamondConfigItem {
    HostDiamond() : DiamondConfigItem(QStringLiteral("Eye")) { useWasdKeys(); }
    bool wasd() { return directionKeysMatch(topKey) && !directionKeysUnset() && (useArrowKeys(), true); }
};

// Each item class is what CreateConfigItem makes for the type name that its own item carries.
template <typename... Items> bool itemClassesMade() {
    return ([] {
        const Items item;
        const std::unique_ptr<ConfigItem> made(CreateConfigItem(item.typeName));
        return dynamic_cast<Items*>(made.get()) && !ConfigItemClassName(item.typeName).isEmpty();
    }() && ...);
}

} // namespace

int main() {
    expect(QT_VERSION_MAJOR == KEYMAP_PACKAGE_QT_MAJOR &&
               QString::fromLatin1(qVersion())
                   .startsWith(QString::number(KEYMAP_PACKAGE_QT_MAJOR) + QLatin1Char('.')),
           "built or running with another Qt than the package's");
    expect(qstrcmp(KeymapManagerVersion(), KEYMAP_PACKAGE_VERSION) == 0 &&
               qstrcmp(OVEL_KEYMAPMANAGER_VERSION_STRING, KEYMAP_PACKAGE_VERSION) == 0 &&
               OVEL_KEYMAPMANAGER_VERSION >= OVEL_KEYMAPMANAGER_VERSION_CHECK(2, 0, 0),
           "the versions of the package, the headers and the library differ");
    expect(
        itemClassesMade<
            ClickConfigItem, BunchClickConfigItem, FireConfigItem, MouseRightWalkConfigItem, SpellConfigItem,
            StaringConfigItem, SwipeholdConfigItem, EyeConfigItem, CurveConfigItem, SpellCancelConfigItem,
            JoystickLeftWalkConfigItem, JoystickRightEyeConfigItem, MacroConfigItem, GravityConfigItem,
            WheelConfigItem, ZoomConfigItem, ObserveConfigItem, OperationRecorderConfigItem, TipConfigItem,
            VirtualStickLeftConfigItem, VirtualStickLeftShiftButtonConfigItem, VirtualStickRightConfigItem,
            VirtualJoystickButtonConfigItem, VirtualJoystickBunchButtonConfigItem>() &&
            ConfigItemTypeNames().size() == 24 && HostDiamond().wasd() &&
            std::unique_ptr<SwipeholdConfigItem>(SpellConfigItem().effectiveSwipeholdItem()) &&
            dynamic_cast<const PairConfigItem*>(&static_cast<const ConfigItem&>(WheelConfigItem())) &&
            !ClickConfigItem().hasSecondKey(),
        "the item classes");

    ConfigKey key = CreateConfigKey(QStringLiteral("keyboard"), 87, 17), unset;
    SetTextForConfigKey(&key);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    expect(key.text == QLatin1String("W") && ModifyKeyboardScanCodeIfNeeded(17) == 17 &&
               AllowUsedForConfigKey(key.device, key.virtualKey, key.scanCode) &&
               getMacroConfigKeyCode(&press) == Qt::LeftButton,
           "keys");

    static KeymapManagerCallbacks callbacks;
    SetCallbacks(&callbacks);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keymap.json"));
    Document document(
        LoadKeymapConfigAndInfo(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300")));
    document->items.append(CreateConfigItem(QStringLiteral("Click")));
    document->items.last()->key = key;
    document->info->featureImages = {{FeatureImageInfo(QRectF(0.25, 0.5, 0.1, 0.2), QSize(8, 8), QImage())}};
    KeymapLoadReport report;
    expect(SaveKeymapConfigAndInfo(path, document.get()) &&
               ConfigAndInfoSavedText(document.get()).size() > 100 &&
               isConfigKeyMatch(document.get(), &key, &unset) &&
               isConfigHasSpeicalTypeKey(document.get(), QStringLiteral("Click")) &&
               Document(LoadConfigAndInfoWithReport(path, false, &report))->keptElements().isEmpty() &&
               report.ok &&
               ReadKeymapSource(path, false).places.value(QStringLiteral("keymaps[0]")).line > 1 &&
               ParseKeymapSource("{}").root->size() == 0,
           "saving, asking and reloading a keymap");
    FeatureImageInfo image = getFeatureImageInfo(path, false).value(0).value(0), copy;
    Poco::JSON::Object imageJson = image.toJson();
    copy.fromJsonWithoutImage(imageJson);
    expect(isIntelligentConfig(path, false) && copy.rect == image.rect &&
               FeatureImageInfo::decodePng({}).isNull(),
           "feature images");
    KeymapInfo info;
    info.fromJson(new Poco::JSON::Object(document->info->toJson()));
    KeymapParam param;
    param.fromJson(new Poco::JSON::Object(document->param->toJson(true)));
    Document joystick(new KeymapConfig({}, new KeymapInfo(info), new KeymapParam(param)));
    joystick->info->isJoystick = true;
    expect(SaveJoystickConfigAndInfo(path, joystick.get()) &&
               Document(LoadJoystickConfigAndInfo(path))->info->isJoystick,
           "a joystick document");

    const QRect screen(0, 0, 1280, 720);
    const QStringList editing{QStringLiteral("click 640,360")};
    expect(MacroKeyRunningTextChangeToEditingText(MacroKeyEditingTextChangeToRunningText(editing, screen),
                                                  screen) == editing &&
               MacroKeyEditingTextGrammarCheck({QStringLiteral("bogus")}) == QVector<int>{1} &&
               JoystickEvent::ButtonPress >= QEvent::User &&
               JoystickEvent::ButtonRelease != JoystickEvent::AxisTriggle &&
               JoystickEvent::JoystickConnect != JoystickEvent::JoystickDisconnect,
           "macro text and joystick events");
    std::printf("consumer: %s\n", failures.isEmpty() ? "ok" : qPrintable(failures.join(QLatin1String("; "))));
    return failures.isEmpty() ? 0 : 1;
}
