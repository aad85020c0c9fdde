// The description of the document's members (DescribeKeymapMembers), held against what the library
// itself writes and reads: every member saving writes is described with its kind, every described
// member is written, defaults are what new items write, "required" is what stops reading, and the
// geometry roles sit where they belong.
#include "support/testsupport.h"

#include <keymapmanager/keymapmanager.h>

#include <Poco/JSON/Array.h>
#include <Poco/JSON/Parser.h>
#include <Poco/JSON/Stringifier.h>
#include <gtest/gtest.h>

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <functional>
#include <memory>
#include <sstream>

namespace {

using namespace ovelkeymapmanager;
using Poco::Dynamic::Var;
using testsupport::parseObject;
using testsupport::stringify;
using ObjectPtr = Poco::JSON::Object::Ptr;
using ArrayPtr = Poco::JSON::Array::Ptr;

const QHash<QString, KeymapMemberDescription>& described() {
    static const QHash<QString, KeymapMemberDescription> byPath = [] {
        QHash<QString, KeymapMemberDescription> members;
        for (const KeymapMemberDescription& member : DescribeKeymapMembers())
            members.insert(member.owner + QLatin1Char(' ') + member.path, member);
        return members;
    }();
    return byPath;
}

const KeymapMemberDescription* find(const QString& owner, const QString& path) {
    const auto it = described().constFind(owner + QLatin1Char(' ') + path);
    return it == described().cend() ? nullptr : &*it;
}

// Calls visit(path, value) for every member and array element below value, paths as described.
void walk(const Var& value, const QString& path,
          const std::function<void(const QString&, const Var&)>& visit) {
    if (value.type() == typeid(ObjectPtr)) {
        for (const auto& member : *value.extract<ObjectPtr>()) {
            const QString name = QString::fromStdString(member.first);
            const QString inside = path.isEmpty() ? name : path + QLatin1Char('.') + name;
            visit(inside, member.second);
            walk(member.second, inside, visit);
        }
    } else if (value.type() == typeid(ArrayPtr)) {
        for (const Var& element : *value.extract<ArrayPtr>())
            if (element.type() == typeid(ObjectPtr) || element.type() == typeid(ArrayPtr))
                walk(element, path + QStringLiteral("[]"), visit);
    }
}

std::string jsonOf(const Var& value) {
    std::ostringstream text;
    Poco::JSON::Stringifier::condense(value, text);
    return text.str();
}

bool fits(const QString& kind, const Var& value) {
    if (value.type() == typeid(ObjectPtr))
        return kind == QLatin1String("object");
    if (value.type() == typeid(ArrayPtr)) {
        if (kind == QLatin1String("array"))
            return true;
        for (const Var& element : *value.extract<ArrayPtr>())
            if (!element.isString())
                return false;
        return kind == QLatin1String("string-array");
    }
    if (value.isBoolean())
        return kind == QLatin1String("boolean");
    if (value.isString())
        return kind == QLatin1String("string");
    // Saving writes a whole number without a decimal point.
    return kind == QLatin1String("number") || (kind == QLatin1String("integer") && value.isInteger());
}

// Each item's, info's and param's members as saving writes the document, with the owner they belong to.
void visitSaved(KeymapConfig& document,
                const std::function<void(const QString&, const QString&, const Var&)>& visit) {
    const ObjectPtr saved = parseObject(ConfigAndInfoSavedText(&document).toStdString());
    for (const char* block : {"info", "param"})
        walk(saved->get(block), QString(),
             [&](const QString& path, const Var& value) { visit(QLatin1String(block), path, value); });
    for (const Var& element : *saved->getArray("keymaps")) {
        const QString type =
            QString::fromStdString(element.extract<ObjectPtr>()->getValue<std::string>("type"));
        walk(element, QString(), [&](const QString& path, const Var& value) { visit(type, path, value); });
    }
}

TEST(Description, EveryMemberSavingWritesIsDescribedAndEveryDescribedMemberIsWritten) {
    QSet<QString> written;
    for (const char* file : {"tests/schema/filled.json", "examples/keymap-landscape-1280x720.json"}) {
        for (const bool joystick : {false, true}) {
            const std::unique_ptr<KeymapConfig> document(
                LoadKeymapConfigAndInfo(testsupport::sourcePath(file)));
            document->info->isJoystick = joystick;
            visitSaved(*document, [&](const QString& owner, const QString& path, const Var& value) {
                const KeymapMemberDescription* member = find(owner, path);
                ASSERT_TRUE(member) << qPrintable(owner) << " " << qPrintable(path);
                EXPECT_TRUE(fits(member->kind, value)) << qPrintable(owner + " " + path + " " + member->kind);
                EXPECT_NE(member->documentKind, QLatin1String(joystick ? "keymap" : "joystick"))
                    << qPrintable(owner + " " + path);
                EXPECT_NE(member->writtenWhen, QLatin1String("never")) << qPrintable(owner + " " + path);
                written.insert(owner + QLatin1Char(' ') + path);
            });
        }
    }
    // Members that are read and dropped are never written, and nor is anything inside them.
    const auto neverWritten = [](const KeymapMemberDescription& member) {
        for (QString path = member.path; !path.isEmpty();
             path = path.left(std::max(0, int(path.lastIndexOf('.'))))) {
            const KeymapMemberDescription* around = find(member.owner, path);
            if (around && around->writtenWhen == QLatin1String("never"))
                return true;
        }
        return false;
    };
    for (auto it = described().cbegin(); it != described().cend(); ++it) {
        if (!neverWritten(*it)) {
            EXPECT_TRUE(written.contains(it.key()))
                << qPrintable(it.key()) << " is described but never written";
        }
    }
}

TEST(Description, DefaultsAreWhatNewItemsAndBlocksWrite) {
    const auto check = [](const QString& owner, const Poco::JSON::Object& object) {
        walk(ObjectPtr(new Poco::JSON::Object(object)), QString(),
             [&](const QString& path, const Var& value) {
                 const KeymapMemberDescription* member = find(owner, path);
                 ASSERT_TRUE(member) << qPrintable(owner + " " + path);
                 if (member->kind == QLatin1String("object") || path.contains(QLatin1Char('[')))
                     return;
                 const Var expected = Poco::JSON::Parser()
                                          .parse("[" + member->defaultValue.toStdString() + "]")
                                          .extract<ArrayPtr>()
                                          ->get(0);
                 EXPECT_EQ(jsonOf(value), jsonOf(expected)) << qPrintable(owner + " " + path);
                 if (!member->values.isEmpty()) {
                     EXPECT_TRUE(member->values.contains(QString::fromStdString(value.toString())))
                         << qPrintable(owner + " " + path);
                 }
             });
    };
    for (const QString& type : ConfigItemTypeNames())
        check(type, std::unique_ptr<ConfigItem>(CreateConfigItem(type))->toJson());
    check(QStringLiteral("info"), KeymapInfo().toJson());
    for (const bool joystick : {false, true})
        check(QStringLiteral("param"), KeymapParam().toJson(joystick));
}

// Removes the member at a dotted path.
void removeAt(const ObjectPtr& object, const QString& path) {
    ObjectPtr parent = object;
    const QStringList steps = path.split(QLatin1Char('.'));
    for (int i = 0; i + 1 < steps.size(); ++i)
        parent = parent->getObject(steps[i].toStdString());
    parent->remove(steps.last().toStdString());
}

TEST(Description, RequiredMembersAreThoseWhoseAbsenceStopsReading) {
    for (const QString& type : ConfigItemTypeNames()) {
        const ObjectPtr full = testsupport::written(*std::unique_ptr<ConfigItem>(CreateConfigItem(type)));
        walk(full, QString(), [&](const QString& path, const Var&) {
            const ObjectPtr without = parseObject(stringify(*full));
            removeAt(without, path);
            bool stopped = false;
            try {
                std::unique_ptr<ConfigItem>(CreateConfigItem(type))->fromJson(without);
            } catch (const Poco::Exception&) {
                stopped = true;
            }
            EXPECT_EQ(stopped, find(type, path)->required) << qPrintable(type + " " + path);
        });
    }
}

TEST(Description, RolesSitOnTheirKindsAndPositionsComeInPairs) {
    const auto parentOf = [](const QString& path) {
        return path.left(std::max(0, int(path.lastIndexOf('.'))));
    };
    const auto sibling = [&](const KeymapMemberDescription& member, const char* name) {
        const QString parent = parentOf(member.path);
        return find(member.owner, parent.isEmpty() ? QLatin1String(name) : parent + QLatin1Char('.') + name);
    };
    for (const KeymapMemberDescription& member : DescribeKeymapMembers()) {
        const QString where = member.owner + QLatin1Char(' ') + member.path;
        const QString name = member.path.section(QLatin1Char('.'), -1);
        switch (member.role) {
        case MemberRole::PositionX:
        case MemberRole::PositionY: {
            const bool x = member.role == MemberRole::PositionX;
            EXPECT_EQ(name, QLatin1String(x ? "rel_x" : "rel_y")) << qPrintable(where);
            const KeymapMemberDescription* other = sibling(member, x ? "rel_y" : "rel_x");
            ASSERT_TRUE(other) << qPrintable(where);
            EXPECT_EQ(other->role, x ? MemberRole::PositionY : MemberRole::PositionX) << qPrintable(where);
            break;
        }
        case MemberRole::Size:
        case MemberRole::Rectangle: {
            QStringList leaves{QStringLiteral("rel_width"), QStringLiteral("rel_height")};
            if (member.role == MemberRole::Rectangle)
                leaves << QStringLiteral("rel_x") << QStringLiteral("rel_y");
            for (const QString& leaf : leaves) {
                const KeymapMemberDescription* inner =
                    find(member.owner, member.path + QLatin1Char('.') + leaf);
                ASSERT_TRUE(inner) << qPrintable(where + "." + leaf);
                EXPECT_EQ(inner->role, MemberRole::None) << qPrintable(where + "." + leaf);
                EXPECT_EQ(inner->kind, QLatin1String("number")) << qPrintable(where + "." + leaf);
            }
            break;
        }
        case MemberRole::Length:
            EXPECT_EQ(member.kind, QLatin1String("number")) << qPrintable(where);
            break;
        case MemberRole::MacroRunningText:
            EXPECT_EQ(member.kind, QLatin1String("string-array")) << qPrintable(where);
            break;
        case MemberRole::None:
            // Radii, distances and gaps are lengths; every other "rel_x" belongs to a rectangle.
            EXPECT_FALSE(name.startsWith(QLatin1String("rel_radius")) ||
                         name.endsWith(QLatin1String("distance")) || name.endsWith(QLatin1String("_gap")))
                << qPrintable(where);
            if (name == QLatin1String("rel_x")) {
                EXPECT_EQ(find(member.owner, parentOf(member.path))->role, MemberRole::Rectangle)
                    << qPrintable(where);
            }
            break;
        }
    }
    const struct {
        const char* owner;
        const char* path;
        MemberRole role;
    } kRoles[] = {
        {"Macro", "press_actions", MemberRole::MacroRunningText},
        {"OperationRecorder", "release_actions", MemberRole::MacroRunningText},
        {"Staring", "staring_range", MemberRole::Size},
        {"RightStickEye", "staring_range", MemberRole::Size},
        {"info", "feature_images[][].rect", MemberRole::Rectangle},
        {"info", "feature_images[][].resolution", MemberRole::None},
        {"Spell", "spell_info.range", MemberRole::None},
    };
    for (const auto& expected : kRoles) {
        const KeymapMemberDescription* member =
            find(QLatin1String(expected.owner), QLatin1String(expected.path));
        ASSERT_TRUE(member) << expected.owner << " " << expected.path;
        EXPECT_EQ(member->role, expected.role) << expected.owner << " " << expected.path;
    }
}

} // namespace
