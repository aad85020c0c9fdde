#include "lint_members.h"

#include "described_members.h"
#include "saving_changes.h"

#include <Poco/JSON/Array.h>

#include <QRegularExpression>

namespace keymapctl {

using namespace ovelkeymapmanager;
using ObjectPtr = Poco::JSON::Object::Ptr;
using ArrayPtr = Poco::JSON::Array::Ptr;

namespace {

Finding memberFinding(const LoadedDocument& document, Severity severity, const char* code,
                      const QString& path, int item, const QString& type, const QString& message) {
    Finding finding;
    finding.file = document.path;
    finding.severity = severity;
    finding.code = QLatin1String(code);
    finding.message = message;
    finding.location.block = path.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('['), 0, 0);
    finding.location.item = item;
    finding.location.type = type;
    finding.location.path = path;
    const KeymapSourcePlace place = placeOf(document.source, path);
    finding.location.line = place.line;
    finding.location.column = place.column;
    return finding;
}

void savingFindings(const LoadedDocument& document, FindingReport& report) {
    for (const SavingChange& change : savingChanges(document)) {
        if (change.kind == SavingChange::UnknownMember)
            report.add(memberFinding(document, Severity::Warning, "unknown-member", change.path, change.item,
                                     change.type, change.message));
        else if (change.kind == SavingChange::Converted || change.kind == SavingChange::Changed)
            report.add(memberFinding(document, Severity::Warning, "lossy-value", change.path, change.item,
                                     change.type, change.message));
    }
}

// --- enumeration values ---------------------------------------------------------------------------

class ValueWalk {
public:
    ValueWalk(const LoadedDocument& document, FindingReport& report)
        : m_document(document), m_report(report) {}

    // owner is the item type or the block that the value belongs to, inside the path within it.
    void walk(const Poco::Dynamic::Var& value, const QString& path, const QString& owner,
              const QString& inside, int item, const QString& type) {
        if (value.type() == typeid(ObjectPtr)) {
            for (const auto& member : *value.extract<ObjectPtr>()) {
                const QString name = QString::fromStdString(member.first);
                const QString memberPath = path.isEmpty() ? name : path + QLatin1Char('.') + name;
                const QString memberInside = inside.isEmpty() ? name : inside + QLatin1Char('.') + name;
                if (member.second.isString())
                    text(name, QString::fromStdString(member.second.extract<std::string>()), memberPath,
                         describedMember(owner, memberInside), item, type);
                walk(member.second, memberPath, owner, memberInside, item, type);
            }
        } else if (value.type() == typeid(ArrayPtr)) {
            const ArrayPtr array = value.extract<ArrayPtr>();
            for (std::size_t i = 0; i < array->size(); ++i)
                walk(array->get(unsigned(i)), path + QStringLiteral("[%1]").arg(i), owner,
                     inside + QStringLiteral("[]"), item, type);
        }
    }

private:
    void text(const QString& name, const QString& value, const QString& path,
              const KeymapMemberDescription* described, int item, const QString& type) {
        if (name.endsWith(QLatin1String("color"))) {
            static const QRegularExpression colour(QStringLiteral("^[0-9A-Fa-f]{8}$"));
            if (!colour.match(value).hasMatch())
                add(path, item, type,
                    QStringLiteral("\"%1\" is not a colour of 8 hex digits (red, green, blue, alpha)")
                        .arg(value));
            return;
        }
        if (described && !described->values.isEmpty() && !described->values.contains(value))
            add(path, item, type,
                QStringLiteral("\"%1\" is not one of %2")
                    .arg(value, described->values.filter(QRegularExpression(QStringLiteral(".")))
                                    .join(QStringLiteral(", "))));
    }

    void add(const QString& path, int item, const QString& type, const QString& message) {
        m_report.add(
            memberFinding(m_document, Severity::Warning, "unknown-value", path, item, type, message));
    }

    const LoadedDocument& m_document;
    FindingReport& m_report;
};

void unknownValues(const LoadedDocument& document, FindingReport& report) {
    const ObjectPtr& root = document.source.root;
    if (!root)
        return;
    ValueWalk walk(document, report);
    for (const char* block : {"info", "param"}) {
        if (root->has(block))
            walk.walk(root->get(block), QLatin1String(block), QLatin1String(block), QString(), -1, QString());
    }
    if (!root->has("keymaps") || root->get("keymaps").type() != typeid(ArrayPtr))
        return;
    const ArrayPtr elements = root->getArray("keymaps");
    for (int i = 0; i < document.elementOfItem.size(); ++i) {
        const int element = document.elementOfItem[i];
        const QString& type = document.config->items[i]->typeName;
        walk.walk(elements->get(unsigned(element)), QStringLiteral("keymaps[%1]").arg(element), type,
                  QString(), element, type);
    }
}

// --- key texts ------------------------------------------------------------------------------------

void keyTexts(const LoadedDocument& document, FindingReport& report) {
    for (int i = 0; i < document.config->items.size(); ++i) {
        const ConfigItem& item = *document.config->items[i];
        const int element = document.elementOfItem.value(i, i);
        QVector<QPair<QString, const ConfigKey*>> keys{{QStringLiteral("key"), &item.key}};
        if (const auto* composable = dynamic_cast<const ComposableConfigItem*>(&item))
            keys.append({QStringLiteral("second_key"), &composable->secondKey});
        if (const auto* diamond = dynamic_cast<const DiamondConfigItem*>(&item)) {
            keys.append({QStringLiteral("top_key"), &diamond->topKey});
            keys.append({QStringLiteral("right_key"), &diamond->rightKey});
            keys.append({QStringLiteral("bottom_key"), &diamond->bottomKey});
            keys.append({QStringLiteral("left_key"), &diamond->leftKey});
        }
        if (const auto* pair = dynamic_cast<const PairConfigItem*>(&item)) {
            keys.append({QStringLiteral("positive_key.key"), &pair->positive.key});
            keys.append({QStringLiteral("positive_key.second_key"), &pair->positive.secondKey});
            keys.append({QStringLiteral("negative_key.key"), &pair->negative.key});
            keys.append({QStringLiteral("negative_key.second_key"), &pair->negative.secondKey});
        }
        for (const auto& named : keys) {
            const ConfigKey& key = *named.second;
            // Joystick keys are known by their text alone.
            if (!key.isComplete() || key.device == QLatin1String(Device::Joystick))
                continue;
            const ConfigKey given = CreateConfigKey(key.device, key.virtualKey, key.scanCode);
            if (given.text == key.text)
                continue;
            report.add(memberFinding(
                document, Severity::Warning, "key-text-mismatch",
                QStringLiteral("keymaps[%1].%2.text").arg(element).arg(named.first), element, item.typeName,
                QStringLiteral("the text \"%1\" is not the key's: %2 scan code %3 shows \"%4\"")
                    .arg(key.text, key.device)
                    .arg(key.scanCode)
                    .arg(given.text)));
        }
    }
}

} // namespace

void lintMembers(const LoadedDocument& document, FindingReport& report) {
    savingFindings(document, report);
    unknownValues(document, report);
    keyTexts(document, report);
}

} // namespace keymapctl
