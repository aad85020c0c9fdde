// The library's description of every member a keymap document may hold (DescribeKeymapMembers),
// looked up by owner and path: what the member checks of lint and format know of the format.
#pragma once

#include <keymapmanager/keymapmanager.h>

#include <QHash>
#include <QString>
#include <QStringList>

namespace keymapctl {

// "keymaps[3].swipehold_info" -> "swipehold_info"; element indices become "[]":
// "feature_images[0][1].rect" -> "feature_images[][].rect".
QString describedPath(const QString& path);

// The description of a member, null when the owner (an item type, "info" or "param") has no member
// at that path (indices written as "[]", see describedPath).
const ovelkeymapmanager::KeymapMemberDescription* describedMember(const QString& owner, const QString& path);
// The names of the members described inside the object at path ("" the owner's own object).
QStringList describedMemberNames(const QString& owner, const QString& path);
// "an integer", "a text", "an object"... for a described kind ("integer", "string"...).
QString describedKindName(const QString& kind);

} // namespace keymapctl
