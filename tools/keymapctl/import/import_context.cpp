#include "import/import_context.h"

#include <algorithm>

namespace keymapctl {

QString memberPath(const QString& path, const QString& name) {
    return path.isEmpty() ? name : path + QLatin1Char('.') + name;
}

QString elementPath(const QString& path, int index) {
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

bool ImportContext::hasErrors() const {
    for (const Finding& finding : m_findings) {
        if (finding.severity == Severity::Error)
            return true;
    }
    return false;
}

void ImportContext::report(Severity severity, const char* code, const QString& path, const QString& message) {
    // The path names a place in the source file, which is not a keymap: no place is looked up.
    m_findings.append(makeFinding(m_file, severity, QLatin1String(code), path, message));
}

void ImportContext::nodeDropped(const QString& valuePath, const QString& why) {
    report(Severity::Error, "malformed", valuePath, why + QStringLiteral("; not imported"));
}

std::optional<QPointF> ImportContext::position(const QJsonObject& object, const QString& path,
                                               const char* name, const char* offScreenNote) {
    const QString at = memberPath(path, QLatin1String(name));
    const QJsonObject point = object.value(QLatin1String(name)).toObject();
    const QJsonValue x = point.value(QStringLiteral("x"));
    const QJsonValue y = point.value(QStringLiteral("y"));
    if (!x.isDouble() || !y.isDouble()) {
        nodeDropped(at, QStringLiteral("a position needs the numbers \"x\" and \"y\""));
        return std::nullopt;
    }
    const QPointF result(x.toDouble(), y.toDouble());
    checkPosition(result, at, offScreenNote);
    return result;
}

void ImportContext::checkPosition(const QPointF& position, const QString& path, const char* offScreenNote) {
    if (position.x() < 0 || position.x() > 1 || position.y() < 0 || position.y() > 1) {
        report(Severity::Warning, "position-out-of-range", path,
               QStringLiteral("(%1, %2) is off the screen (fractions run from 0 to 1); %3")
                   .arg(position.x())
                   .arg(position.y())
                   .arg(QLatin1String(offScreenNote)));
    }
}

std::optional<double> ImportContext::number(const QJsonObject& object, const QString& path,
                                            const char* name) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isDouble()) {
        nodeDropped(memberPath(path, QLatin1String(name)), QStringLiteral("a number is needed"));
        return std::nullopt;
    }
    return value.toDouble();
}

std::optional<ovelkeymapmanager::ConfigKey> ImportContext::key(const QJsonObject& object, const QString& path,
                                                               const char* name) {
    const QString at = memberPath(path, QLatin1String(name));
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isString()) {
        nodeDropped(at, QStringLiteral("a key name is needed"));
        return std::nullopt;
    }
    const QtKey found = keyForQtName(value.toString());
    if (found.status == QtKeyStatus::Unknown) {
        report(Severity::Error, "unknown-key", at,
               QStringLiteral("\"%1\" is not a Qt key or mouse button name; the key is left unbound")
                   .arg(value.toString()));
        return found.key;
    }
    return useKey(found, at, value.toString());
}

ovelkeymapmanager::ConfigKey ImportContext::useKey(const QtKey& found, const QString& path,
                                                   const QString& sourceName) {
    switch (found.status) {
    case QtKeyStatus::Mapped:
        break;
    case QtKeyStatus::Unsupported:
        report(Severity::Error, "unsupported-key", path,
               QStringLiteral("\"%1\" has no key in a keymap; the key is left unbound").arg(sourceName));
        break;
    case QtKeyStatus::Unknown:
        report(Severity::Error, "unknown-key", path,
               QStringLiteral("\"%1\" is not a key name of this format; the key is left unbound")
                   .arg(sourceName));
        break;
    case QtKeyStatus::Controller:
        report(Severity::Error, "controller-binding", path,
               QStringLiteral("\"%1\" is a game controller's, which a keyboard keymap cannot bind; the key "
                              "is left unbound")
                   .arg(sourceName));
        break;
    }
    return found.key;
}

void ImportContext::ignoreOthers(const QJsonObject& object, const QString& path, const QStringList& known) {
    ignoreOthers(object.keys(), path, known);
}

void ImportContext::ignoreOthers(const QStringList& members, const QString& path, const QStringList& known) {
    for (const QString& member : members) {
        if (!known.contains(member)) {
            report(Severity::Info, "member-ignored", memberPath(path, member),
                   QStringLiteral("means nothing to a keymap; left out"));
        }
    }
}

std::optional<QStringList> ImportContext::runningLines(const QStringList& editing, const QRect& rect,
                                                       const QString& path) {
    const QVector<int> rejected = ovelkeymapmanager::MacroKeyEditingTextGrammarCheck(editing);
    if (!rejected.isEmpty()) {
        nodeDropped(path, QStringLiteral("the macro line \"%1\" is rejected by the grammar check")
                              .arg(editing.value(rejected.first() - 1)));
        return std::nullopt;
    }
    return QStringList(ovelkeymapmanager::MacroKeyEditingTextChangeToRunningText(editing, rect));
}

double onShorterSide(double fraction, double side, const QSizeF& screen) {
    return fraction * side / std::min(screen.width(), screen.height());
}

int milliseconds(double value) {
    return qRound(std::clamp(value, 0.0, 1e9));
}

void placeItem(ovelkeymapmanager::ConfigItem& item, const QPointF& position, const QString& description) {
    item.workPositionX = item.iconPositionX = position.x();
    item.workPositionY = item.iconPositionY = position.y();
    item.iconDescription = description;
}

} // namespace keymapctl
