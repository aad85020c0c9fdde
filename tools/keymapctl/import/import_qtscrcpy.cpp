#include "import/import_qtscrcpy.h"

#include "import/import_nodes.h"
#include "import/import_source.h"

#include <QJsonArray>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

const char kNodes[] = "keyMapNodes";
const char kMouseMove[] = "mouseMoveMap";
const char kSwitchKey[] = "switchKey";

// Mouse movement drags a touch from "startPos": free look, as a Staring item does.
std::unique_ptr<ConfigItem> importMouseMove(ImportContext& context, const QJsonValue& value,
                                            std::unique_ptr<ConfigItem>& observe) {
    const QString path = QLatin1String(kMouseMove);
    if (!value.isObject()) {
        context.nodeDropped(path, QStringLiteral("mouse movement is an object"));
        return nullptr;
    }
    const QJsonObject mouseMove = value.toObject();
    const std::optional<QPointF> start = context.position(mouseMove, path, "startPos");
    for (const char* name : {"speedRatio", "speedRatioX", "speedRatioY"}) {
        if (mouseMove.contains(QLatin1String(name))) {
            context.report(
                Severity::Warning, "speed-ratio-dropped", memberPath(path, QLatin1String(name)),
                QStringLiteral("the speed ratio does not translate into a sensitivity; the free look "
                               "keeps its default sensitivity"));
        }
    }
    const QString eyesPath = memberPath(path, QStringLiteral("smallEyes"));
    const QJsonValue eyes = mouseMove.value(QStringLiteral("smallEyes"));
    if (eyes.isObject())
        observe = importSmallEyes(context, eyes.toObject(), eyesPath);
    else if (!eyes.isUndefined())
        context.nodeDropped(eyesPath, QStringLiteral("a node is an object"));
    context.ignoreOthers(mouseMove, path,
                         {QStringLiteral("startPos"), QStringLiteral("speedRatio"),
                          QStringLiteral("speedRatioX"), QStringLiteral("speedRatioY"),
                          QStringLiteral("smallEyes"), QStringLiteral("comment")});
    if (!start)
        return nullptr;
    std::unique_ptr<ConfigItem> staring(CreateConfigItem(QLatin1String(TypeName::Staring)));
    placeItem(*staring, *start, mouseMove);
    return staring;
}

// The key that turns the whole mapping on and off. The nearest thing a keymap has is the key of
// its free look, which captures and frees the mouse.
void importSwitchKey(ImportContext& context, const QJsonObject& root, ConfigItem* staring) {
    const QString path = QLatin1String(kSwitchKey);
    if (!root.contains(path))
        return;
    if (!staring) {
        context.report(
            Severity::Warning, "switch-key-dropped", path,
            QStringLiteral("a keymap has no key that turns it on and off, and there is no free look "
                           "to take the key; left out"));
        return;
    }
    if (const std::optional<ConfigKey> key = context.key(root, QString(), kSwitchKey)) {
        staring->key = *key;
        context.report(
            Severity::Warning, "switch-key-approximated", path,
            QStringLiteral("a keymap has no key that turns it on and off; the key now switches the "
                           "free look (Staring) only, and the other items stay active"));
    }
}

} // namespace

QString qtscrcpyShapeProblem(const QJsonDocument& document) {
    if (!document.isObject())
        return QStringLiteral("the document is not a JSON object");
    if (!document.object().value(QLatin1String(kNodes)).isArray())
        return QStringLiteral("the document has no \"%1\" array").arg(QLatin1String(kNodes));
    return QString();
}

std::unique_ptr<KeymapConfig> importQtScrcpy(ImportContext& context, const QJsonObject& root) {
    auto config = std::make_unique<KeymapConfig>();
    std::unique_ptr<ConfigItem> staring;
    std::unique_ptr<ConfigItem> observe;
    if (root.contains(QLatin1String(kMouseMove)))
        staring = importMouseMove(context, root.value(QLatin1String(kMouseMove)), observe);
    importSwitchKey(context, root, staring.get());
    context.ignoreOthers(root, QString(),
                         {QLatin1String(kNodes), QLatin1String(kMouseMove), QLatin1String(kSwitchKey)});

    const QJsonArray nodes = root.value(QLatin1String(kNodes)).toArray();
    for (int i = 0; i < nodes.size(); ++i) {
        if (std::unique_ptr<ConfigItem> item =
                importNode(context, nodes.at(i), elementPath(QLatin1String(kNodes), i)))
            config->items.append(item.release());
    }
    // After the nodes, so that an item's index is its node's when every node is imported.
    for (std::unique_ptr<ConfigItem>* item : {&staring, &observe}) {
        if (*item)
            config->items.append(item->release());
    }
    return config;
}

namespace {

// A QtScrcpy file holds one keymap and no title.
class QtScrcpyKeymaps : public SourceKeymaps {
public:
    explicit QtScrcpyKeymaps(QJsonObject root) : m_root(std::move(root)) {}
    int count() const override { return 1; }
    QString title(int) const override { return QString(); }
    std::unique_ptr<KeymapConfig> import(ImportContext& context, int) const override {
        return importQtScrcpy(context, m_root);
    }

private:
    QJsonObject m_root;
};

} // namespace

std::unique_ptr<SourceKeymaps> readQtScrcpy(const QJsonDocument& document, SourceProblem& problem) {
    if (const QString shape = qtscrcpyShapeProblem(document); !shape.isEmpty()) {
        problem.code = "not-qtscrcpy";
        problem.message = shape + QStringLiteral(", so it is not a QtScrcpy keymap");
        return nullptr;
    }
    return std::make_unique<QtScrcpyKeymaps>(document.object());
}

} // namespace keymapctl
