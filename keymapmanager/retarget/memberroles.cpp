#include <keymapmanager/retarget/memberroles_p.h>

#include <keymapmanager/document/documentdescription_p.h>

#include <QMap>

#include <algorithm>

namespace ovelkeymapmanager {
namespace retarget {

namespace {

// "spell_info.rel_position.rel_x" or "feature_images[][].rect" as steps; the last is the member.
MemberPath stepsOf(const QString& path) {
    MemberPath steps;
    for (QString part : path.split(QLatin1Char('.'))) {
        PathStep step;
        while (part.endsWith(QLatin1String("[]"))) {
            part.chop(2);
            ++step.arrays;
        }
        step.name = part.toStdString();
        steps.push_back(std::move(step));
    }
    return steps;
}

// The holder's steps and the member's name; a member that is itself inside an array element
// ("points[]") is not a role the walk knows, and is left out.
bool split(const QString& path, RoleMember& member) {
    MemberPath steps = stepsOf(path);
    if (steps.empty() || steps.back().arrays != 0)
        return false;
    member.name = steps.back().name;
    steps.pop_back();
    member.holder = std::move(steps);
    return true;
}

QHash<QString, OwnerRoles> gather() {
    QHash<QString, OwnerRoles> roles;
    // y members by the path of their holder, to pair each x with the y beside it.
    QMap<QPair<QString, QString>, std::string> yByHolder;
    const QList<KeymapMemberDescription> description = describeDocument();
    for (const KeymapMemberDescription& described : description) {
        if (described.role == MemberRole::PositionY) {
            const int dot = described.path.lastIndexOf(QLatin1Char('.'));
            yByHolder.insert({described.owner, described.path.left(std::max(dot, 0))},
                             described.path.mid(dot + 1).toStdString());
        }
    }
    for (const KeymapMemberDescription& described : description) {
        RoleMember member;
        if (described.role == MemberRole::None || described.role == MemberRole::PositionY ||
            !split(described.path, member))
            continue;
        member.path = described.path;
        OwnerRoles& owner = roles[described.owner];
        switch (described.role) {
        case MemberRole::PositionX: {
            const int dot = described.path.lastIndexOf(QLatin1Char('.'));
            const auto y = yByHolder.constFind({described.owner, described.path.left(std::max(dot, 0))});
            if (y == yByHolder.constEnd())
                break;
            member.yName = *y;
            member.path = described.path.left(std::max(dot, 0));
            owner.points.push_back(std::move(member));
            break;
        }
        case MemberRole::Length:
            owner.lengths.push_back(std::move(member));
            break;
        case MemberRole::Size:
            owner.sizes.push_back(std::move(member));
            break;
        case MemberRole::Rectangle:
            owner.rectangles.push_back(std::move(member));
            break;
        case MemberRole::MacroRunningText:
            owner.macros.push_back(std::move(member));
            break;
        case MemberRole::None:
        case MemberRole::PositionY:
            break;
        }
    }
    return roles;
}

} // namespace

const QHash<QString, OwnerRoles>& memberRoles() {
    static const QHash<QString, OwnerRoles> roles = gather();
    return roles;
}

} // namespace retarget
} // namespace ovelkeymapmanager
