// The exported functions: each fetches the manager and forwards to its member of the same name,
// except those that hold no state: reading a file's text as JSON, describing the members, and moving
// a document.
#include <keymapmanager/document/documentdescription_p.h>
#include <keymapmanager/document/documentio_p.h>
#include <keymapmanager/keymapmanager_p.h>
#include <keymapmanager/retarget/retargetdocument_p.h>

namespace ovelkeymapmanager {

// The macro of the library's own build, whatever the host was compiled against.
const char* KeymapManagerVersion() {
    return OVEL_KEYMAPMANAGER_VERSION_STRING;
}

KeymapConfig* LoadKeymapConfigAndInfo(const QString& path) {
    return KeymapManager::instance().LoadKeymapConfigAndInfo(path);
}
KeymapConfig* LoadJoystickConfigAndInfo(const QString& path) {
    return KeymapManager::instance().LoadJoystickConfigAndInfo(path);
}
KeymapConfig* LoadConfigAndInfoWithReport(const QString& path, bool isJoystick, KeymapLoadReport* report) {
    return KeymapManager::instance().LoadConfigAndInfoWithReport(path, isJoystick, report);
}
bool SaveKeymapConfigAndInfo(const QString& path, KeymapConfig* config) {
    return KeymapManager::instance().SaveKeymapConfigAndInfo(path, config);
}
bool SaveJoystickConfigAndInfo(const QString& path, KeymapConfig* config) {
    return KeymapManager::instance().SaveJoystickConfigAndInfo(path, config);
}
ConfigItem* CreateConfigItem(const QString& typeName) {
    return KeymapManager::instance().CreateConfigItem(typeName);
}
ConfigKey CreateConfigKey(QString device, int virtualKey, int scanCode) {
    return KeymapManager::instance().CreateConfigKey(std::move(device), virtualKey, scanCode);
}
void SetTextForConfigKey(ConfigKey* key) {
    KeymapManager::instance().SetTextForConfigKey(key);
}
int ModifyKeyboardScanCodeIfNeeded(int scanCode) {
    return KeymapManager::instance().ModifyKeyboardScanCodeIfNeeded(scanCode);
}
bool AllowUsedForConfigKey(const QString& device, int virtualKey, int scanCode) {
    return KeymapManager::instance().AllowUsedForConfigKey(device, virtualKey, scanCode);
}
bool isConfigKeyMatch(KeymapConfig* config, ConfigKey* key, ConfigKey* secondKey) {
    return KeymapManager::instance().isConfigKeyMatch(config, key, secondKey);
}
bool isConfigHasSpeicalTypeKey(KeymapConfig* config, const QString& itemType) {
    return KeymapManager::instance().isConfigHasSpeicalTypeKey(config, itemType);
}
int getMacroConfigKeyCode(QEvent* event) {
    return KeymapManager::instance().getMacroConfigKeyCode(event);
}
QList<QString> MacroKeyEditingTextChangeToRunningText(const QStringList& lines, QRect rect) {
    return KeymapManager::instance().MacroKeyEditingTextChangeToRunningText(lines, rect);
}
QList<QString> MacroKeyRunningTextChangeToEditingText(const QStringList& lines, QRect rect) {
    return KeymapManager::instance().MacroKeyRunningTextChangeToEditingText(lines, rect);
}
QVector<int> MacroKeyEditingTextGrammarCheck(const QStringList& lines) {
    return KeymapManager::instance().MacroKeyEditingTextGrammarCheck(lines);
}
QList<QList<FeatureImageInfo>> getFeatureImageInfo(const QString& path, bool keymapTemplates) {
    return KeymapManager::instance().getFeatureImageInfo(path, keymapTemplates);
}
bool isIntelligentConfig(const QString& path, bool keymapTemplates) {
    return KeymapManager::instance().isIntelligentConfig(path, keymapTemplates);
}
void SetCallbacks(KeymapManagerCallbacks* callbacks) {
    KeymapManager::instance().SetCallbacks(callbacks);
}
QByteArray ConfigAndInfoSavedText(KeymapConfig* config) {
    return KeymapManager::instance().ConfigAndInfoSavedText(config);
}
QStringList ConfigItemTypeNames() {
    return KeymapManager::instance().ConfigItemTypeNames();
}
QString ConfigItemClassName(const QString& typeName) {
    return KeymapManager::instance().ConfigItemClassName(typeName);
}

QList<KeymapMemberDescription> DescribeKeymapMembers() {
    // Made once: the lists do not change while the library is loaded.
    static const QList<KeymapMemberDescription> members = describeDocument();
    return members;
}
KeymapSource ReadKeymapSource(const QString& path, bool isJoystick) {
    // A keymap load reads the keymap templates, a joystick load the other set.
    return keymapSource(readKeymapText(!isJoystick, path));
}
KeymapSource ParseKeymapSource(const QByteArray& text) {
    return keymapSource(text);
}
KeymapConfig* RetargetKeymapConfig(const KeymapConfig* config, QSize from, QSize to,
                                   const KeymapRetargetOptions& options, KeymapRetargetReport* report) {
    KeymapRetargetReport scratch;
    KeymapRetargetReport& filled = report ? *report : scratch;
    filled = KeymapRetargetReport();
    return config ? retargetDocument(*config, from, to, options, filled) : nullptr;
}

} // namespace ovelkeymapmanager
