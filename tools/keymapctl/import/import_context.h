// The state of one import from another tool's keymap: the findings so far, the screen size, and
// the mechanics every format's import shares: readers of the source's values that report what
// they cannot use under the value's source path ("keyMapNodes[7].pos", "buttonModels[3]"), key
// findings, item creation and placing, and macro text conversion.
#pragma once

#include "common/findings.h"
#include "import/import_keys.h"

#include <keymapmanager/keymapmanager.h>

#include <QJsonObject>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <memory>
#include <optional>

namespace keymapctl {

// "keyMapNodes[7]" + "pos" gives "keyMapNodes[7].pos"; an empty path gives the name alone.
QString memberPath(const QString& path, const QString& name);
QString elementPath(const QString& path, int index);

class ImportContext {
public:
    // screen: the one the author gave (--screen), if any; each format has its own default.
    ImportContext(QString file, std::optional<QSize> screen) : m_file(std::move(file)), m_screen(screen) {}

    // The screen the source was made for: the one given, else the format's usual one.
    QSize screen(QSize formatDefault) const { return m_screen.value_or(formatDefault); }
    const QList<Finding>& findings() const { return m_findings; }
    bool hasErrors() const;

    void report(Severity severity, const char* code, const QString& path, const QString& message);
    // What holds the value at valuePath (a node, the mouse movement) is left out because of it.
    void nodeDropped(const QString& valuePath, const QString& why);

    // Reports a position off the screen (fractions outside 0..1); the position is kept.
    void checkPosition(const QPointF& position, const QString& path,
                       const char* offScreenNote = "kept as written");
    // A position {"x", "y"}: nothing (reported as malformed) when it is missing or not two
    // numbers; a position off the screen is reported and kept.
    std::optional<QPointF> position(const QJsonObject& object, const QString& path, const char* name,
                                    const char* offScreenNote = "kept as written");
    // A number; nothing (reported as malformed) when it is missing or not a number.
    std::optional<double> number(const QJsonObject& object, const QString& path, const char* name);
    // A Qt key name (as QtScrcpy stores keys): nothing (reported as malformed) when it is missing
    // or not text; an unbound key when the name is not one of a key that a keymap can hold
    // (reported as an error).
    std::optional<ovelkeymapmanager::ConfigKey> key(const QJsonObject& object, const QString& path,
                                                    const char* name);
    // The key found for a source's key name (sourceName, as the source spells it, for the
    // message): reports a name without a key in a keymap, an unknown one and a controller's, and
    // then gives the unbound key.
    ovelkeymapmanager::ConfigKey useKey(const QtKey& found, const QString& path, const QString& sourceName);
    // Reports each member of object that is not in known as ignored.
    void ignoreOthers(const QJsonObject& object, const QString& path, const QStringList& known);
    void ignoreOthers(const QStringList& members, const QString& path, const QStringList& known);

    // The running text of macro editing lines in pixels of rect; nothing when the grammar check
    // rejects a line (reported at path), since the conversion would drop it silently.
    std::optional<QStringList> runningLines(const QStringList& editing, const QRect& rect,
                                            const QString& path);

private:
    QString m_file;
    std::optional<QSize> m_screen;
    QList<Finding> m_findings;
};

template <typename Item> std::unique_ptr<Item> createItem(const char* typeName) {
    return std::unique_ptr<Item>(
        static_cast<Item*>(ovelkeymapmanager::CreateConfigItem(QLatin1String(typeName))));
}

// A length given as a fraction of a side of the screen (side: that side's length) as a fraction of
// the screen's shorter side, the keymap's measure of lengths, so that a circle stays round.
double onShorterSide(double fraction, double side, const QSizeF& screen);

// A time in whole milliseconds, at most about eleven days: longer ones mean nothing to a keymap
// and would not fit its integers.
int milliseconds(double value);

// Places an item at position (its touch and its icon) with the source's note, unchanged, as the
// icon's description.
void placeItem(ovelkeymapmanager::ConfigItem& item, const QPointF& position, const QString& description);

} // namespace keymapctl
