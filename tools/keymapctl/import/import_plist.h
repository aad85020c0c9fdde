// Apple property lists in their XML form, read into a small value tree with Qt's XML stream
// reader. Only what a keymap import needs: values, dictionaries in file order, and where reading
// failed.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace keymapctl {

struct PlistValue {
    enum class Kind { Dict, Array, String, Integer, Real, Bool, Date, Data };
    Kind kind = Kind::String;
    QString text; // a string, date or data as written; an integer or real as written
    double number = 0.0;
    bool boolean = false;
    QList<QPair<QString, PlistValue>> members; // a dictionary's, in file order
    QList<PlistValue> elements;                // an array's

    // The member named key of a dictionary; null when there is none (or this is no dictionary).
    const PlistValue* member(const QString& key) const;
    QStringList memberNames() const;
    // An <integer> or a <real>, which files use alike for numbers.
    std::optional<double> toNumber() const;
    bool isNumber() const { return kind == Kind::Integer || kind == Kind::Real; }
};

struct PlistError {
    QString message;
    int line = 0;
    int column = 0;
};

// The root value of an XML property list; nothing, with the error filled, when the text is not one.
std::optional<PlistValue> parsePlist(const QByteArray& xml, PlistError& error);

} // namespace keymapctl
