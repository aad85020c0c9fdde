// A keymap document: its items in file order, its "info" block and its "param" block.
#pragma once

#include <keymapmanager/config/featureimageinfo.h>
#include <keymapmanager/export.h>

#include <Poco/JSON/Object.h>
#include <QList>
#include <QString>
#include <QVector>

namespace ovelkeymapmanager {

class ConfigItem;

// The document-wide settings of the "info" block.
class OVEL_KEYMAPMANAGER_EXPORT KeymapInfo {
public:
    // The members written depend on isJoystick, the feature images and the character id.
    Poco::JSON::Object toJson() const;
    void fromJson(Poco::JSON::Object::Ptr object);
    // As fromJson, but feature images keep their PNG data undecoded (their images stay null).
    void fromJsonWithoutImages(Poco::JSON::Object::Ptr object);

    QString transparentMousePolicy = QStringLiteral("Mouse_No_Transparent");
    QString backgroundColour = QStringLiteral("000000FF");
    bool visible = true;
    bool transparentEsc = false;
    bool transparentWheel = false;
    bool isJoystick = false;
    int rawMovePeriod = 0;
    double rawMoveSensitivity = 1.0;
    bool transparentKeyboard = true;
    bool transparentJoystick = true;
    bool responseCursorPointIcon = false;
    QList<QList<FeatureImageInfo>> featureImages;
    int characterId = -1;

private:
    void read(Poco::JSON::Object::Ptr object, bool decodeImages);
};

// The tuning values of wheel, zoom and transparent input ("param" block).
class OVEL_KEYMAPMANAGER_EXPORT KeymapParam {
public:
    // A keymap document writes the wheel, transparent-wheel and virtual-joystick objects; a
    // joystick document only the transparent-joystick object.
    Poco::JSON::Object toJson(bool isJoystick) const;
    void fromJson(Poco::JSON::Object::Ptr object);

    int zoomFirstInterval = 16;
    int zoomSteps = 8;
    int zoomPeriod = 14;
    int zoomMargin = 10;
    int zoomLastIdle = 80;
    double wheelStepDistance = 0.01;
    double zoomStepDistance = 0.00325;
    bool zoomOperationShortcutMode = false;
    double zoomDegree = 45.0;
    bool smallPointMoveFirst = false;
    double transparentWheelSensitivity = 1.0;
    int transparentWheelProtocolVersion = 0;
    int transparentJoystickProtocolVersion = 0;
    bool virtualJoystickEnabled = false;
};

// A "keymaps" element whose "type" names no item type of this library (a newer host's type, a
// misspelt one, a "type" that is not text). It is not an item; the document keeps it only so that
// saving writes it back, member for member, where it stood.
struct KeptElement {
    int itemsBefore = 0;            // how many items preceded it in the file
    Poco::JSON::Object::Ptr object; // the element as read
};

// Where and why loading stopped, for tools that tell a keymap author what is wrong.
struct KeymapLoadReport {
    bool ok = true;            // false when reading stopped at a problem
    QString exceptionName;     // the JSON library's name of the exception, e.g. "Invalid access"
    QString message;           // its message, e.g. "Can not convert empty value."
    QString block;             // "json" (the text itself), "keymaps", "info" or "param"
    int itemIndex = -1;        // the "keymaps" element being read, or -1
    QString itemType;          // that element's "type", when it has a text one
    QString member;            // the member being read when reading stopped
    QString path;              // its full path from the root ("keymaps[5].icon.description"), or
                               // the path of the element or block when no member was being read
    int line = 0;              // for text that is not JSON: 1-based line and column of the error,
    int column = 0;            // 0 when unknown
    QVector<int> itemElements; // for each item read, the index of its "keymaps" element (elements of
                               // an unknown type are kept by the document, not read as items)
};

class OVEL_KEYMAPMANAGER_EXPORT KeymapConfig {
public:
    // An empty document with default info and param blocks.
    KeymapConfig();
    // Takes ownership of the items and of both blocks.
    KeymapConfig(QList<ConfigItem*> items, KeymapInfo* info, KeymapParam* param);
    virtual ~KeymapConfig();
    KeymapConfig(const KeymapConfig&) = delete;
    KeymapConfig& operator=(const KeymapConfig&) = delete;

    QList<ConfigItem*> items; // owned
    KeymapInfo* info;         // owned
    KeymapParam* param;       // owned

    // The elements of unknown type that loading kept, in file order. Saving writes each one before
    // the item at index itemsBefore (after the last item when the list has become shorter since).
    // Documents built by the host have none; clearing the list drops them from the next save.
    const QList<KeptElement>& keptElements() const { return m_keptElements; }
    QList<KeptElement>& keptElements() { return m_keptElements; }

private:
    QList<KeptElement> m_keptElements;
};

} // namespace ovelkeymapmanager
