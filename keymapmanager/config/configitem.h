// ConfigItem: the base of every keymap item, with the members that all items share and the
// virtual operations through which documents read and write items and the host asks about keys.
#pragma once

#include <keymapmanager/config/configkey.h>
#include <keymapmanager/export.h>

#include <Poco/JSON/Object.h>
#include <QString>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT ConfigItem {
public:
    explicit ConfigItem(QString typeName);
    // Defined out of line here and in every item class: that anchors each class's vtable and type
    // information in the library, so dynamic_cast works across the shared-library boundary.
    virtual ~ConfigItem();
    ConfigItem(const ConfigItem&) = delete;
    ConfigItem& operator=(const ConfigItem&) = delete;

    // Writes every member of the item; objects list their members sorted by name.
    virtual Poco::JSON::Object toJson() const;
    // Reads the members in a fixed order; a missing or malformed member raises the JSON
    // library's exception, leaving what was read before it in place.
    virtual void fromJson(Poco::JSON::Object::Ptr object);
    virtual bool isKeyUnset() const;
    virtual bool isKeyMatch(const ConfigKey& key) const;

    QString typeName;
    bool iconVisible = true;
    double iconRadiusCorrection = 1.0;
    double iconPositionX = 0.0;
    double iconPositionY = 0.0;
    QString iconDescription;
    QString iconBackgroundColour = QStringLiteral("00000066");
    ConfigKey key;
    double workPositionX = 0.0;
    double workPositionY = 0.0;
    double editorIconScale = 1.0;
};

} // namespace ovelkeymapmanager
