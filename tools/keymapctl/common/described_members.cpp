#include "common/described_members.h"

#include <QRegularExpression>

namespace keymapctl {

using ovelkeymapmanager::KeymapMemberDescription;

namespace {

struct Index {
    QList<KeymapMemberDescription> members;
    QHash<QString, int> byPath;              // owner '\n' path
    QHash<QString, QStringList> namesInside; // owner '\n' object path
};

QString parentPath(const QString& path) {
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.left(dot);
}

const Index& index() {
    static const Index made = [] {
        Index index;
        index.members = ovelkeymapmanager::DescribeKeymapMembers();
        for (int i = 0; i < index.members.size(); ++i) {
            const KeymapMemberDescription& member = index.members[i];
            index.byPath.insert(member.owner + QLatin1Char('\n') + member.path, i);
            const QString name = member.path.mid(member.path.lastIndexOf(QLatin1Char('.')) + 1);
            index.namesInside[member.owner + QLatin1Char('\n') + parentPath(member.path)].append(name);
        }
        return index;
    }();
    return made;
}

} // namespace

QString describedPath(const QString& path) {
    static const QRegularExpression elementIndex(QStringLiteral("\\[\\d+\\]"));
    return QString(path).replace(elementIndex, QStringLiteral("[]"));
}

const KeymapMemberDescription* describedMember(const QString& owner, const QString& path) {
    const Index& described = index();
    const auto it = described.byPath.constFind(owner + QLatin1Char('\n') + describedPath(path));
    return it == described.byPath.cend() ? nullptr : &described.members[*it];
}

QStringList describedMemberNames(const QString& owner, const QString& path) {
    return index().namesInside.value(owner + QLatin1Char('\n') + describedPath(path));
}

QString describedKindName(const QString& kind) {
    if (kind == QLatin1String("object"))
        return QStringLiteral("an object");
    if (kind == QLatin1String("array") || kind == QLatin1String("string-array"))
        return QStringLiteral("an array");
    if (kind == QLatin1String("string"))
        return QStringLiteral("a text");
    if (kind == QLatin1String("boolean"))
        return QStringLiteral("a boolean");
    if (kind == QLatin1String("integer"))
        return QStringLiteral("an integer");
    return QStringLiteral("a number");
}

} // namespace keymapctl
