// Import of scrcpy-mask keymaps in both of its formats. The older one: configs with a "title", a
// pixel frame "relativeSize" {w, h} and a "list" of mappings, stored as an array of configs, one
// config, or {"keyMappingConfigList": [...]}. The newer one: one object with "original_size"
// {width, height} and "mappings". docs/keymap-format.md has the table of what becomes what.
#include "import/import_source.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace keymapctl {

using namespace ovelkeymapmanager;

namespace {

// The biggest pixel frame taken: macro text needs whole pixels that fit a QRect.
constexpr double kMaxFrame = 100000.0;

QString name(const char* latin) {
    return QLatin1String(latin);
}

// A button name of either format: web key codes, "M0"-"M4" and "WheelUp" (older), "M-Left" and
// "ScrollUp" (newer), "G-..." for a gamepad's; "NONE", "NONE1"... bind nothing.
QtKey maskButton(const QString& button) {
    static const QList<QPair<QString, int>> mouseNames{
        {QStringLiteral("M0"), Qt::LeftButton},         {QStringLiteral("M1"), Qt::MiddleButton},
        {QStringLiteral("M2"), Qt::RightButton},        {QStringLiteral("M3"), Qt::BackButton},
        {QStringLiteral("M4"), Qt::ForwardButton},      {QStringLiteral("WheelUp"), kWheelUpCode},
        {QStringLiteral("WheelDown"), kWheelDownCode},  {QStringLiteral("M-Left"), Qt::LeftButton},
        {QStringLiteral("M-Middle"), Qt::MiddleButton}, {QStringLiteral("M-Right"), Qt::RightButton},
        {QStringLiteral("M-Back"), Qt::BackButton},     {QStringLiteral("M-Forward"), Qt::ForwardButton},
        {QStringLiteral("ScrollUp"), kWheelUpCode},     {QStringLiteral("ScrollDown"), kWheelDownCode},
    };
    for (const auto& entry : mouseNames) {
        if (entry.first == button)
            return keyForQtCode(qtMouseTable(), entry.second);
    }
    QtKey found;
    if (button.startsWith(QLatin1String("NONE"))) {
        found.status = QtKeyStatus::Mapped;
        return found;
    }
    if (button.startsWith(QLatin1String("G-"))) {
        found.status = QtKeyStatus::Controller;
        return found;
    }
    return keyForWebCode(button);
}

// The import of one config, in either format.
class MaskImport {
public:
    MaskImport(ImportContext& context, const QJsonObject& config, const QString& path, bool newer)
        : m_context(context), m_config(config), m_path(path), m_newer(newer) {}

    std::unique_ptr<KeymapConfig> run() {
        m_keymap = std::make_unique<KeymapConfig>();
        const char* listName = m_newer ? "mappings" : "list";
        const QStringList known =
            m_newer ? QStringList{QStringLiteral("version"), QStringLiteral("title"),
                                  QStringLiteral("original_size"), name(listName)}
                    : QStringList{QStringLiteral("title"), QStringLiteral("relativeSize"), name(listName)};
        m_context.ignoreOthers(m_config, m_path, known);
        if (!readFrame())
            return std::move(m_keymap);
        const QJsonArray list = m_config.value(name(listName)).toArray();
        for (int i = 0; i < list.size(); ++i) {
            const QString path = elementPath(memberPath(m_path, name(listName)), i);
            if (!list.at(i).isObject()) {
                m_context.nodeDropped(path, QStringLiteral("a mapping is an object"));
                continue;
            }
            m_mapping = list.at(i).toObject();
            m_at = path;
            std::unique_ptr<ConfigItem> item = m_newer ? newerMapping() : olderMapping();
            if (item)
                m_keymap->items.append(item.release());
        }
        // Every older mapping has one; a finding each would drown the others.
        if (m_pointerIds > 0 || m_stepPointerIds)
            m_context.report(
                Severity::Info, "pointer-id-dropped", memberPath(m_path, name(listName)),
                QStringLiteral("the pointer ids (given by %1 of the mappings%2) are left out; the host "
                               "picks each touch's pointer id")
                    .arg(m_pointerIds)
                    .arg(m_stepPointerIds ? QStringLiteral(" and by macro steps") : QString()));
        return std::move(m_keymap);
    }

private:
    // --- values -------------------------------------------------------------------------------

    bool readFrame() {
        const char* member = m_newer ? "original_size" : "relativeSize";
        const QJsonObject size = m_config.value(name(member)).toObject();
        const QJsonValue w = size.value(name(m_newer ? "width" : "w"));
        const QJsonValue h = size.value(name(m_newer ? "height" : "h"));
        if (!w.isDouble() || !h.isDouble() || !(w.toDouble() >= 1 && w.toDouble() <= kMaxFrame) ||
            !(h.toDouble() >= 1 && h.toDouble() <= kMaxFrame)) {
            m_context.report(
                Severity::Error, "malformed", memberPath(m_path, name(member)),
                QStringLiteral("the pixel frame of the positions needs a width and a height from 1 "
                               "to %1; no mapping is imported")
                    .arg(kMaxFrame));
            return false;
        }
        m_frame = QSizeF(w.toDouble(), h.toDouble());
        return true;
    }

    QString at(const char* member) const { return memberPath(m_at, name(member)); }

    // A pixel point of the frame as fractions of the screen.
    std::optional<QPointF> fraction(const QJsonValue& x, const QJsonValue& y, const QString& path) {
        if (!x.isDouble() || !y.isDouble()) {
            m_context.nodeDropped(path, QStringLiteral("a position needs two numbers"));
            return std::nullopt;
        }
        const QPointF result(x.toDouble() / m_frame.width(), y.toDouble() / m_frame.height());
        m_context.checkPosition(result, path);
        return result;
    }

    // The mapping's place: "posX", "posY" (older) or "position" {x, y} (newer).
    std::optional<QPointF> position() { return position(m_mapping, m_at); }
    std::optional<QPointF> position(const QJsonObject& object, const QString& path) {
        if (m_newer) {
            const QJsonObject point = object.value(QStringLiteral("position")).toObject();
            return fraction(point.value(QStringLiteral("x")), point.value(QStringLiteral("y")),
                            memberPath(path, QStringLiteral("position")));
        }
        return fraction(object.value(QStringLiteral("posX")), object.value(QStringLiteral("posY")), path);
    }

    double number(const char* member, double fallback = 0.0) const {
        const QJsonValue value = m_mapping.value(name(member));
        return value.isDouble() ? value.toDouble() : fallback;
    }

    // A length in pixels as a fraction of the frame's shorter side, as a keymap's radii are.
    double radius(double pixels) const {
        return std::clamp(pixels, 0.0, kMaxFrame) / std::min(m_frame.width(), m_frame.height());
    }

    ConfigKey button(const QJsonValue& value, const QString& path) {
        if (!value.isString()) {
            m_context.report(Severity::Error, "malformed", path,
                             QStringLiteral("a button name is text; the key is left unbound"));
            return ConfigKey();
        }
        return m_context.useKey(maskButton(value.toString()), path, value.toString());
    }

    // The keys held together: the older "key", or the newer "bind" array. A keymap's chord has
    // two keys: the first and the last are kept.
    QList<ConfigKey> chord(const QJsonValue& value, const QString& path) {
        if (!m_newer)
            return {button(value, path)};
        if (!value.isArray()) {
            m_context.report(
                Severity::Error, "malformed", path,
                QStringLiteral("a binding is an array of button names; the key is left unbound"));
            return {};
        }
        const QJsonArray names = value.toArray();
        QList<ConfigKey> keys;
        for (int i = 0; i < names.size(); ++i)
            keys << button(names.at(i), elementPath(path, i));
        if (keys.size() > 2) {
            m_context.report(
                Severity::Warning, "chord-reduced", path,
                QStringLiteral("a keymap's chord holds two keys; the first and the last are kept"));
            keys = {keys.first(), keys.last()};
        }
        return keys;
    }
    QList<ConfigKey> chord() { return chord(m_mapping.value(name(m_newer ? "bind" : "key")), keyPath()); }
    QString keyPath() const { return at(m_newer ? "bind" : "key"); }

    void bind(ComposableConfigItem& item) {
        const QList<ConfigKey> keys = chord();
        item.key = keys.value(0);
        item.secondKey = keys.value(1);
    }
    // Items that take one key: the chord's last.
    void bindOne(ConfigItem& item) {
        const QList<ConfigKey> keys = chord();
        if (keys.size() == 2)
            m_context.report(
                Severity::Warning, "chord-reduced", keyPath(),
                QStringLiteral("this item takes one key: bound to %1 alone").arg(keys.last().text));
        if (!keys.isEmpty())
            item.key = keys.last();
    }

    void dropped(const char* code, const char* member, const QString& what) {
        if (m_mapping.contains(name(member)))
            m_context.report(Severity::Warning, code, at(member), what);
    }
    // A duration, interval or wait that no keymap item keeps; 0 loses nothing.
    void durationDropped(const char* member) {
        if (number(member) != 0.0)
            dropped("duration-dropped", member,
                    QStringLiteral("%1 ms; the keymap's timing applies").arg(number(member)));
    }
    void settingDropped(const char* member) {
        dropped("setting-dropped", member,
                QStringLiteral("no counterpart in the keymap item; its default applies"));
    }

    template <typename Item>
    std::unique_ptr<Item> placed(std::unique_ptr<Item> item, const QPointF& where, const QStringList& own) {
        placeItem(*item, where, m_mapping.value(QStringLiteral("note")).toString());
        QStringList known = own;
        known << QStringLiteral("type") << QStringLiteral("note")
              << (m_newer ? QStringList{QStringLiteral("bind"), QStringLiteral("position")}
                          : QStringList{QStringLiteral("key"), QStringLiteral("posX"), QStringLiteral("posY"),
                                        QStringLiteral("pointerId")});
        m_context.ignoreOthers(m_mapping, m_at, known);
        if (m_mapping.contains(QStringLiteral("pointerId")))
            ++m_pointerIds;
        return item;
    }

    // --- items shared by both formats ---------------------------------------------------------------

    std::unique_ptr<ConfigItem> click(const QStringList& own) {
        const std::optional<QPointF> where = position();
        if (!where)
            return nullptr;
        auto item = createItem<ClickConfigItem>(TypeName::Click);
        bind(*item);
        return placed(std::move(item), *where, own);
    }

    std::unique_ptr<SpellConfigItem> spell(const QStringList& own) {
        const std::optional<QPointF> where = position();
        if (!where)
            return nullptr;
        auto item = createItem<SpellConfigItem>(TypeName::Spell);
        bind(*item);
        return placed(std::move(item), *where, own);
    }

    template <typename Item>
    std::unique_ptr<ConfigItem> simple(const char* typeName, const QStringList& own) {
        const std::optional<QPointF> where = position();
        if (!where)
            return nullptr;
        auto item = createItem<Item>(typeName);
        bind(*item);
        return placed(std::move(item), *where, own);
    }

    // A stick on four direction keys; without directions (a controller's stick) they stay unbound.
    std::unique_ptr<ConfigItem> stick(const std::optional<QJsonObject>& directions, double reach,
                                      const QStringList& own) {
        const std::optional<QPointF> where = position();
        if (!where)
            return nullptr;
        auto item = createItem<SwipeholdConfigItem>(TypeName::Swipehold);
        const QString keysPath = keyPath();
        ConfigKey* keys[4] = {&item->topKey, &item->bottomKey, &item->leftKey, &item->rightKey};
        const char* names[4] = {"up", "down", "left", "right"};
        for (int i = 0; i < 4; ++i) {
            if (!directions) {
                *keys[i] = ConfigKey();
                continue;
            }
            const QString path = memberPath(keysPath, name(names[i]));
            const QJsonValue value = directions->value(name(names[i]));
            if (m_newer) {
                const QList<ConfigKey> held = chord(value, path);
                if (held.size() == 2)
                    m_context.report(
                        Severity::Warning, "chord-reduced", path,
                        QStringLiteral("a direction takes one key: %1 alone").arg(held.last().text));
                *keys[i] = held.isEmpty() ? ConfigKey() : held.last();
            } else {
                *keys[i] = button(value, path);
            }
        }
        item->relRadius = radius(reach);
        return placed(std::move(item), *where, own);
    }

    std::unique_ptr<ConfigItem> curve(const QJsonArray& points, const QString& pointsPath,
                                      const QStringList& own) {
        if (points.isEmpty()) {
            m_context.nodeDropped(pointsPath, QStringLiteral("a swipe needs at least one point"));
            return nullptr;
        }
        QList<QPointF> path;
        for (int i = 0; i < points.size(); ++i) {
            const QString pointPath = elementPath(pointsPath, i);
            const QJsonValue point = points.at(i);
            const QJsonArray pair = point.toArray();
            const std::optional<QPointF> fractionPoint =
                point.isArray() ? fraction(pair.at(0), pair.at(1), pointPath)
                                : fraction(point.toObject().value(QStringLiteral("x")),
                                           point.toObject().value(QStringLiteral("y")), pointPath);
            if (!fractionPoint)
                return nullptr;
            path << *fractionPoint;
        }
        const std::optional<QPointF> label =
            m_newer && !m_mapping.contains(QStringLiteral("position")) ? path.first() : position();
        if (!label)
            return nullptr;
        if (path.size() > 2)
            m_context.report(
                Severity::Warning, "path-reduced", pointsPath,
                QStringLiteral("a curve runs straight from the first point to the last; the points "
                               "between, %1 in all, are left out")
                    .arg(path.size() - 2));
        auto item = createItem<CurveConfigItem>(TypeName::Curve);
        bind(*item);
        item->startPosition = path.first();
        item->endPosition = path.last();
        item->actAsLine = true;
        return placed(std::move(item), *label, own);
    }

    std::unique_ptr<ConfigItem> macro(const QStringList& press, const QStringList& release,
                                      const QPointF& where, const QStringList& own) {
        const QRect frame(0, 0, qRound(m_frame.width()), qRound(m_frame.height()));
        const std::optional<QStringList> pressRunning = m_context.runningLines(press, frame, m_at);
        const std::optional<QStringList> releaseRunning = m_context.runningLines(release, frame, m_at);
        if (!pressRunning || !releaseRunning)
            return nullptr;
        auto item = createItem<MacroConfigItem>(TypeName::Macro);
        bind(*item);
        item->pressActions = *pressRunning;
        item->releaseActions = *releaseRunning;
        return placed(std::move(item), where, own);
    }

    // "X,Y" in whole pixels of the frame for macro editing text, which has no pixels off it.
    QString pixelText(double x, double y, const QString& path) {
        const double clampedX = std::clamp(x, 0.0, m_frame.width());
        const double clampedY = std::clamp(y, 0.0, m_frame.height());
        if (clampedX != x || clampedY != y)
            m_context.report(Severity::Warning, "position-out-of-range", path,
                             QStringLiteral("(%1, %2) is off the frame; the macro acts at its nearest point")
                                 .arg(x)
                                 .arg(y));
        return QStringLiteral("%1,%2").arg(qRound(clampedX)).arg(qRound(clampedY));
    }

    // --- the older format -----------------------------------------------------------------------

    std::unique_ptr<ConfigItem> olderMapping() {
        const QString type = m_mapping.value(QStringLiteral("type")).toString();
        if (type == QLatin1String("Tap")) {
            durationDropped("time");
            return click({QStringLiteral("time")});
        }
        if (type == QLatin1String("SteeringWheel"))
            return stick(m_mapping.value(QStringLiteral("key")).toObject(), number("offset"),
                         {QStringLiteral("offset")});
        if (type == QLatin1String("DirectionalSkill") || type == QLatin1String("DirectionlessSkill") ||
            type == QLatin1String("TriggerWhenPressedSkill") ||
            type == QLatin1String("TriggerWhenDoublePressedSkill"))
            return olderSkill(type);
        if (type == QLatin1String("CancelSkill"))
            return simple<SpellCancelConfigItem>(TypeName::SpellCancel, {});
        if (type == QLatin1String("Observation")) {
            std::unique_ptr<ConfigItem> item =
                simple<ObserveConfigItem>(TypeName::Observe, {QStringLiteral("scale")});
            if (item && m_mapping.value(QStringLiteral("scale")).isDouble())
                static_cast<ObserveConfigItem&>(*item).sensitivity = number("scale");
            return item;
        }
        if (type == QLatin1String("Swipe")) {
            durationDropped("intervalBetweenPos");
            return curve(m_mapping.value(QStringLiteral("pos")).toArray(), at("pos"),
                         {QStringLiteral("pos"), QStringLiteral("intervalBetweenPos")});
        }
        if (type == QLatin1String("Sight")) {
            settingDropped("scaleX");
            settingDropped("scaleY");
            return simple<StaringConfigItem>(TypeName::Staring,
                                             {QStringLiteral("scaleX"), QStringLiteral("scaleY")});
        }
        if (type == QLatin1String("Fire"))
            return fire({QStringLiteral("drag"), QStringLiteral("scaleX"), QStringLiteral("scaleY")});
        if (type == QLatin1String("Macro"))
            return olderMacro();
        return unknownType(type);
    }

    std::unique_ptr<ConfigItem> olderSkill(const QString& type) {
        auto item =
            spell({QStringLiteral("range"), QStringLiteral("directional"), QStringLiteral("rangeOrTime")});
        if (!item)
            return nullptr;
        SpellOption& option = item->spellOption;
        if (type == QLatin1String("DirectionlessSkill")) {
            option.needSpellDirection = false;
        } else if (type == QLatin1String("TriggerWhenPressedSkill")) {
            option.triggerPolicy = QLatin1String(SpellTrigger::OnPressKey);
            option.needSpellDirection = m_mapping.value(QStringLiteral("directional")).toBool();
            if (option.needSpellDirection)
                item->aimInfo.range = std::clamp(number("rangeOrTime", item->aimInfo.range), 0.0, 100.0);
            else
                durationDropped("rangeOrTime");
        } else if (type == QLatin1String("TriggerWhenDoublePressedSkill")) {
            option.triggerPolicy = QLatin1String(SpellTrigger::OnNextKey);
            m_context.report(
                Severity::Warning, "double-press-approximated", m_at,
                QStringLiteral("cast on a second press of its key: the spell is cast on the next key "
                               "instead"));
        }
        if (m_mapping.value(QStringLiteral("range")).isDouble())
            item->aimInfo.range = std::clamp(number("range"), 0.0, 100.0);
        return item;
    }

    std::unique_ptr<ConfigItem> fire(const QStringList& own) {
        const std::optional<QPointF> where = position();
        if (!where)
            return nullptr;
        auto item = createItem<FireConfigItem>(TypeName::Fire);
        if (m_newer)
            bindOne(*item); // the older Fire has no key: the left button while the mouse looks
        item->needFireAndDrag = m_mapping.value(QStringLiteral("drag")).toBool();
        item->position = *where;
        for (const char* member : {"scaleX", "scaleY", "sensitivity_x", "sensitivity_y"})
            settingDropped(member);
        return placed(std::move(item), *where, own);
    }

    // "macro": {down, loop, up}; "loop" runs while the key is held, after "down".
    std::unique_ptr<ConfigItem> olderMacro() {
        const std::optional<QPointF> where = position();
        if (!where)
            return nullptr;
        const QString macroPath = at("macro");
        const QJsonObject lists = m_mapping.value(QStringLiteral("macro")).toObject();
        QStringList press =
            macroSteps(lists.value(QStringLiteral("down")), memberPath(macroPath, name("down")));
        const QStringList loop =
            macroSteps(lists.value(QStringLiteral("loop")), memberPath(macroPath, name("loop")));
        if (!loop.isEmpty())
            press << QStringLiteral("loop until_release") << loop << QStringLiteral("loop_end");
        const QStringList release =
            macroSteps(lists.value(QStringLiteral("up")), memberPath(macroPath, name("up")));
        m_context.ignoreOthers(lists, macroPath, {name("down"), name("loop"), name("up")});
        return macro(press, release, *where, {QStringLiteral("macro")});
    }

    QStringList macroSteps(const QJsonValue& list, const QString& path) {
        QStringList lines;
        const QJsonArray steps = list.toArray();
        for (int i = 0; i < steps.size(); ++i) {
            const QString stepPath = elementPath(path, i);
            const QJsonObject step = steps.at(i).toObject();
            const QString type = step.value(QStringLiteral("type")).toString();
            const QJsonArray args = step.value(QStringLiteral("args")).toArray();
            if (type == QLatin1String("sleep")) {
                lines << QStringLiteral("sleep %1").arg(milliseconds(args.at(0).toDouble()));
            } else if (type == QLatin1String("touch") || type == QLatin1String("swipe")) {
                m_stepPointerIds = m_stepPointerIds || !args.at(1).isUndefined();
                const QString line = touchStep(type, args, stepPath);
                if (!line.isEmpty())
                    lines << line;
            } else {
                stepDropped(stepPath, QStringLiteral("\"%1\" has no macro command").arg(type));
            }
        }
        return lines;
    }

    // touch [action, pointerId, x, y, time?] and swipe [action, pointerId, [[x, y], ...], interval].
    QString touchStep(const QString& type, const QJsonArray& args, const QString& path) {
        const QString action = args.at(0).toString();
        const bool touch = type == QLatin1String("touch");
        static const QList<QPair<QString, QString>> touchWords{
            {QStringLiteral("default"), QStringLiteral("click")},
            {QStringLiteral("down"), QStringLiteral("press")},
            {QStringLiteral("up"), QStringLiteral("release")}};
        QString word;
        for (const auto& entry : touchWords) {
            if (entry.first == action && (touch || action == QLatin1String("default")))
                word = touch ? entry.second : QStringLiteral("curve");
        }
        if (word.isEmpty()) {
            stepDropped(path,
                        QStringLiteral("a %1 with action \"%2\" has no macro command").arg(type, action));
            return QString();
        }
        QStringList points;
        if (touch) {
            points << macroPoint(args.at(2), args.at(3), path);
            if (args.at(4).toDouble() > 0)
                m_context.report(Severity::Warning, "duration-dropped", path,
                                 QStringLiteral("the touch is held %1 ms; a macro click is a tap")
                                     .arg(args.at(4).toDouble()));
        } else {
            const QJsonArray positions = args.at(2).toArray();
            for (int i = 0; i < positions.size(); ++i) {
                const QJsonArray point = positions.at(i).toArray();
                points << macroPoint(point.at(0), point.at(1), elementPath(path, i));
            }
            if (args.at(3).toDouble() > 0)
                m_context.report(Severity::Warning, "duration-dropped", path,
                                 QStringLiteral("%1 ms between points; the host's curve timing applies")
                                     .arg(args.at(3).toDouble()));
        }
        if (points.contains(QString()) || points.isEmpty()) {
            stepDropped(path, QStringLiteral("a position is not two numbers or \"mouse\""));
            return QString();
        }
        return word + QLatin1Char(' ') + points.join(QLatin1Char(' '));
    }

    // A macro position: pixels, or "mouse" (the cursor), possibly ["mouse", offset]; "" when neither.
    QString macroPoint(const QJsonValue& x, const QJsonValue& y, const QString& path) {
        if (x.isDouble() && y.isDouble())
            return pixelText(x.toDouble(), y.toDouble(), path);
        bool mouse = false;
        bool offset = false;
        for (const QJsonValue& coordinate : {x, y}) {
            offset = offset || coordinate.toArray().at(0).toString() == QLatin1String("mouse");
            mouse = mouse || offset || coordinate.toString() == QLatin1String("mouse");
        }
        if (offset)
            m_context.report(
                Severity::Warning, "mouse-offset-dropped", path,
                QStringLiteral("an offset from the mouse has no macro form; the macro acts at the "
                               "mouse"));
        return mouse ? QStringLiteral("mouse") : QString();
    }

    void stepDropped(const QString& path, const QString& why) {
        m_context.report(Severity::Error, "macro-step-dropped", path,
                         why + QStringLiteral("; the step is left out"));
    }

    // --- the newer format -----------------------------------------------------------------------

    std::unique_ptr<ConfigItem> newerMapping() {
        const QString type = m_mapping.value(QStringLiteral("type")).toString();
        if (type == QLatin1String("SingleTap")) {
            durationDropped("duration");
            if (m_mapping.value(QStringLiteral("sync")).toBool())
                settingDropped("sync");
            return click({QStringLiteral("duration"), QStringLiteral("sync")});
        }
        if (type == QLatin1String("RepeatTap"))
            return repeatTap();
        if (type == QLatin1String("MultipleTap"))
            return multipleTap();
        if (type == QLatin1String("Swipe")) {
            durationDropped("duration");
            return curve(m_mapping.value(QStringLiteral("positions")).toArray(), at("positions"),
                         {QStringLiteral("positions"), QStringLiteral("duration")});
        }
        if (type == QLatin1String("DirectionPad"))
            return directionPad();
        if (type == QLatin1String("MouseCastSpell") || type == QLatin1String("PadCastSpell"))
            return castSpell(type == QLatin1String("PadCastSpell"));
        if (type == QLatin1String("CancelCast"))
            return simple<SpellCancelConfigItem>(TypeName::SpellCancel, {});
        if (type == QLatin1String("Observation")) {
            for (const char* member : {"sensitivity_x", "sensitivity_y", "max_radius"})
                settingDropped(member);
            return simple<ObserveConfigItem>(TypeName::Observe,
                                             {QStringLiteral("sensitivity_x"),
                                              QStringLiteral("sensitivity_y"), QStringLiteral("max_radius")});
        }
        if (type == QLatin1String("Fps")) {
            settingDropped("sensitivity_x");
            settingDropped("sensitivity_y");
            return simple<StaringConfigItem>(
                TypeName::Staring, {QStringLiteral("sensitivity_x"), QStringLiteral("sensitivity_y")});
        }
        if (type == QLatin1String("Fire"))
            return fire({QStringLiteral("sensitivity_x"), QStringLiteral("sensitivity_y")});
        if (type == QLatin1String("RawInput")) {
            m_context.report(
                Severity::Error, "raw-input-dropped", m_at,
                QStringLiteral("raw input passes keys to the game as they are; a keymap has no such "
                               "item; not imported"));
            return nullptr;
        }
        if (type == QLatin1String("Script")) {
            m_context.report(Severity::Error, "script-dropped", m_at,
                             QStringLiteral("a script cannot be run by a keymap; not imported"));
            return nullptr;
        }
        return unknownType(type);
    }

    std::unique_ptr<ConfigItem> repeatTap() {
        const std::optional<QPointF> where = position();
        if (!where)
            return nullptr;
        durationDropped("duration");
        durationDropped("interval");
        auto item = createItem<BunchClickConfigItem>(TypeName::BunchClick);
        bind(*item);
        item->bunchClickType = QLatin1String(BunchClickMode::Continue);
        return placed(std::move(item), *where, {QStringLiteral("duration"), QStringLiteral("interval")});
    }

    // Taps one after another, each after its wait.
    std::unique_ptr<ConfigItem> multipleTap() {
        const QString itemsPath = at("items");
        const QJsonArray taps = m_mapping.value(QStringLiteral("items")).toArray();
        if (taps.isEmpty()) {
            m_context.nodeDropped(itemsPath, QStringLiteral("a list of taps is needed"));
            return nullptr;
        }
        QStringList press;
        std::optional<QPointF> first;
        for (int i = 0; i < taps.size(); ++i) {
            const QString tapPath = elementPath(itemsPath, i);
            const QJsonObject tap = taps.at(i).toObject();
            const QJsonObject point = tap.value(QStringLiteral("position")).toObject();
            const std::optional<QPointF> where = position(tap, tapPath);
            if (!where)
                return nullptr;
            if (!first)
                first = where;
            if (const double wait = tap.value(QStringLiteral("wait")).toDouble(); wait > 0)
                press << QStringLiteral("sleep %1").arg(milliseconds(wait));
            press << QStringLiteral("click ") + pixelText(point.value(QStringLiteral("x")).toDouble(),
                                                          point.value(QStringLiteral("y")).toDouble(),
                                                          memberPath(tapPath, name("position")));
            if (const double duration = tap.value(QStringLiteral("duration")).toDouble(); duration > 0)
                m_context.report(Severity::Warning, "duration-dropped", memberPath(tapPath, name("duration")),
                                 QStringLiteral("%1 ms; a macro click is a tap").arg(duration));
            m_context.ignoreOthers(
                tap, tapPath,
                {QStringLiteral("position"), QStringLiteral("duration"), QStringLiteral("wait")});
        }
        const std::optional<QPointF> label =
            m_mapping.contains(QStringLiteral("position")) ? position() : first;
        if (!label)
            return nullptr;
        return macro(press, {}, *label, {QStringLiteral("items")});
    }

    std::unique_ptr<ConfigItem> directionPad() {
        const QJsonObject directions = m_mapping.value(QStringLiteral("bind")).toObject();
        const double x = number("max_offset_x");
        const double y = number("max_offset_y");
        if (x != y)
            m_context.report(Severity::Warning, "unequal-offsets", m_at,
                             QStringLiteral("the reaches x %1 and y %2 differ; a stick has one radius, so it "
                                            "reaches %3 in every direction")
                                 .arg(x)
                                 .arg(y)
                                 .arg(std::max(x, y)));
        const QStringList own{QStringLiteral("max_offset_x"), QStringLiteral("max_offset_y")};
        if (directions.value(QStringLiteral("type")).toString() == QLatin1String("JoyStick")) {
            m_context.report(
                Severity::Error, "controller-binding", keyPath(),
                QStringLiteral("driven by a controller's stick axes, which a keyboard keymap cannot "
                               "bind; the stick's keys are left unbound"));
            return stick(std::nullopt, std::max(x, y), own);
        }
        m_context.ignoreOthers(directions, keyPath(),
                               {QStringLiteral("type"), QStringLiteral("up"), QStringLiteral("down"),
                                QStringLiteral("left"), QStringLiteral("right")});
        return stick(directions, std::max(x, y), own);
    }

    std::unique_ptr<ConfigItem> castSpell(bool pad) {
        const QStringList own{QStringLiteral("center"),
                              QStringLiteral("cast_radius"),
                              QStringLiteral("drag_radius"),
                              QStringLiteral("release_mode"),
                              QStringLiteral("cast_no_direction"),
                              QStringLiteral("pad_bind")};
        auto item = spell(own);
        if (!item)
            return nullptr;
        if (pad)
            m_context.report(
                Severity::Error, "controller-binding", m_at,
                QStringLiteral("aimed with a controller's stick, which a keyboard keymap cannot bind; "
                               "the spell is aimed with the mouse"));
        const QJsonObject centre = m_mapping.value(QStringLiteral("center")).toObject();
        if (!centre.isEmpty()) {
            if (const std::optional<QPointF> aim = fraction(
                    centre.value(QStringLiteral("x")), centre.value(QStringLiteral("y")), at("center"))) {
                item->aimInfo.aimCentreX = aim->x();
                item->aimInfo.aimCentreY = aim->y();
            }
        }
        if (m_mapping.value(QStringLiteral("cast_radius")).isDouble())
            item->aimInfo.aimRadius = radius(number("cast_radius"));
        if (m_mapping.value(QStringLiteral("drag_radius")).isDouble())
            item->swipeholdInfo.swipeholdRadius = radius(number("drag_radius"));
        item->spellOption.needSpellDirection = !m_mapping.value(QStringLiteral("cast_no_direction")).toBool();
        const QString mode = m_mapping.value(QStringLiteral("release_mode")).toString();
        if (mode == QLatin1String("OnPress"))
            item->spellOption.triggerPolicy = QLatin1String(SpellTrigger::OnPressKey);
        else if (mode == QLatin1String("OnSecondPress"))
            item->spellOption.triggerPolicy = QLatin1String(SpellTrigger::OnNextKey);
        else if (!mode.isEmpty() && mode != QLatin1String("OnRelease"))
            m_context.report(
                Severity::Warning, "setting-dropped", at("release_mode"),
                QStringLiteral("\"%1\" is not a release mode; the spell is cast on release").arg(mode));
        return item;
    }

    std::unique_ptr<ConfigItem> unknownType(const QString& type) {
        const QString what = type.isEmpty()
                                 ? QStringLiteral("the mapping has no type")
                                 : QStringLiteral("\"%1\" is not a mapping type this import knows").arg(type);
        m_context.report(Severity::Error, "unknown-element-type", at("type"),
                         what + QStringLiteral("; the mapping is not imported"));
        return nullptr;
    }

    ImportContext& m_context;
    const QJsonObject m_config;
    const QString m_path;
    const bool m_newer;
    QSizeF m_frame;
    std::unique_ptr<KeymapConfig> m_keymap;
    QJsonObject m_mapping; // the mapping being imported, at m_at
    QString m_at;
    int m_pointerIds = 0;          // mappings with a "pointerId"
    bool m_stepPointerIds = false; // whether macro steps gave pointer ids
};

class ScrcpyMaskKeymaps : public SourceKeymaps {
public:
    struct Config {
        QJsonObject object;
        QString path; // where the config stands in the file ("" for a file of one config)
    };
    ScrcpyMaskKeymaps(QList<Config> configs, bool newer) : m_configs(std::move(configs)), m_newer(newer) {}

    int count() const override { return m_configs.size(); }
    QString title(int index) const override {
        return m_configs.at(index).object.value(QStringLiteral("title")).toString();
    }
    std::unique_ptr<KeymapConfig> import(ImportContext& context, int index) const override {
        return MaskImport(context, m_configs.at(index).object, m_configs.at(index).path, m_newer).run();
    }

private:
    QList<Config> m_configs;
    bool m_newer;
};

} // namespace

std::unique_ptr<SourceKeymaps> readScrcpyMask(const QJsonDocument& document, SourceProblem& problem) {
    QList<ScrcpyMaskKeymaps::Config> configs;
    const QJsonObject root = document.object();
    const auto listOf = [&](const QJsonArray& list, const QString& path) {
        for (int i = 0; i < list.size(); ++i)
            configs.append({list.at(i).toObject(), elementPath(path, i)});
    };
    if (document.isArray()) {
        listOf(document.array(), QString());
    } else if (root.value(QStringLiteral("keyMappingConfigList")).isArray()) {
        listOf(root.value(QStringLiteral("keyMappingConfigList")).toArray(),
               QStringLiteral("keyMappingConfigList"));
    } else if (root.value(QStringLiteral("mappings")).isArray()) {
        return std::make_unique<ScrcpyMaskKeymaps>(QList<ScrcpyMaskKeymaps::Config>{{root, QString()}}, true);
    } else if (root.value(QStringLiteral("list")).isArray()) {
        configs.append({root, QString()});
    } else {
        problem.code = "not-scrcpy-mask";
        problem.message =
            QStringLiteral("the document is not an array of configs nor an object with \"list\", "
                           "\"keyMappingConfigList\" or \"mappings\", so it is not a scrcpy-mask "
                           "keymap");
        return nullptr;
    }
    if (configs.isEmpty()) {
        problem.code = "not-scrcpy-mask";
        problem.message = QStringLiteral("the list of configs is empty");
        return nullptr;
    }
    return std::make_unique<ScrcpyMaskKeymaps>(std::move(configs), false);
}

} // namespace keymapctl
