// The item factory: type name to a new item of the class of that name.
#pragma once

#include <keymapmanager/json/memberdescription.h>

#include <QString>
#include <QStringList>

namespace ovelkeymapmanager {

class ConfigItem;

// A new item of the class named by typeName (exact, case-sensitive), owned by the caller; null
// for a name that no class has.
ConfigItem* createConfigItemByType(const QString& typeName);

// Appends the description of every member of every item type, as a new item of the type holds it.
void describeItems(QList<KeymapMemberDescription>& out);

// The 24 type names, in the order of the model's vocabulary.
QStringList configItemTypeNames();
// The class made for a type name; empty for a name no class has.
QString configItemClassName(const QString& typeName);

} // namespace ovelkeymapmanager
