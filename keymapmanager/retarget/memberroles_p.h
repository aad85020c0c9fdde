// The members that moving a keymap changes, by owner ("Click", "info", "param"), gathered once from
// the document's description: what the walk over an owner's JSON visits, and what it does there.
#pragma once

#include <QHash>
#include <QString>

#include <string>
#include <vector>

namespace ovelkeymapmanager {
namespace retarget {

// One step of a described path: a member, then "[]" once for each level of array below it.
struct PathStep {
    std::string name;
    int arrays = 0;
};
using MemberPath = std::vector<PathStep>;

// A member of one geometry role: where its holder object is, and the member's name in it.
struct RoleMember {
    QString path; // as described: the point's object, or the member itself
    MemberPath holder;
    std::string name;
    std::string yName; // for a point, the member of its y coordinate (name is that of x)
};

struct OwnerRoles {
    std::vector<RoleMember> points;     // "rel_x" / "rel_y" pairs
    std::vector<RoleMember> lengths;    // numbers, fractions of the screen's shorter side
    std::vector<RoleMember> sizes;      // objects of "rel_width" and "rel_height"
    std::vector<RoleMember> rectangles; // objects of "rel_x", "rel_y", "rel_width" and "rel_height"
    std::vector<RoleMember> macros;     // arrays of running macro lines

    bool isEmpty() const {
        return points.empty() && lengths.empty() && sizes.empty() && rectangles.empty() && macros.empty();
    }
};

// The roles of every owner, read from the description on first use.
const QHash<QString, OwnerRoles>& memberRoles();

} // namespace retarget
} // namespace ovelkeymapmanager
