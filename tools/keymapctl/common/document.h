// Loading a keymap file for a command: readable or not, loaded cleanly or where it stopped, and
// which element of the file's "keymaps" each loaded item came from.
#pragma once

#include "common/cli.h"
#include "common/findings.h"

#include <keymapmanager/keymapmanager.h>

#include <QVector>

#include <memory>

namespace keymapctl {

enum class LoadStatus {
    Unreadable, // missing, a directory, or no permission: the library would silently give defaults
    Empty,      // no text at all: the library would silently give defaults
    Broken,     // reading stopped at a problem (the report says where)
    Clean
};

struct LoadedDocument {
    QString path;
    bool joystick = false; // loaded as a joystick keymap
    LoadStatus status = LoadStatus::Unreadable;
    std::unique_ptr<ovelkeymapmanager::KeymapConfig> config; // null when unreadable
    ovelkeymapmanager::KeymapLoadReport report;
    // The file's text as a JSON tree, with the places of its members.
    ovelkeymapmanager::KeymapSource source;
    // For each loaded item, the index of its "keymaps" element; elements of an unknown type are
    // kept by the document rather than read as items, so the two differ once one is present.
    QVector<int> elementOfItem;
    // The elements of unknown type that the document keeps, in file order.
    struct KeptElement {
        int index;    // in the file's "keymaps"
        QString type; // its "type" as the file spells it (JSON text when it is not text)
    };
    QVector<KeptElement> keptElements;

    bool clean() const { return status == LoadStatus::Clean; }
    // kBadInput for an unreadable file, kProblems for an empty or broken one, kOk when clean.
    int exitCode() const;
    // Why the document is not clean, as a finding (codes "unreadable", "empty-file", "encoding",
    // "load-<block>").
    Finding problem() const;
    // A finding about the member at path, placed where the file holds it.
    Finding finding(Severity severity, const QString& code, const QString& path,
                    const QString& message) const;
};

LoadedDocument loadDocument(const QString& path, bool joystick);

// The text that saving the document writes, with the top-level "$schema" of the file it came from
// (source) kept where saving's member order puts it: first, since the other members are sorted by
// name and "$" sorts before letters. Empty when saving would refuse the document.
QByteArray canonicalText(const ovelkeymapmanager::KeymapConfig& config,
                         const ovelkeymapmanager::KeymapSource& source);
// Replaces the file with text only when all of it is written (in place where the directory forbids
// a temporary file).
bool writeFile(const QString& path, const QByteArray& text);

// Loads each file in turn (progress on stderr for many), reports every file that does not load
// cleanly and hands each clean one to useClean. Returns the worst exit code of the loads.
template <typename UseClean>
int forEachDocument(const QStringList& files, bool joystick, FindingReport& report, UseClean useClean) {
    Progress progress(files.size());
    int exit = kOk;
    for (const QString& path : files) {
        progress.step(path);
        const LoadedDocument document = loadDocument(path, joystick);
        exit = worst(exit, document.exitCode());
        report.countFile(document.config ? document.config->items.size() : 0);
        if (document.clean())
            useClean(document);
        else
            report.add(document.problem());
    }
    return exit;
}

} // namespace keymapctl
