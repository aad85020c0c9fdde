#include "schema/schema_generator.h"

#include "common/json_text.h"
#include "schema/schema_prose.h"

#include <keymapmanager/keymapmanager.h>

#include <QStringList>

namespace keymapctl {

using ovelkeymapmanager::KeymapMemberDescription;
using ovelkeymapmanager::MemberRole;

namespace {

const QString kInt = QStringLiteral("#/$defs/int");

class Generator {
public:
    Generator() : m_members(ovelkeymapmanager::DescribeKeymapMembers()) {}

    JsonText document() const {
        JsonText schema;
        schema.set(QStringLiteral("$schema"), QStringLiteral("https://json-schema.org/draft/2020-12/schema"));
        schema.set(QStringLiteral("title"), QStringLiteral("ovel-keymapmanager keymap document"));
        schema.set(QStringLiteral("description"), schemaProse(QStringLiteral("document"), QString()));
        schema.set(QStringLiteral("type"), QStringLiteral("object"));
        schema.set(QStringLiteral("required"), JsonText::strings({QStringLiteral("info")}));
        JsonText keymaps;
        keymaps.set(QStringLiteral("description"),
                    schemaProse(QStringLiteral("document"), QStringLiteral("keymaps")));
        keymaps.set(QStringLiteral("type"), QStringLiteral("array"));
        keymaps.set(QStringLiteral("items"), reference(QStringLiteral("#/$defs/item")));
        schema.set(QStringLiteral("properties"),
                   JsonText()
                       .set(QStringLiteral("info"), reference(QStringLiteral("#/$defs/info")))
                       .set(QStringLiteral("keymaps"), keymaps)
                       .set(QStringLiteral("param"), reference(QStringLiteral("#/$defs/param"))));
        JsonText definitions;
        definitions.set(QStringLiteral("int"),
                        JsonText()
                            .set(QStringLiteral("description"), QStringLiteral("A 32-bit signed integer."))
                            .set(QStringLiteral("type"), QStringLiteral("integer"))
                            .set(QStringLiteral("minimum"), JsonText::raw(QStringLiteral("-2147483648")))
                            .set(QStringLiteral("maximum"), JsonText::raw(QStringLiteral("2147483647"))));
        definitions.set(QStringLiteral("item"), itemDispatch());
        for (const QString& block : {QStringLiteral("info"), QStringLiteral("param")})
            definitions.set(block, object(block, QString(), titled(block)));
        for (const QString& type : ovelkeymapmanager::ConfigItemTypeNames())
            definitions.set(type + QStringLiteral("Item"), object(type, QString(), titled(type)));
        schema.set(QStringLiteral("$defs"), definitions);
        return schema;
    }

private:
    static JsonText reference(const QString& target) {
        return JsonText().set(QStringLiteral("$ref"), target);
    }

    static JsonText titled(const QString& owner) {
        JsonText head;
        head.set(QStringLiteral("title"), owner);
        const QString text = schemaProse(owner, QString());
        if (!text.isEmpty())
            head.set(QStringLiteral("description"), text);
        return head;
    }

    // The element of "keymaps": "type" picks the item's schema; another type is kept as it is.
    JsonText itemDispatch() const {
        JsonText item;
        item.set(QStringLiteral("description"),
                 QStringLiteral("One keymap item; \"type\" decides its further members."));
        item.set(QStringLiteral("type"), QStringLiteral("object"));
        item.set(QStringLiteral("required"), JsonText::strings({QStringLiteral("type")}));
        JsonText type;
        type.set(QStringLiteral("anyOf"),
                 JsonText::array({JsonText().set(QStringLiteral("enum"),
                                                 JsonText::strings(ovelkeymapmanager::ConfigItemTypeNames())),
                                  JsonText().set(QStringLiteral("type"), QStringLiteral("string"))}));
        item.set(QStringLiteral("properties"), JsonText().set(QStringLiteral("type"), type));
        QVector<JsonText> cases;
        for (const QString& name : ovelkeymapmanager::ConfigItemTypeNames()) {
            JsonText condition;
            condition.set(QStringLiteral("required"), JsonText::strings({QStringLiteral("type")}));
            condition.set(
                QStringLiteral("properties"),
                JsonText().set(QStringLiteral("type"), JsonText().set(QStringLiteral("const"), name)));
            cases.append(
                JsonText()
                    .set(QStringLiteral("if"), condition)
                    .set(QStringLiteral("then"), reference(QStringLiteral("#/$defs/%1Item").arg(name))));
        }
        item.set(QStringLiteral("allOf"), JsonText::array(cases));
        return item;
    }

    QList<const KeymapMemberDescription*> membersInside(const QString& owner, const QString& path) const {
        QList<const KeymapMemberDescription*> inside;
        const QString prefix = path.isEmpty() ? QString() : path + QLatin1Char('.');
        for (const KeymapMemberDescription& member : m_members) {
            if (member.owner == owner && member.path.startsWith(prefix) &&
                !member.path.mid(prefix.size()).contains(QLatin1Char('.')) &&
                !member.path.mid(prefix.size()).contains(QLatin1Char('[')))
                inside.append(&member);
        }
        return inside;
    }

    // The object at path, its keys set on schema after those it holds.
    JsonText object(const QString& owner, const QString& path, JsonText schema = JsonText()) const {
        schema.set(QStringLiteral("type"), QStringLiteral("object"));
        QStringList required;
        JsonText properties;
        for (const KeymapMemberDescription* member : membersInside(owner, path)) {
            const QString name = member->path.mid(member->path.lastIndexOf(QLatin1Char('.')) + 1);
            if (member->required)
                required << name;
            properties.set(name, memberSchema(*member));
        }
        if (!required.isEmpty())
            schema.set(QStringLiteral("required"), JsonText::strings(required));
        schema.set(QStringLiteral("properties"), properties);
        return schema;
    }

    // The elements of an array: those of another kind are skipped, and so is a record that lacks one
    // of its required members (feature images).
    JsonText elements(const QString& owner, const QString& path) const {
        const QString element = path + QStringLiteral("[]");
        JsonText schema;
        if (membersInside(owner, element).isEmpty()) {
            schema.set(QStringLiteral("if"), JsonText().set(QStringLiteral("type"), QStringLiteral("array")));
            schema.set(QStringLiteral("then"),
                       JsonText().set(QStringLiteral("items"), elements(owner, element)));
            return schema;
        }
        const JsonText record = object(owner, element);
        QStringList required;
        for (const KeymapMemberDescription* member : membersInside(owner, element)) {
            if (member->required)
                required << member->path.mid(member->path.lastIndexOf(QLatin1Char('.')) + 1);
        }
        schema.set(QStringLiteral("if"), JsonText()
                                             .set(QStringLiteral("type"), QStringLiteral("object"))
                                             .set(QStringLiteral("required"), JsonText::strings(required)));
        schema.set(QStringLiteral("then"), record);
        return schema;
    }

    JsonText memberSchema(const KeymapMemberDescription& member) const {
        const QString kind = member.kind;
        JsonText schema;
        if (kind == QLatin1String("integer"))
            schema.set(QStringLiteral("$ref"), kInt);
        const QString text = description(member);
        if (!text.isEmpty())
            schema.set(QStringLiteral("description"), text);
        if (kind == QLatin1String("object")) {
            schema = object(member.owner, member.path, schema);
        } else if (kind == QLatin1String("array")) {
            schema.set(QStringLiteral("type"), QStringLiteral("array"));
            schema.set(QStringLiteral("items"), elements(member.owner, member.path));
        } else if (kind == QLatin1String("string-array")) {
            schema.set(QStringLiteral("type"), QStringLiteral("array"));
            schema.set(QStringLiteral("items"),
                       JsonText().set(QStringLiteral("type"), QStringLiteral("string")));
        } else if (kind != QLatin1String("integer")) {
            schema.set(QStringLiteral("type"), kind);
        }
        if (!member.values.isEmpty()) {
            // Any text is kept: the values are what editors offer.
            schema.set(
                QStringLiteral("anyOf"),
                JsonText::array({JsonText().set(QStringLiteral("enum"), JsonText::strings(member.values)),
                                 JsonText().set(QStringLiteral("type"), QStringLiteral("string"))}));
        }
        if (!member.defaultValue.isEmpty() && kind != QLatin1String("object"))
            schema.set(QStringLiteral("default"), JsonText::raw(member.defaultValue));
        return schema;
    }

    static QString description(const KeymapMemberDescription& member) {
        QStringList sentences;
        const QString prose = schemaProse(member.owner, member.path);
        if (!prose.isEmpty())
            sentences << prose;
        switch (member.role) {
        case MemberRole::PositionX:
            sentences << QStringLiteral("Fraction of the screen width: 0.0 left edge, 1.0 right edge.");
            break;
        case MemberRole::PositionY:
            sentences << QStringLiteral("Fraction of the screen height: 0.0 top edge, 1.0 bottom edge.");
            break;
        case MemberRole::Length:
            sentences << QStringLiteral("A length: a fraction of the screen's shorter side.");
            break;
        case MemberRole::Size:
            sentences << QStringLiteral(
                "An area's width and height as fractions of the screen's width and height.");
            break;
        case MemberRole::Rectangle:
            sentences << QStringLiteral("An area: its corner and size as fractions of the screen.");
            break;
        case MemberRole::MacroRunningText:
            sentences << QStringLiteral("Macro lines in their running form.");
            break;
        case MemberRole::None:
            break;
        }
        if (member.writtenWhen == QLatin1String("never"))
            sentences << QStringLiteral("Checked when read, then dropped: saving never writes it.");
        else if (!member.writtenWhen.isEmpty())
            sentences << QStringLiteral("Saving writes it only when %1.").arg(member.writtenWhen);
        if (!member.documentKind.isEmpty())
            sentences << QStringLiteral("Saving writes it only in a %1 document.").arg(member.documentKind);
        return sentences.join(QLatin1Char(' '));
    }

    QList<KeymapMemberDescription> m_members;
};

} // namespace

QString keymapSchema() {
    return Generator().document().write() + QLatin1Char('\n');
}

} // namespace keymapctl
