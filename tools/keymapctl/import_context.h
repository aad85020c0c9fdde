// The state of one import from another tool's keymap: the findings so far, the screen size, and
// readers of the source's values that report what they cannot use under the value's source path
// ("keyMapNodes[7].pos").
#pragma once

#include "findings.h"

#include <keymapmanager/keymapmanager.h>

#include <QJsonObject>
#include <QList>
#include <QPointF>
#include <QSize>

#include <optional>

namespace keymapctl {

// "keyMapNodes[7]" + "pos" gives "keyMapNodes[7].pos"; an empty path gives the name alone.
QString memberPath(const QString& path, const QString& name);
QString elementPath(const QString& path, int index);

class ImportContext {
public:
    ImportContext(QString file, QSize screen) : m_file(std::move(file)), m_screen(screen) {}

    QSize screen() const { return m_screen; }
    const QList<Finding>& findings() const { return m_findings; }
    bool hasErrors() const;

    void report(Severity severity, const char* code, const QString& path, const QString& message);
    // What holds the value at valuePath (a node, the mouse movement) is left out because of it.
    void nodeDropped(const QString& valuePath, const QString& why);

    // A position {"x", "y"}: nothing (reported as malformed) when it is missing or not two
    // numbers; a position off the screen is reported and kept.
    std::optional<QPointF> position(const QJsonObject& object, const QString& path, const char* name,
                                    const char* offScreenNote = "kept as written");
    // A number; nothing (reported as malformed) when it is missing or not a number.
    std::optional<double> number(const QJsonObject& object, const QString& path, const char* name);
    // A key name: nothing (reported as malformed) when it is missing or not text; an unbound key
    // when the name is not one of a key that a keymap can hold (reported as an error).
    std::optional<ovelkeymapmanager::ConfigKey> key(const QJsonObject& object, const QString& path,
                                                    const char* name);
    // Reports each member of object that is not in known as ignored.
    void ignoreOthers(const QJsonObject& object, const QString& path, const QStringList& known);

private:
    QString m_file;
    QSize m_screen;
    QList<Finding> m_findings;
};

} // namespace keymapctl
