#include "lint_rules.h"

#include "lint_macros.h"
#include "lint_members.h"
#include "suggest.h"

#include <keymapmanager/keymapmanager.h>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

QString itemName(const LoadedDocument& document, int index) {
    return QStringLiteral("keymaps[%1] (%2)")
        .arg(document.elementOfItem.value(index, index))
        .arg(document.config->items[index]->typeName);
}

// --- unknown types ------------------------------------------------------------------------------

void unknownTypes(const LoadedDocument& document, FindingReport& report) {
    for (const LoadedDocument::KeptElement& element : document.keptElements) {
        Finding finding;
        finding.file = document.path;
        finding.severity = Severity::Warning;
        finding.code = QStringLiteral("unknown-type");
        finding.message = QStringLiteral("\"%1\" is not an item type; a host does not use this element, "
                                         "saving keeps it%2")
                              .arg(element.type, didYouMean(element.type, ConfigItemTypeNames()));
        finding.location.block = QStringLiteral("keymaps");
        finding.location.item = element.index;
        finding.location.type = element.type;
        report.add(finding);
    }
}

// --- keys bound twice ---------------------------------------------------------------------------

// One key or chord that triggers an item; an item with direction keys or two sides has several.
struct Binding {
    ConfigKey key;
    ConfigKey second; // unset for a single key
    QString text;
};

Binding binding(const ConfigKey& key, const ConfigKey& second) {
    Binding result{key, second.isComplete() ? second : ConfigKey(), key.text};
    if (second.isComplete())
        result.text += QLatin1Char('+') + second.text;
    return result;
}

QVector<Binding> bindingsOf(const ConfigItem& item) {
    QVector<Binding> bindings;
    auto add = [&bindings](const ConfigKey& key, const ConfigKey& second) {
        if (key.isComplete())
            bindings.append(binding(key, second));
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

// Whether the item answers to the binding by the library's own tests, as the host asks them: a
// chord item through isComposedKeyMatch, any other item through isKeyMatch (never for a chord).
bool answersTo(const ConfigItem& item, const Binding& binding) {
    if (const auto* composable = dynamic_cast<const ComposableConfigItem*>(&item))
        return composable->isComposedKeyMatch(binding.key, binding.second);
    return !binding.second.isComplete() && item.isKeyMatch(binding.key);
}

// The first binding of `of` that `item` answers to, if any.
const Binding* sharedBinding(const ConfigItem& item, const QVector<Binding>& of) {
    for (const Binding& binding : of) {
        if (answersTo(item, binding))
            return &binding;
    }
    return nullptr;
}

void duplicateKeys(const LoadedDocument& document, FindingReport& report) {
    const QList<ConfigItem*>& items = document.config->items;
    QVector<QVector<Binding>> bindings;
    for (const ConfigItem* item : items)
        bindings.append(bindingsOf(*item));
    for (int later = 1; later < items.size(); ++later) {
        for (int earlier = 0; earlier < later; ++earlier) {
            const Binding* shared = sharedBinding(*items[earlier], bindings[later]);
            if (!shared)
                shared = sharedBinding(*items[later], bindings[earlier]);
            if (!shared)
                continue;
            const QString keyText = shared->text.isEmpty() ? shared->key.identity() : shared->text;
            report.add(itemFinding(
                document, later, Severity::Warning, "duplicate-key",
                QStringLiteral("key %1 is also bound to %2").arg(keyText, itemName(document, earlier))));
        }
    }
}

// --- unset keys, positions ----------------------------------------------------------------------

void unsetKeys(const LoadedDocument& document, FindingReport& report) {
    const QList<ConfigItem*>& items = document.config->items;
    for (int i = 0; i < items.size(); ++i) {
        // A pair item answers to its two sides and never counts as unset.
        if (dynamic_cast<const PairConfigItem*>(items[i]) || !items[i]->isKeyUnset())
            continue;
        const bool directions = dynamic_cast<const DiamondConfigItem*>(items[i]) != nullptr;
        Finding finding = itemFinding(document, i, Severity::Warning, "unset-key",
                                      directions ? QStringLiteral("none of the four direction keys is set")
                                                 : QStringLiteral("the key is not set"));
        finding.location.member = directions ? QStringLiteral("top_key") : QStringLiteral("key");
        report.add(finding);
    }
}

bool inUnitRange(double value) {
    return value >= 0.0 && value <= 1.0;
}

void positions(const LoadedDocument& document, FindingReport& report) {
    const QList<ConfigItem*>& items = document.config->items;
    for (int i = 0; i < items.size(); ++i) {
        const ConfigItem& item = *items[i];
        const struct {
            const char* member;
            double x, y;
        } checked[] = {{"rel_work_position", item.workPositionX, item.workPositionY},
                       {"icon.rel_position", item.iconPositionX, item.iconPositionY}};
        for (const auto& position : checked) {
            if (inUnitRange(position.x) && inUnitRange(position.y))
                continue;
            Finding finding = itemFinding(document, i, Severity::Warning, "position-out-of-range",
                                          QStringLiteral("position (%1, %2) is outside the screen (0..1)")
                                              .arg(position.x)
                                              .arg(position.y));
            finding.location.member = QLatin1String(position.member);
            report.add(finding);
        }
    }
}

// --- spell tap sequences ------------------------------------------------------------------------

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

// A tap sequence that was given (not all empty) but is incomplete is not saved.
void tapInfo(const LoadedDocument& document, FindingReport& report) {
    const QList<ConfigItem*>& items = document.config->items;
    for (int i = 0; i < items.size(); ++i) {
        const auto* spell = dynamic_cast<const SpellConfigItem*>(items[i]);
        if (!spell || spell->tapInfo.isComplete())
            continue;
        const SpellTapInfo& tap = spell->tapInfo;
        if (tap.tapCentreX == 0.0 && tap.tapCentreY == 0.0 && tap.factor == 0.0 && tap.distanceRatio == 0.0 &&
            tap.sequence.isEmpty())
            continue;
        Finding finding = itemFinding(document, i, Severity::Error, "tap-info-dropped",
                                      QStringLiteral("\"tap_info\" is incomplete, so saving drops it: ") +
                                          tapInfoGaps(tap));
        finding.location.member = QStringLiteral("tap_info");
        report.add(finding);
    }
}

} // namespace

Finding itemFinding(const LoadedDocument& document, int index, Severity severity, const char* code,
                    const QString& message) {
    Finding finding;
    finding.file = document.path;
    finding.severity = severity;
    finding.code = QLatin1String(code);
    finding.message = message;
    finding.location.block = QStringLiteral("keymaps");
    finding.location.item = document.elementOfItem.value(index, index);
    finding.location.type = document.config->items[index]->typeName;
    return finding;
}

void lintDocument(const LoadedDocument& document, FindingReport& report) {
    unknownTypes(document, report);
    duplicateKeys(document, report);
    unsetKeys(document, report);
    positions(document, report);
    lintMacros(document, report);
    tapInfo(document, report);
    lintMembers(document, report);
}

} // namespace keymapctl
