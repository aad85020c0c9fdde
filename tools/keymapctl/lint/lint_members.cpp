#include "lint/lint_members.h"

#include "common/described_members.h"

#include <Poco/JSON/Array.h>

#include <QRegularExpression>

namespace keymapctl {

using namespace ovelkeymapmanager;
using ObjectPtr = Poco::JSON::Object::Ptr;
using ArrayPtr = Poco::JSON::Array::Ptr;

namespace {

// --- enumeration values ---------------------------------------------------------------------------

class ValueWalk {
public:
    explicit ValueWalk(RuleOutput& output) : m_output(output) {}

    // owner is the item type or the block that the value belongs to, inside the path within it.
    void walk(const Poco::Dynamic::Var& value, const QString& path, const QString& owner,
              const QString& inside) {
        if (value.type() == typeid(ObjectPtr)) {
            for (const auto& member : *value.extract<ObjectPtr>()) {
                const QString name = QString::fromStdString(member.first);
                const QString memberPath = path.isEmpty() ? name : path + QLatin1Char('.') + name;
                const QString memberInside = inside.isEmpty() ? name : inside + QLatin1Char('.') + name;
                if (member.second.isString())
                    text(name, QString::fromStdString(member.second.extract<std::string>()), memberPath,
                         describedMember(owner, memberInside));
                walk(member.second, memberPath, owner, memberInside);
            }
        } else if (value.type() == typeid(ArrayPtr)) {
            const ArrayPtr array = value.extract<ArrayPtr>();
            for (std::size_t i = 0; i < array->size(); ++i)
                walk(array->get(unsigned(i)), path + QStringLiteral("[%1]").arg(i), owner,
                     inside + QStringLiteral("[]"));
        }
    }

private:
    void text(const QString& name, const QString& value, const QString& path,
              const KeymapMemberDescription* described) {
        if (name.endsWith(QLatin1String("color"))) {
            static const QRegularExpression colour(QStringLiteral("^[0-9A-Fa-f]{8}$"));
            if (!colour.match(value).hasMatch())
                m_output.add(
                    path, QStringLiteral("\"%1\" is not a colour of 8 hex digits (red, green, blue, alpha)")
                              .arg(value));
            return;
        }
        if (described && !described->values.isEmpty() && !described->values.contains(value))
            m_output.add(path,
                         QStringLiteral("\"%1\" is not one of %2")
                             .arg(value, described->values.filter(QRegularExpression(QStringLiteral(".")))
                                             .join(QStringLiteral(", "))));
    }

    RuleOutput& m_output;
};

} // namespace

void unknownValues(LintContext& context, RuleOutput& output) {
    const LoadedDocument& document = context.document;
    const ObjectPtr& root = document.source.root;
    if (!root)
        return;
    ValueWalk walk(output);
    for (const char* block : {"info", "param"}) {
        if (root->has(block))
            walk.walk(root->get(block), QLatin1String(block), QLatin1String(block), QString());
    }
    if (!root->has("keymaps") || root->get("keymaps").type() != typeid(ArrayPtr))
        return;
    const ArrayPtr elements = root->getArray("keymaps");
    for (int i = 0; i < document.elementOfItem.size(); ++i) {
        const int element = document.elementOfItem[i];
        walk.walk(elements->get(unsigned(element)), QStringLiteral("keymaps[%1]").arg(element),
                  document.config->items[i]->typeName, QString());
    }
}

// --- key texts ------------------------------------------------------------------------------------

void keyTexts(LintContext& context, RuleOutput& output) {
    const LoadedDocument& document = context.document;
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
            output.add(QStringLiteral("keymaps[%1].%2.text").arg(element).arg(named.first),
                       QStringLiteral("the text \"%1\" is not the key's: %2 scan code %3 shows \"%4\"")
                           .arg(key.text, key.device)
                           .arg(key.scanCode)
                           .arg(given.text),
                       given.text);
        }
    }
}

// --- what saving drops or changes -------------------------------------------------------------------

namespace {

// The lint code of a change that format refuses: one comparison serves both.
QString changeCode(const SavingChange& change) {
    switch (change.kind) {
    case SavingChange::UnknownMember:
        return QStringLiteral("unknown-member");
    case SavingChange::Converted:
    case SavingChange::Changed:
        return QStringLiteral("lossy-value");
    case SavingChange::Duplicate:
        return QStringLiteral("duplicate-member");
    case SavingChange::Dropped:
        return change.path.endsWith(QLatin1String(".tap_info")) ? QStringLiteral("tap-info-dropped")
                                                                : QStringLiteral("dropped-member");
    case SavingChange::Reencoded:
        break;
    }
    return QString();
}

// What keeps a tap sequence from being complete.
QString tapInfoGaps(const SpellTapInfo& tap) {
    QStringList gaps;
    if (tap.tapCentreX == 0.0 && tap.tapCentreY == 0.0)
        gaps << QStringLiteral("the centre is (0, 0)");
    if (tap.factor == 0.0)
        gaps << QStringLiteral("\"factor\" is 0");
    if (tap.distanceRatio == 0.0)
        gaps << QStringLiteral("\"distance_ratio\" is 0");
    const int parts = tap.sequence.split(QLatin1Char(',')).size();
    if (tap.sequence.isEmpty())
        gaps << QStringLiteral("\"seq\" is empty");
    else if (parts != 16)
        gaps << QStringLiteral("\"seq\" has %1 parts, not 16").arg(parts);
    return gaps.join(QStringLiteral(", "));
}

} // namespace

void savingLosses(LintContext& context, RuleOutput& output) {
    for (const SavingChange& change : context.savingChanges()) {
        if (changeCode(change) != output.code())
            continue;
        QString message = change.message;
        const int item = context.document.elementOfItem.indexOf(change.item);
        if (output.code() == QLatin1String("tap-info-dropped") && item >= 0) {
            if (const auto* spell =
                    dynamic_cast<const SpellConfigItem*>(context.document.config->items[item]))
                message = QStringLiteral("\"tap_info\" is incomplete, so saving drops it: ") +
                          tapInfoGaps(spell->tapInfo);
        }
        output.add(change.path, message, change.fix);
    }
}

} // namespace keymapctl
