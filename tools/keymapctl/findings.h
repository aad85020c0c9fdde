// What check and lint found, and the one place that prints it: as lines for people or as one
// JSON document for editors and CI.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace keymapctl {

enum class Severity { Info, Warning, Error };

// Where in a keymap file a finding points; unset parts stay out of the output.
struct Location {
    QString block;  // "json", "keymaps", "info", "param"
    int item = -1;  // index of the "keymaps" element, from 0
    QString type;   // that element's "type"
    QString member; // the member being read, or the field concerned
    QString path;   // the full path from the root, when known: "keymaps[5].icon.description"
    int line = 0;   // text position (1-based) for text that is not JSON
    int column = 0;
    QString list;     // "press_actions" or "release_actions" for macro lines
    int listLine = 0; // 1-based line number inside that list

    QJsonObject toJson() const;
    // "keymaps[3] (Macro), press_actions line 2", "keymaps[5].icon.description (Click)", or "" when
    // nothing is known.
    QString describe() const;
};

struct Finding {
    QString file;
    Severity severity = Severity::Error;
    QString code; // stable, kebab-case
    QString message;
    Location location;
};

// The findings of one run. As text each finding is printed when it is added, one line
// "file:line:column: severity: where: message [code]"; as JSON they are collected and finish()
// prints one document {"command", "findings": [...], "files": [...]}.
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
