// The item factory: type name to a new item of the class of that name.
#pragma once

#include <Poco/JSON/Object.h>
#include <QString>
#include <QStringList>

namespace ovelkeymapmanager {

class ConfigItem;

// A new item of the class named by typeName (exact, case-sensitive), owned by the caller; null
// for a name that no class has.
ConfigItem* createConfigItemByType(const QString& typeName);

// An item made from one element of "keymaps": created by its "type" and then read by the item.
// Null for an unknown type; the JSON library's exceptions leave, and the item is not leaked.
ConfigItem* createConfigItemFromJson(Poco::JSON::Object::Ptr object);

// The 24 type names, in the order of the model's vocabulary.
QStringList configItemTypeNames();
// The class made for a type name; empty for a name no class has.
QString configItemClassName(const QString& typeName);

} // namespace ovelkeymapmanager
