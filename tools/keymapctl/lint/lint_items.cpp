#include "lint/lint_items.h"

#include "common/suggest.h"

#include <keymapmanager/keymapmanager.h>

#include <QHash>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

// A type this near a known one is a slip of the keyboard, not a newer host's type.
constexpr int kMisspeltDistance = 2;

QString probableType(const QString& type) {
    const QString nearest = nearestName(type, ConfigItemTypeNames());
    return !nearest.isEmpty() && editDistance(type, nearest) <= kMisspeltDistance ? nearest : QString();
}

QString elementPath(int element) {
    return QStringLiteral("keymaps[%1]").arg(element);
}

// One key or chord that triggers an item; an item with direction keys or two sides has several.
struct Binding {
    ConfigKey key;
    ConfigKey second; // unset for a single key
    QString text;
    // The same for two bindings exactly when the library's matching takes one for the other
    // (ConfigKey::matches compares what ConfigKey::identity names).
    QString identity() const {
        return second.isComplete() ? key.identity() + QLatin1Char('+') + second.identity() : key.identity();
    }
};

QVector<Binding> bindingsOf(const ConfigItem& item) {
    QVector<Binding> bindings;
    auto add = [&bindings](const ConfigKey& key, const ConfigKey& second) {
        if (!key.isComplete())
            return;
        Binding binding{key, second.isComplete() ? second : ConfigKey(), key.text};
        if (second.isComplete())
            binding.text += QLatin1Char('+') + second.text;
        if (binding.text.isEmpty())
            binding.text = key.identity();
        bindings.append(binding);
    };
    if (const auto* pair = dynamic_cast<const PairConfigItem*>(&item)) {
        add(pair->positive.key, pair->positive.secondKey);
        add(pair->negative.key, pair->negative.secondKey);
    } else if (const auto* diamond = dynamic_cast<const DiamondConfigItem*>(&item)) {
        for (const ConfigKey* key :
             {&diamond->topKey, &diamond->rightKey, &diamond->bottomKey, &diamond->leftKey})
            add(*key, ConfigKey());
    } else if (const auto* composable = dynamic_cast<const ComposableConfigItem*>(&item)) {
        add(item.key, composable->secondKey);
    } else {
        add(item.key, ConfigKey());
    }
    return bindings;
}

bool inUnitRange(double value) {
    return value >= 0.0 && value <= 1.0;
}

} // namespace

void misspeltTypes(LintContext& context, RuleOutput& output) {
    for (const LoadedDocument::KeptElement& element : context.document.keptElements) {
        const QString probable = probableType(element.type);
        if (!probable.isEmpty())
            output.add(elementPath(element.index) + QStringLiteral(".type"),
                       QStringLiteral("\"%1\" is not an item type but is nearly %2: the item does nothing "
                                      "in the game")
                           .arg(element.type, probable),
                       probable);
    }
}

void unknownTypes(LintContext& context, RuleOutput& output) {
    for (const LoadedDocument::KeptElement& element : context.document.keptElements) {
        if (probableType(element.type).isEmpty())
            output.add(elementPath(element.index) + QStringLiteral(".type"),
                       QStringLiteral("\"%1\" is not an item type; a host does not use this element, "
                                      "saving keeps it%2")
                           .arg(element.type, didYouMean(element.type, ConfigItemTypeNames())));
    }
}

// Items are grouped by the identity of their bindings, so that a key shared by many items costs
// one finding and one pass.
void duplicateKeys(LintContext& context, RuleOutput& output) {
    const LoadedDocument& document = context.document;
    const QList<ConfigItem*>& items = document.config->items;
    struct Group {
        QString text;
        QVector<int> items;
    };
    QVector<Group> groups;
    QHash<QString, int> groupOf;
    for (int i = 0; i < items.size(); ++i) {
        for (const Binding& binding : bindingsOf(*items[i])) {
            const auto found = groupOf.constFind(binding.identity());
            const int group = found != groupOf.cend() ? *found : int(groups.size());
            if (found == groupOf.cend()) {
                groupOf.insert(binding.identity(), group);
                groups.append(Group{binding.text, {}});
            }
            if (groups[group].items.isEmpty() || groups[group].items.last() != i)
                groups[group].items.append(i);
        }
    }
    for (const Group& group : groups) {
        if (group.items.size() < 2)
            continue;
        QStringList others;
        for (int k = 1; k < group.items.size(); ++k) {
            const int item = group.items[k];
            others << QStringLiteral("%1 (%2)").arg(elementPath(document.elementOfItem.value(item, item)),
                                                    items[item]->typeName);
        }
        const int first = group.items.first();
        output.add(
            elementPath(document.elementOfItem.value(first, first)),
            QStringLiteral("key %1 is also bound to %2").arg(group.text, others.join(QStringLiteral(", "))));
    }
}

void unsetKeys(LintContext& context, RuleOutput& output) {
    const LoadedDocument& document = context.document;
    const QList<ConfigItem*>& items = document.config->items;
    for (int i = 0; i < items.size(); ++i) {
        // A pair item answers to its two sides: the library never counts it as unset.
        if (!items[i]->isKeyUnset())
            continue;
        const bool directions = dynamic_cast<const DiamondConfigItem*>(items[i]) != nullptr;
        output.add(elementPath(document.elementOfItem.value(i, i)) +
                       (directions ? QStringLiteral(".top_key") : QStringLiteral(".key")),
                   directions ? QStringLiteral("none of the four direction keys is set")
                              : QStringLiteral("the key is not set"));
    }
}

void positions(LintContext& context, RuleOutput& output) {
    const LoadedDocument& document = context.document;
    const QList<ConfigItem*>& items = document.config->items;
    for (int i = 0; i < items.size(); ++i) {
        const ConfigItem& item = *items[i];
        const struct {
            const char* member;
            double x, y;
        } checked[] = {{".rel_work_position", item.workPositionX, item.workPositionY},
                       {".icon.rel_position", item.iconPositionX, item.iconPositionY}};
        for (const auto& position : checked) {
            if (inUnitRange(position.x) && inUnitRange(position.y))
                continue;
            output.add(elementPath(document.elementOfItem.value(i, i)) + QLatin1String(position.member),
                       QStringLiteral("position (%1, %2) is outside the screen (0..1)")
                           .arg(position.x)
                           .arg(position.y));
        }
    }
}

} // namespace keymapctl
