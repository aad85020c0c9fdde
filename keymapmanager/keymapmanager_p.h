// KeymapManager: the one process-wide object behind the exported functions. It holds only the
// host's callbacks; every member forwards to the subsystem that does the work.
#pragma once

#include <keymapmanager/keymapmanager.h>

#include <atomic>

namespace ovelkeymapmanager {

class KeymapManager {
public:
    static KeymapManager& instance();

    KeymapConfig* LoadKeymapConfigAndInfo(const QString& path);
    KeymapConfig* LoadJoystickConfigAndInfo(const QString& path);
    KeymapConfig* LoadConfigAndInfoWithReport(const QString& path, bool isJoystick, KeymapLoadReport* report);
    bool SaveKeymapConfigAndInfo(const QString& path, KeymapConfig* config);
    bool SaveJoystickConfigAndInfo(const QString& path, KeymapConfig* config);
    ConfigItem* CreateConfigItem(const QString& typeName);
    ConfigKey CreateConfigKey(QString device, int virtualKey, int scanCode);
    void SetTextForConfigKey(ConfigKey* key);
    int ModifyKeyboardScanCodeIfNeeded(int scanCode);
    bool AllowUsedForConfigKey(const QString& device, int virtualKey, int scanCode);
    bool isConfigKeyMatch(KeymapConfig* config, ConfigKey* key, ConfigKey* secondKey);
    bool isConfigHasSpeicalTypeKey(KeymapConfig* config, const QString& itemType);
    int getMacroConfigKeyCode(QEvent* event);
    QList<QString> MacroKeyEditingTextChangeToRunningText(const QStringList& lines, QRect rect);
    QList<QString> MacroKeyRunningTextChangeToEditingText(const QStringList& lines, QRect rect);
    QVector<int> MacroKeyEditingTextGrammarCheck(const QStringList& lines);
    QList<QList<FeatureImageInfo>> getFeatureImageInfo(const QString& path, bool keymapTemplates);
    bool isIntelligentConfig(const QString& path, bool keymapTemplates);
    void SetCallbacks(KeymapManagerCallbacks* callbacks);
    QByteArray ConfigAndInfoSavedText(KeymapConfig* config);
    QStringList ConfigItemTypeNames();
    QString ConfigItemClassName(const QString& typeName);

    // keymapTemplates: true for the keymap set of built-in template names, false for the joystick set.
    KeymapConfig* loadConfigAndInfo(bool keymapTemplates, const QString& path);
    bool saveConfigAndInfo(const QString& path, KeymapConfig* config);
    // Runs on a pool thread: calls the host's onLoadFailed, if any.
    void notifyLoadFailed(const QString& path);

private:
    KeymapManager() = default;
    KeymapConfig* load(bool keymapTemplates, const QString& path, bool decodeImages,
                       KeymapLoadReport* report);

    // Written by SetCallbacks on a host thread, read on pool threads.
    std::atomic<KeymapManagerCallbacks*> m_callbacks{nullptr};
};

} // namespace ovelkeymapmanager
