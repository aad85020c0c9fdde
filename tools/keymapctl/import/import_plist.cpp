#include "import/import_plist.h"

#include <QStringList>
#include <QXmlStreamReader>

namespace keymapctl {

namespace {

// Deeper nesting is no keymap; the limit keeps the recursion bounded on any input.
constexpr int kMaxDepth = 64;

class PlistReader {
public:
    explicit PlistReader(const QByteArray& xml) : m_xml(xml) {}

    std::optional<PlistValue> read(PlistError& error) {
        if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("plist"))
            return fail(error, QStringLiteral("the root element is not <plist>"));
        if (!m_xml.readNextStartElement())
            return fail(error, QStringLiteral("the <plist> element holds no value"));
        std::optional<PlistValue> root = value(0);
        if (!root || m_xml.hasError())
            return fail(error, m_problem);
        return root;
    }

private:
    std::optional<PlistValue> fail(PlistError& error, const QString& message) {
        error.message = m_xml.hasError() ? m_xml.errorString() : message;
        error.line = int(m_xml.lineNumber());
        error.column = int(m_xml.columnNumber());
        return std::nullopt;
    }

    // The value whose start element the reader stands on; reads through its end element.
    std::optional<PlistValue> value(int depth) {
        if (depth > kMaxDepth)
            return problem(QStringLiteral("values nested deeper than %1").arg(kMaxDepth));
        const QString name = m_xml.name().toString();
        PlistValue result;
        if (name == QLatin1String("dict")) {
            result.kind = PlistValue::Kind::Dict;
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() != QLatin1String("key"))
                    return problem(QStringLiteral("a <dict> member without a <key>"));
                const QString key = m_xml.readElementText();
                if (!m_xml.readNextStartElement())
                    return problem(QStringLiteral("the key \"%1\" has no value").arg(key));
                std::optional<PlistValue> member = value(depth + 1);
                if (!member)
                    return std::nullopt;
                result.members.append({key, std::move(*member)});
            }
        } else if (name == QLatin1String("array")) {
            result.kind = PlistValue::Kind::Array;
            while (m_xml.readNextStartElement()) {
                std::optional<PlistValue> element = value(depth + 1);
                if (!element)
                    return std::nullopt;
                result.elements.append(std::move(*element));
            }
        } else if (name == QLatin1String("true") || name == QLatin1String("false")) {
            result.kind = PlistValue::Kind::Bool;
            result.boolean = name == QLatin1String("true");
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("integer") || name == QLatin1String("real")) {
            result.kind = name == QLatin1String("real") ? PlistValue::Kind::Real : PlistValue::Kind::Integer;
            result.text = m_xml.readElementText().trimmed();
            bool ok = false;
            result.number = result.text.toDouble(&ok);
            if (!ok)
                return problem(QStringLiteral("<%1> holds \"%2\", not a number").arg(name, result.text));
        } else if (name == QLatin1String("string") || name == QLatin1String("date") ||
                   name == QLatin1String("data")) {
            result.kind = name == QLatin1String("string") ? PlistValue::Kind::String
                          : name == QLatin1String("date") ? PlistValue::Kind::Date
                                                          : PlistValue::Kind::Data;
            result.text = m_xml.readElementText();
        } else {
            return problem(QStringLiteral("<%1> is not a property list value").arg(name));
        }
        if (m_xml.hasError())
            return problem(QString());
        return result;
    }

    std::optional<PlistValue> problem(const QString& message) {
        m_problem = message;
        if (!m_xml.hasError())
            m_xml.raiseError(message);
        return std::nullopt;
    }

    QXmlStreamReader m_xml;
    QString m_problem;
};

} // namespace

const PlistValue* PlistValue::member(const QString& key) const {
    for (const auto& entry : members) {
        if (entry.first == key)
            return &entry.second;
    }
    return nullptr;
}

QStringList PlistValue::memberNames() const {
    QStringList names;
    for (const auto& entry : members)
        names << entry.first;
    return names;
}

std::optional<double> PlistValue::toNumber() const {
    if (!isNumber())
        return std::nullopt;
    return number;
}

std::optional<PlistValue> parsePlist(const QByteArray& xml, PlistError& error) {
    return PlistReader(xml).read(error);
}

} // namespace keymapctl
