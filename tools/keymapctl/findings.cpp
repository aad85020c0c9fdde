#include "findings.h"

#include "cli.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace keymapctl {

QJsonObject Location::toJson() const {
    QJsonObject object;
    if (!block.isEmpty())
        object.insert(QStringLiteral("block"), block);
    if (item >= 0)
        object.insert(QStringLiteral("item"), item);
    if (!type.isEmpty())
        object.insert(QStringLiteral("type"), type);
    if (!member.isEmpty())
        object.insert(QStringLiteral("member"), member);
    if (!path.isEmpty())
        object.insert(QStringLiteral("path"), path);
    if (line > 0) {
        object.insert(QStringLiteral("line"), line);
        object.insert(QStringLiteral("column"), column);
    }
    if (!list.isEmpty()) {
        object.insert(QStringLiteral("list"), list);
        object.insert(QStringLiteral("listLine"), listLine);
    }
    return object;
}

QString Location::describe() const {
    // A path names the list line already.
    if (!path.isEmpty())
        return type.isEmpty() ? path : QStringLiteral("%1 (%2)").arg(path, type);
    QStringList parts;
    if (item >= 0) {
        QString part = QStringLiteral("keymaps[%1]").arg(item);
        if (!type.isEmpty())
            part += QStringLiteral(" (%1)").arg(type);
        parts << part;
    } else if (!block.isEmpty() && block != QLatin1String("json")) {
        parts << QStringLiteral("\"%1\" block").arg(block);
    }
    if (!list.isEmpty())
        parts << QStringLiteral("%1 line %2").arg(list).arg(listLine);
    if (!member.isEmpty())
        parts << QStringLiteral("member \"%1\"").arg(member);
    return parts.join(QStringLiteral(", "));
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
    if (finding.location.line > 0)
        position += QStringLiteral(":%1:%2").arg(finding.location.line).arg(finding.location.column);
    const QString where = finding.location.describe();
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
    for (const Finding& finding : m_findings) {
        findings.append(QJsonObject{{QStringLiteral("file"), finding.file},
                                    {QStringLiteral("severity"), severityName(finding.severity)},
                                    {QStringLiteral("code"), finding.code},
                                    {QStringLiteral("message"), finding.message},
                                    {QStringLiteral("location"), finding.location.toJson()}});
    }
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
