#include "common/findings.h"

#include "common/cli.h"

#include <Poco/JSON/Array.h>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace keymapctl {

namespace {

// The "type" of the "keymaps" element a path is in, as the file spells it.
QString itemTypeAt(const ovelkeymapmanager::KeymapSource& source, const QString& path) {
    static const QLatin1String prefix("keymaps[");
    if (!source.root || !path.startsWith(prefix))
        return QString();
    bool number = false;
    const unsigned index =
        path.mid(prefix.size(), path.indexOf(QLatin1Char(']')) - prefix.size()).toUInt(&number);
    const Poco::JSON::Array::Ptr elements = source.root->getArray("keymaps");
    if (!number || !elements || index >= elements->size())
        return QString();
    const Poco::JSON::Object::Ptr element = elements->getObject(index);
    const Poco::Dynamic::Var type = element ? element->get("type") : Poco::Dynamic::Var();
    return type.isString() ? QString::fromStdString(type.extract<std::string>()) : QString();
}

} // namespace

QJsonObject Finding::toJson() const {
    QJsonObject object{{QStringLiteral("file"), file},
                       {QStringLiteral("severity"), severityName(severity)},
                       {QStringLiteral("code"), code},
                       {QStringLiteral("message"), message}};
    if (!path.isEmpty())
        object.insert(QStringLiteral("path"), path);
    if (!itemType.isEmpty())
        object.insert(QStringLiteral("type"), itemType);
    if (line > 0) {
        object.insert(QStringLiteral("line"), line);
        object.insert(QStringLiteral("column"), column);
    }
    if (!fix.isEmpty())
        object.insert(QStringLiteral("fix"), fix);
    return object;
}

Finding makeFinding(const QString& file, Severity severity, const QString& code, const QString& path,
                    const QString& message, const ovelkeymapmanager::KeymapSource* source) {
    Finding finding{file, severity, code, message, path, 0, 0, QString(), QString()};
    if (source) {
        const ovelkeymapmanager::KeymapSourcePlace place = placeOf(*source, path);
        finding.line = place.line;
        finding.column = place.column;
        finding.itemType = itemTypeAt(*source, path);
    }
    return finding;
}

ovelkeymapmanager::KeymapSourcePlace placeOf(const ovelkeymapmanager::KeymapSource& source, QString path) {
    while (!path.isEmpty()) {
        const auto it = source.places.constFind(path);
        if (it != source.places.cend())
            return *it;
        const int cut = std::max(path.lastIndexOf(QLatin1Char('.')), path.lastIndexOf(QLatin1Char('[')));
        path.truncate(std::max(cut, 0));
    }
    return ovelkeymapmanager::KeymapSourcePlace{1, 1};
}

QString severityName(Severity severity) {
    switch (severity) {
    case Severity::Info:
        return QStringLiteral("info");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Error:
        break;
    }
    return QStringLiteral("error");
}

QString findingLine(const Finding& finding) {
    QString position = finding.file;
    if (finding.line > 0)
        position += QStringLiteral(":%1:%2").arg(finding.line).arg(finding.column);
    QString where = finding.path;
    if (!finding.itemType.isEmpty())
        where += QStringLiteral(" (%1)").arg(finding.itemType);
    return QStringLiteral("%1: %2: %3%4 [%5]")
        .arg(position, severityName(finding.severity),
             where.isEmpty() ? QString() : where + QStringLiteral(": "), finding.message, finding.code);
}

void FindingReport::add(Finding finding) {
    if (!m_asJson)
        out() << findingLine(finding) << "\n";
    m_findings.append(std::move(finding));
}

namespace {

QString counted(int count, const char* noun) {
    return QStringLiteral("%1 %2%3")
        .arg(count)
        .arg(QLatin1String(noun))
        .arg(count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

void FindingReport::finish(bool quiet) const {
    if (!m_asJson) {
        if (quiet)
            return;
        int errors = 0;
        int warnings = 0;
        for (const Finding& finding : m_findings) {
            errors += finding.severity == Severity::Error;
            warnings += finding.severity == Severity::Warning;
        }
        out() << QStringList{counted(m_fileCount, "file"), counted(m_itemCount, "item"),
                             counted(errors, "error"), counted(warnings, "warning")}
                     .join(QStringLiteral(", "))
              << "\n";
        return;
    }
    QJsonArray findings;
    for (const Finding& finding : m_findings)
        findings.append(finding.toJson());
    QJsonObject root{{QStringLiteral("command"), m_command}, {QStringLiteral("findings"), findings}};
    if (!m_files.isEmpty()) {
        QJsonArray files;
        for (const QJsonObject& file : m_files)
            files.append(file);
        root.insert(QStringLiteral("files"), files);
    }
    out() << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

int FindingReport::exitCode(bool warningsFail) const {
    for (const Finding& finding : m_findings) {
        if (finding.severity == Severity::Error || (warningsFail && finding.severity == Severity::Warning))
            return kProblems;
    }
    return kOk;
}

} // namespace keymapctl
