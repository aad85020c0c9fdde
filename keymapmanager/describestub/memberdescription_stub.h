// TEMPORARY: the member-description contract, declared here only until the describer lands on this
// branch by merge; removed then. Not part of the library's interface.
#pragma once

#include <keymapmanager/export.h>

#include <QList>
#include <QString>
#include <QStringList>

namespace ovelkeymapmanager {

enum class MemberRole { None, PositionX, PositionY, Length, Size, Rectangle, MacroRunningText };
struct KeymapMemberDescription {
    QString owner;
    QString path;
    QString kind;
    bool required = false;
    QString writtenWhen;
    QString defaultValue;
    QStringList values;
    MemberRole role = MemberRole::None;
    QString documentKind;
};
OVEL_KEYMAPMANAGER_EXPORT QList<KeymapMemberDescription> DescribeKeymapMembers();

} // namespace ovelkeymapmanager
