#include "import/import_nodes.h"

#include <QJsonArray>
#include <QRect>

#include <algorithm>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

// The screen a QtScrcpy keymap is taken to be made for when --screen does not say.
const QSize kDefaultScreen(1280, 720);

const char kComment[] = "comment";
const char kType[] = "type";
const char kMacroOffScreen[] = "the macro clicks at the nearest point of the screen";

// "switchMap": the click also freed the mouse cursor; a keymap's click cannot.
void dropSwitchMap(ImportContext& context, const QJsonObject& node, const QString& path) {
    if (node.value(QStringLiteral("switchMap")).toBool()) {
        context.report(Severity::Warning, "switch-map-dropped", memberPath(path, QStringLiteral("switchMap")),
                       QStringLiteral("a click that also frees the mouse cursor has no equivalent; "
                                      "imported as a plain click"));
    }
}

void reportIfPresent(ImportContext& context, const QJsonObject& node, const QString& path, const char* name,
                     const char* code, const char* message) {
    if (node.contains(QLatin1String(name)))
        context.report(Severity::Warning, code, memberPath(path, QLatin1String(name)),
                       QLatin1String(message));
}

// --- macros ---------------------------------------------------------------------------------------

// "click X,Y" in pixels of the screen; editing text has no negative or fractional pixels.
QString clickLine(const ImportContext& context, const QPointF& position) {
    const QSize screen = context.screen(kDefaultScreen);
    const int x = qRound(std::clamp(position.x(), 0.0, 1.0) * screen.width());
    const int y = qRound(std::clamp(position.y(), 0.0, 1.0) * screen.height());
    return QStringLiteral("click %1,%2").arg(x).arg(y);
}

std::unique_ptr<ConfigItem> macroItem(ImportContext& context, const QJsonObject& node, const QString& path,
                                      const QPointF& position, const QStringList& press,
                                      const QStringList& release) {
    const std::optional<ConfigKey> key = context.key(node, path, "key");
    const QRect screen(QPoint(0, 0), context.screen(kDefaultScreen));
    const std::optional<QStringList> pressRunning = context.runningLines(press, screen, path);
    const std::optional<QStringList> releaseRunning = context.runningLines(release, screen, path);
    if (!key || !pressRunning || !releaseRunning)
        return nullptr;
    auto item = createItem<MacroConfigItem>(TypeName::Macro);
    item->key = *key;
    item->pressActions = *pressRunning;
    item->releaseActions = *releaseRunning;
    placeItem(*item, position, node);
    return item;
}

// --- the node types -------------------------------------------------------------------------------

std::unique_ptr<ConfigItem> importClick(ImportContext& context, const QJsonObject& node,
                                        const QString& path) {
    const std::optional<ConfigKey> key = context.key(node, path, "key");
    const std::optional<QPointF> position = context.position(node, path, "pos");
    if (!key || !position)
        return nullptr;
    dropSwitchMap(context, node, path);
    auto item = createItem<ClickConfigItem>(TypeName::Click);
    item->key = *key;
    placeItem(*item, *position, node);
    return item;
}

// Press taps once and release taps once more.
std::unique_ptr<ConfigItem> importClickTwice(ImportContext& context, const QJsonObject& node,
                                             const QString& path) {
    const std::optional<QPointF> position = context.position(node, path, "pos", kMacroOffScreen);
    if (!position)
        return nullptr;
    const QStringList tap{clickLine(context, *position)};
    return macroItem(context, node, path, *position, tap, tap);
}

// Press taps each position in turn, each after its delay.
std::unique_ptr<ConfigItem> importClickMulti(ImportContext& context, const QJsonObject& node,
                                             const QString& path) {
    const QString listPath = memberPath(path, QStringLiteral("clickNodes"));
    const QJsonArray clicks = node.value(QStringLiteral("clickNodes")).toArray();
    if (clicks.isEmpty()) {
        context.nodeDropped(listPath, QStringLiteral("a list of clicks is needed"));
        return nullptr;
    }
    QStringList press;
    QPointF first;
    for (int i = 0; i < clicks.size(); ++i) {
        const QString clickPath = elementPath(listPath, i);
        const QJsonObject click = clicks.at(i).toObject();
        const std::optional<QPointF> position = context.position(click, clickPath, "pos", kMacroOffScreen);
        const QJsonValue delay = click.value(QStringLiteral("delay"));
        if (!delay.isUndefined() && (!delay.isDouble() || delay.toDouble() < 0)) {
            context.nodeDropped(memberPath(clickPath, QStringLiteral("delay")),
                                QStringLiteral("a delay is a number of milliseconds, 0 or more"));
            return nullptr;
        }
        if (!position)
            return nullptr;
        context.ignoreOthers(click, clickPath, {QStringLiteral("delay"), QStringLiteral("pos")});
        if (const int ms = milliseconds(delay.toDouble()); ms > 0)
            press << QStringLiteral("sleep %1").arg(ms);
        press << clickLine(context, *position);
        if (i == 0)
            first = *position;
    }
    return macroItem(context, node, path, first, press, {});
}

// Press drags from the start to the end; release lifts.
std::unique_ptr<ConfigItem> importDrag(ImportContext& context, const QJsonObject& node, const QString& path) {
    const std::optional<ConfigKey> key = context.key(node, path, "key");
    const std::optional<QPointF> start = context.position(node, path, "startPos");
    const std::optional<QPointF> end = context.position(node, path, "endPos");
    const QJsonValue delay = node.value(QStringLiteral("startDelay"));
    if (!delay.isUndefined() && (!delay.isDouble() || delay.toDouble() < 0)) {
        context.nodeDropped(memberPath(path, QStringLiteral("startDelay")),
                            QStringLiteral("a delay is a number of milliseconds, 0 or more"));
        return nullptr;
    }
    if (!key || !start || !end)
        return nullptr;
    reportIfPresent(context, node, path, "dragSpeed", "drag-speed-dropped",
                    "a curve has no speed of its own; the host's speed applies");
    auto item = createItem<CurveConfigItem>(TypeName::Curve);
    item->key = *key;
    item->startPosition = *start;
    item->endPosition = *end;
    item->actAsLine = true;
    item->startWaitTime = milliseconds(delay.toDouble());
    placeItem(*item, *start, node);
    return item;
}

// Four direction keys around a centre; the stick reaches as far as the farthest direction.
std::unique_ptr<ConfigItem> importSteerWheel(ImportContext& context, const QJsonObject& node,
                                             const QString& path) {
    const std::optional<QPointF> centre = context.position(node, path, "centerPos");
    const std::optional<ConfigKey> up = context.key(node, path, "upKey");
    const std::optional<ConfigKey> right = context.key(node, path, "rightKey");
    const std::optional<ConfigKey> down = context.key(node, path, "downKey");
    const std::optional<ConfigKey> left = context.key(node, path, "leftKey");
    QVector<double> offsets;
    for (const char* name : {"upOffset", "rightOffset", "downOffset", "leftOffset"}) {
        if (const std::optional<double> offset = context.number(node, path, name))
            offsets << *offset;
    }
    if (!centre || !up || !right || !down || !left || offsets.size() != 4)
        return nullptr;
    // The offsets are fractions of the screen: the vertical ones of its height, the horizontal ones
    // of its width; a keymap's radius is a fraction of the shorter side.
    const QSizeF screen = context.screen(kDefaultScreen);
    QVector<double> reaches;
    for (int i = 0; i < 4; ++i)
        reaches << onShorterSide(offsets[i], i % 2 == 0 ? screen.height() : screen.width(), screen);
    const double radius = *std::max_element(reaches.begin(), reaches.end());
    if (radius - *std::min_element(reaches.begin(), reaches.end()) > 1e-9) {
        context.report(Severity::Warning, "unequal-offsets", path,
                       QStringLiteral("the offsets up %1, right %2, down %3, left %4 (of the screen's height "
                                      "up and down, of its width left and right) reach differently far; a "
                                      "stick has one radius, so it reaches %5 of the shorter side every way")
                           .arg(offsets[0])
                           .arg(offsets[1])
                           .arg(offsets[2])
                           .arg(offsets[3])
                           .arg(radius));
    }
    auto item = createItem<SwipeholdConfigItem>(TypeName::Swipehold);
    item->topKey = *up;
    item->rightKey = *right;
    item->bottomKey = *down;
    item->leftKey = *left;
    item->relRadius = radius;
    placeItem(*item, *centre, node);
    return item;
}

struct NodeType {
    const char* name;
    std::unique_ptr<ConfigItem> (*import)(ImportContext&, const QJsonObject&, const QString&);
    QStringList members; // besides "type" and "comment"
};

const QList<NodeType>& nodeTypes() {
    static const QList<NodeType> types{
        {"KMT_CLICK",
         importClick,
         {QStringLiteral("key"), QStringLiteral("pos"), QStringLiteral("switchMap")}},
        {"KMT_CLICK_TWICE", importClickTwice, {QStringLiteral("key"), QStringLiteral("pos")}},
        {"KMT_CLICK_MULTI", importClickMulti, {QStringLiteral("key"), QStringLiteral("clickNodes")}},
        {"KMT_DRAG",
         importDrag,
         {QStringLiteral("key"), QStringLiteral("startPos"), QStringLiteral("endPos"),
          QStringLiteral("dragSpeed"), QStringLiteral("startDelay")}},
        {"KMT_STEER_WHEEL",
         importSteerWheel,
         {QStringLiteral("centerPos"), QStringLiteral("upKey"), QStringLiteral("rightKey"),
          QStringLiteral("downKey"), QStringLiteral("leftKey"), QStringLiteral("upOffset"),
          QStringLiteral("rightOffset"), QStringLiteral("downOffset"), QStringLiteral("leftOffset")}},
    };
    return types;
}

} // namespace

void placeItem(ConfigItem& item, const QPointF& position, const QJsonObject& node) {
    keymapctl::placeItem(item, position, node.value(QLatin1String(kComment)).toString());
}

std::unique_ptr<ConfigItem> importNode(ImportContext& context, const QJsonValue& value, const QString& path) {
    if (!value.isObject()) {
        context.nodeDropped(path, QStringLiteral("a node is an object"));
        return nullptr;
    }
    const QJsonObject node = value.toObject();
    const QString type = node.value(QLatin1String(kType)).toString();
    for (const NodeType& known : nodeTypes()) {
        if (type == QLatin1String(known.name)) {
            std::unique_ptr<ConfigItem> item = known.import(context, node, path);
            if (item)
                context.ignoreOthers(
                    node, path, known.members + QStringList{QLatin1String(kType), QLatin1String(kComment)});
            return item;
        }
    }
    const QString what = type.isEmpty()
                             ? QStringLiteral("the node has no type")
                             : QStringLiteral("\"%1\" is not a node type this import knows").arg(type);
    context.report(Severity::Error, "unknown-node-type", memberPath(path, QLatin1String(kType)),
                   what + QStringLiteral("; the node is not imported"));
    return nullptr;
}

std::unique_ptr<ConfigItem> importSmallEyes(ImportContext& context, const QJsonObject& node,
                                            const QString& path) {
    const std::optional<ConfigKey> key = context.key(node, path, "key");
    const std::optional<QPointF> position = context.position(node, path, "pos");
    if (!key || !position)
        return nullptr;
    dropSwitchMap(context, node, path);
    context.ignoreOthers(node, path,
                         {QStringLiteral("key"), QStringLiteral("pos"), QStringLiteral("switchMap"),
                          QLatin1String(kType), QLatin1String(kComment)});
    auto item = createItem<ObserveConfigItem>(TypeName::Observe);
    item->key = *key;
    placeItem(*item, *position, node);
    return item;
}

} // namespace keymapctl
