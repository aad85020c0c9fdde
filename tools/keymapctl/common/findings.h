// What check, lint and import found, and the one place that prints it: as lines for people or as
// one JSON document for editors and CI.
#pragma once

#include <keymapmanager/config/keymapsource.h>

#include <QJsonObject>
#include <QList>
#include <QString>

namespace keymapctl {

enum class Severity { Info, Warning, Error };

struct Finding {
    QString file;
    Severity severity = Severity::Error;
    QString code; // stable, kebab-case
    QString message;
    QString path; // from the root of the file: "keymaps[5].icon.description"; "" for the whole file
    int line = 0; // 1-based; 0 when the finding has no place in the text
    int column = 0;
    QString fix;      // what to write instead, when one thing is surely meant: "rel_radius"
    QString itemType; // the "type" of the "keymaps" element the path is in, for people reading

    QJsonObject toJson() const;
};

// The one way a finding is made. With a source, its place and item type are looked up from the
// path there: the member itself, or the nearest object around it that the scan reached.
Finding makeFinding(const QString& file, Severity severity, const QString& code, const QString& path,
                    const QString& message, const ovelkeymapmanager::KeymapSource* source = nullptr);

// The place of a member, or of the nearest object around it that the scan reached (1:1 at worst).
ovelkeymapmanager::KeymapSourcePlace placeOf(const ovelkeymapmanager::KeymapSource& source, QString path);

// The findings of one run. As text each finding is printed when it is added; as JSON they are
// collected and finish() prints one document {"command", "findings": [...], "files": [...]}.
class FindingReport {
public:
    FindingReport(QString command, bool asJson) : m_command(std::move(command)), m_asJson(asJson) {}

    bool asJson() const { return m_asJson; }
    void add(Finding finding);
    // Per-file data for the JSON document (check puts its summary of good files here).
    void addFile(QJsonObject file) { m_files.append(std::move(file)); }
    // Counts a file that was read, with the items it holds, for the summary.
    void countFile(int items) {
        ++m_fileCount;
        m_itemCount += items;
    }
    // Prints the JSON document, or as text the summary line ("2 files, 31 items, 0 errors,
    // 1 warning") unless quiet.
    void finish(bool quiet = false) const;

    // kProblems when there is an error, or a warning and warningsFail; otherwise kOk.
    int exitCode(bool warningsFail) const;

private:
    QString m_command;
    bool m_asJson;
    QList<Finding> m_findings;
    QList<QJsonObject> m_files;
    int m_fileCount = 0;
    int m_itemCount = 0;
};

QString severityName(Severity severity);
// The text line of one finding, as the text output prints it.
QString findingLine(const Finding& finding);

} // namespace keymapctl
