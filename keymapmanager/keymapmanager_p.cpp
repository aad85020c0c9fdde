// KeymapManager: the members behind the exported functions, each handing the work to its subsystem.
#include <keymapmanager/keymapmanager_p.h>

#include <keymapmanager/document/documentio_p.h>
#include <keymapmanager/items/itemfactory_p.h>
#include <keymapmanager/keys/keynames_p.h>
#include <keymapmanager/keys/keyquestions_p.h>
#include <keymapmanager/macro/textconversion_p.h>

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

namespace ovelkeymapmanager {

KeymapManager& KeymapManager::instance() {
    static KeymapManager manager;
    return manager;
}

KeymapConfig* KeymapManager::load(bool keymapTemplates, const QString& path, bool decodeImages,
                                  KeymapLoadReport* report) {
    LoadOptions options;
    options.decodeImages = decodeImages;
    options.report = report;
    bool failed = false;
    KeymapConfig* config = loadDocument(keymapTemplates, path, options, &failed);
    if (failed) {
        // The future is dropped: the loading thread neither waits for the host nor hears from it.
        // Qt 6 takes the member function before its object and wants its result used; Qt 5 keeps the
        // call it always had (the thread-sanitizer suppressions of the tests name its task type).
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        (void)QtConcurrent::run(QThreadPool::globalInstance(), &KeymapManager::notifyLoadFailed, this, path);
#else
        QtConcurrent::run(QThreadPool::globalInstance(), this, &KeymapManager::notifyLoadFailed, path);
#endif
    }
    return config;
}

KeymapConfig* KeymapManager::loadConfigAndInfo(bool keymapTemplates, const QString& path) {
    return load(keymapTemplates, path, true, nullptr);
}

KeymapConfig* KeymapManager::LoadKeymapConfigAndInfo(const QString& path) {
    return loadConfigAndInfo(true, path);
}

KeymapConfig* KeymapManager::LoadJoystickConfigAndInfo(const QString& path) {
    KeymapConfig* config = loadConfigAndInfo(false, path);
    config->info->isJoystick = true;
    return config;
}

KeymapConfig* KeymapManager::LoadConfigAndInfoWithReport(const QString& path, bool isJoystick,
                                                         KeymapLoadReport* report) {
    if (report)
        *report = KeymapLoadReport();
    KeymapConfig* config = load(!isJoystick, path, true, report);
    if (isJoystick)
        config->info->isJoystick = true;
    return config;
}

void KeymapManager::notifyLoadFailed(const QString& path) {
    const KeymapManagerCallbacks* callbacks = m_callbacks.load(std::memory_order_acquire);
    if (callbacks && callbacks->onLoadFailed)
        callbacks->onLoadFailed(path);
}

bool KeymapManager::saveConfigAndInfo(const QString& path, KeymapConfig* config) {
    return saveDocument(path, config);
}

bool KeymapManager::SaveKeymapConfigAndInfo(const QString& path, KeymapConfig* config) {
    return saveConfigAndInfo(path, config);
}

bool KeymapManager::SaveJoystickConfigAndInfo(const QString& path, KeymapConfig* config) {
    return saveConfigAndInfo(path, config);
}

ConfigItem* KeymapManager::CreateConfigItem(const QString& typeName) {
    return createConfigItemByType(typeName);
}

QByteArray KeymapManager::ConfigAndInfoSavedText(KeymapConfig* config) {
    QByteArray text;
    if (!config || !savedText(*config, text))
        return QByteArray();
    return text;
}

QStringList KeymapManager::ConfigItemTypeNames() {
    return configItemTypeNames();
}

QString KeymapManager::ConfigItemClassName(const QString& typeName) {
    return configItemClassName(typeName);
}

ConfigKey KeymapManager::CreateConfigKey(QString device, int virtualKey, int scanCode) {
    ConfigKey key;
    key.device = std::move(device);
    key.virtualKey = virtualKey;
    key.scanCode = scanCode;
    normalizeScanCode(key);
    updateConfigKeyText(key, key.device, key.scanCode);
    return key;
}

void KeymapManager::SetTextForConfigKey(ConfigKey* key) {
    if (!key)
        return;
    normalizeScanCode(*key);
    updateConfigKeyText(*key, key->device, key->scanCode);
}

int KeymapManager::ModifyKeyboardScanCodeIfNeeded(int scanCode) {
    return normalizedScanCode(scanCode);
}

bool KeymapManager::AllowUsedForConfigKey(const QString&, int, int) {
    return true;
}

bool KeymapManager::isConfigKeyMatch(KeymapConfig* config, ConfigKey* key, ConfigKey* secondKey) {
    return configKeyMatch(config, key, secondKey);
}

bool KeymapManager::isConfigHasSpeicalTypeKey(KeymapConfig* config, const QString& itemType) {
    return configHasItemType(config, itemType);
}

int KeymapManager::getMacroConfigKeyCode(QEvent* event) {
    return macroConfigKeyCode(event);
}

QList<QString> KeymapManager::MacroKeyEditingTextChangeToRunningText(const QStringList& lines, QRect rect) {
    return editingToRunningText(lines, rect);
}

QList<QString> KeymapManager::MacroKeyRunningTextChangeToEditingText(const QStringList& lines, QRect rect) {
    return runningToEditingText(lines, rect);
}

QVector<int> KeymapManager::MacroKeyEditingTextGrammarCheck(const QStringList& lines) {
    return editingTextGrammarCheck(lines);
}

QList<QList<FeatureImageInfo>> KeymapManager::getFeatureImageInfo(const QString& path, bool keymapTemplates) {
    const std::unique_ptr<KeymapConfig> config(loadConfigAndInfo(keymapTemplates, path));
    return config->info->featureImages;
}

bool KeymapManager::isIntelligentConfig(const QString& path, bool keymapTemplates) {
    // The answer needs only the number of groups: the images are not decoded.
    const std::unique_ptr<KeymapConfig> config(load(keymapTemplates, path, false, nullptr));
    return config->info && !config->info->featureImages.isEmpty();
}

void KeymapManager::SetCallbacks(KeymapManagerCallbacks* callbacks) {
    m_callbacks.store(callbacks, std::memory_order_release);
}

} // namespace ovelkeymapmanager
