// The public interface of ovel-keymapmanager: the exported functions, the host callbacks, the
// joystick event types and, through the included headers, the whole keymap model.
#pragma once

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/config/configkey.h>
#include <keymapmanager/config/featureimageinfo.h>
#include <keymapmanager/config/keymapconfig.h>
#include <keymapmanager/config/keymapsource.h>
#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/export.h>
#include <keymapmanager/items/allitems.h>
#include <keymapmanager/json/memberdescription.h>
#include <keymapmanager/retarget/retarget.h>
#include <keymapmanager/version.h>

#include <QEvent>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// Event types for joystick events that the host posts and recognises; registered when the
// library is loaded, in the order of the members.
class JoystickEvent {
public:
    static OVEL_KEYMAPMANAGER_EXPORT QEvent::Type ButtonPress;
    static OVEL_KEYMAPMANAGER_EXPORT QEvent::Type ButtonRelease;
    static OVEL_KEYMAPMANAGER_EXPORT QEvent::Type AxisTriggle;
    static OVEL_KEYMAPMANAGER_EXPORT QEvent::Type JoystickConnect;
    static OVEL_KEYMAPMANAGER_EXPORT QEvent::Type JoystickDisconnect;
};

namespace ovelkeymapmanager {

// Filled by the host and kept alive while notifications may run.
struct KeymapManagerCallbacks {
    // Called on a thread of the global thread pool with the path of a file that failed to load.
    void (*onLoadFailed)(const QString& path) = nullptr;
};

OVEL_KEYMAPMANAGER_EXPORT KeymapConfig* LoadKeymapConfigAndInfo(const QString& path);
OVEL_KEYMAPMANAGER_EXPORT KeymapConfig* LoadJoystickConfigAndInfo(const QString& path);
OVEL_KEYMAPMANAGER_EXPORT bool SaveKeymapConfigAndInfo(const QString& path, KeymapConfig* config);
OVEL_KEYMAPMANAGER_EXPORT bool SaveJoystickConfigAndInfo(const QString& path, KeymapConfig* config);
OVEL_KEYMAPMANAGER_EXPORT ConfigItem* CreateConfigItem(const QString& typeName);
OVEL_KEYMAPMANAGER_EXPORT ConfigKey CreateConfigKey(QString device, int virtualKey, int scanCode);
OVEL_KEYMAPMANAGER_EXPORT void SetTextForConfigKey(ConfigKey* key);
OVEL_KEYMAPMANAGER_EXPORT int ModifyKeyboardScanCodeIfNeeded(int scanCode);
OVEL_KEYMAPMANAGER_EXPORT bool AllowUsedForConfigKey(const QString& device, int virtualKey, int scanCode);
OVEL_KEYMAPMANAGER_EXPORT bool isConfigKeyMatch(KeymapConfig* config, ConfigKey* key, ConfigKey* secondKey);
OVEL_KEYMAPMANAGER_EXPORT bool isConfigHasSpeicalTypeKey(KeymapConfig* config, const QString& itemType);
OVEL_KEYMAPMANAGER_EXPORT int getMacroConfigKeyCode(QEvent* event);
OVEL_KEYMAPMANAGER_EXPORT QList<QString> MacroKeyEditingTextChangeToRunningText(const QStringList& lines,
                                                                                QRect rect);
OVEL_KEYMAPMANAGER_EXPORT QList<QString> MacroKeyRunningTextChangeToEditingText(const QStringList& lines,
                                                                                QRect rect);
OVEL_KEYMAPMANAGER_EXPORT QVector<int> MacroKeyEditingTextGrammarCheck(const QStringList& lines);
OVEL_KEYMAPMANAGER_EXPORT QList<QList<FeatureImageInfo>> getFeatureImageInfo(const QString& path,
                                                                             bool keymapTemplates);
OVEL_KEYMAPMANAGER_EXPORT bool isIntelligentConfig(const QString& path, bool keymapTemplates);
OVEL_KEYMAPMANAGER_EXPORT void SetCallbacks(KeymapManagerCallbacks* callbacks);

// The version of the library loaded at run time ("2.0.0"); OVEL_KEYMAPMANAGER_VERSION_STRING is the one
// the host was compiled against. A host may run with any library of its major version and a minor
// version at least its own.
OVEL_KEYMAPMANAGER_EXPORT const char* KeymapManagerVersion();

// The bytes that saving the document writes (both save functions write the same); empty for a null
// document and for one that saving refuses (a number JSON cannot hold).
OVEL_KEYMAPMANAGER_EXPORT QByteArray ConfigAndInfoSavedText(KeymapConfig* config);
// The 24 item type names that CreateConfigItem takes, in the order of the TypeName vocabulary.
OVEL_KEYMAPMANAGER_EXPORT QStringList ConfigItemTypeNames();
// The class that CreateConfigItem makes for a type name ("RightWalk" gives
// "MouseRightWalkConfigItem"); empty for a name no class has.
OVEL_KEYMAPMANAGER_EXPORT QString ConfigItemClassName(const QString& typeName);
// Every member a document may hold: for each item type (in the order of ConfigItemTypeNames), then
// for "info" and "param", each member and object with its path, JSON kind, rules, default,
// vocabulary and geometry role, as the library's own reading and writing see them.
OVEL_KEYMAPMANAGER_EXPORT QList<KeymapMemberDescription> DescribeKeymapMembers();

// Loads exactly as LoadKeymapConfigAndInfo (isJoystick false) or LoadJoystickConfigAndInfo
// (isJoystick true) do, notification included, and also describes the first problem in *report
// (when report is not null).
OVEL_KEYMAPMANAGER_EXPORT KeymapConfig* LoadConfigAndInfoWithReport(const QString& path, bool isJoystick,
                                                                    KeymapLoadReport* report);

// The text that loading reads for path (the same file or built-in template, size limit and byte
// order mark) as a JSON tree with the places of its members; nothing is read as items.
OVEL_KEYMAPMANAGER_EXPORT KeymapSource ReadKeymapSource(const QString& path, bool isJoystick);
// The same for a text in memory, such as the text that saving produces.
OVEL_KEYMAPMANAGER_EXPORT KeymapSource ParseKeymapSource(const QByteArray& text);

// A copy of the document moved from a screen of size from to one of size to (in pixels), owned by
// the caller: each item keeps its distance from the edge or corner its work position is nearest
// to, scaled as the options say; macro positions and feature image rectangles move too. *report
// (when not null) lists each moved item and what could not be moved. Null for a null document,
// sizes that are not positive, or a safe aspect that is neither 0 nor positive.
OVEL_KEYMAPMANAGER_EXPORT KeymapConfig* RetargetKeymapConfig(const KeymapConfig* config, QSize from, QSize to,
                                                             const KeymapRetargetOptions& options,
                                                             KeymapRetargetReport* report);

} // namespace ovelkeymapmanager
