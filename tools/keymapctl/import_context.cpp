#include "import_context.h"

#include "import_keys.h"

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
    if (result.x() < 0 || result.x() > 1 || result.y() < 0 || result.y() > 1) {
        report(Severity::Warning, "position-out-of-range", at,
               QStringLiteral("(%1, %2) is off the screen (fractions run from 0 to 1); %3")
                   .arg(result.x())
                   .arg(result.y())
                   .arg(QLatin1String(offScreenNote)));
    }
    return result;
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
    switch (found.status) {
    case QtKeyStatus::Mapped:
        break;
    case QtKeyStatus::Unsupported:
        report(
            Severity::Error, "unsupported-key", at,
            QStringLiteral("\"%1\" has no key in a keymap; the key is left unbound").arg(value.toString()));
        break;
    case QtKeyStatus::Unknown:
        report(Severity::Error, "unknown-key", at,
               QStringLiteral("\"%1\" is not a Qt key or mouse button name; the key is left unbound")
                   .arg(value.toString()));
        break;
    }
    return found.key;
}

void ImportContext::ignoreOthers(const QJsonObject& object, const QString& path, const QStringList& known) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) {
            report(Severity::Info, "member-ignored", memberPath(path, it.key()),
                   QStringLiteral("means nothing to a keymap; left out"));
        }
    }
}

} // namespace keymapctl
