#include "common/json_text.h"

#include <QStringList>

namespace keymapctl {

namespace {

constexpr int kLineWidth = 110;

QString quoted(const QString& text) {
    QString json = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            json += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            json += QStringLiteral("\\n");
        else if (c.unicode() < 0x20)
            json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            json += c;
    }
    return json + QLatin1Char('"');
}

} // namespace

JsonText JsonText::raw(const QString& json) {
    JsonText value;
    value.m_kind = Kind::Raw;
    value.m_raw = json;
    return value;
}

JsonText JsonText::string(const QString& text) {
    return raw(quoted(text));
}

JsonText JsonText::array(const QVector<JsonText>& elements) {
    JsonText value;
    value.m_kind = Kind::Array;
    value.m_elements = elements;
    return value;
}

JsonText JsonText::strings(const QStringList& texts) {
    QVector<JsonText> elements;
    for (const QString& text : texts)
        elements.append(string(text));
    return array(elements);
}

JsonText& JsonText::set(const QString& name, const JsonText& value) {
    for (auto& member : m_members) {
        if (member.first == name) {
            member.second = value;
            return *this;
        }
    }
    m_members.append({name, value});
    return *this;
}

bool JsonText::has(const QString& name) const {
    for (const auto& member : m_members) {
        if (member.first == name)
            return true;
    }
    return false;
}

QString JsonText::write(int indent) const {
    if (m_kind == Kind::Raw)
        return m_raw;
    const bool object = m_kind == Kind::Object;
    QStringList parts;
    if (object) {
        for (const auto& member : m_members)
            parts << quoted(member.first) + QStringLiteral(": ") + member.second.write(indent + 1);
    } else {
        for (const JsonText& element : m_elements)
            parts << element.write(indent + 1);
    }
    const QString open = object ? QStringLiteral("{") : QStringLiteral("[");
    const QString close = object ? QStringLiteral("}") : QStringLiteral("]");
    if (parts.isEmpty())
        return open + close;
    const QString oneLine = object ? QStringLiteral("{ %1 }").arg(parts.join(QStringLiteral(", ")))
                                   : QStringLiteral("[%1]").arg(parts.join(QStringLiteral(", ")));
    bool nested = false;
    for (const auto& member : m_members)
        nested = nested || member.second.m_kind == Kind::Object;
    if (!nested && !oneLine.contains(QLatin1Char('\n')) && 2 * indent + oneLine.size() <= kLineWidth)
        return oneLine;
    const QString inner = QString(2 * (indent + 1), QLatin1Char(' '));
    bool scalars = !object;
    for (const JsonText& element : m_elements)
        scalars = scalars && element.m_kind == Kind::Raw;
    if (scalars) {
        // A long list of words fills its lines.
        QStringList lines{QString()};
        for (int i = 0; i < parts.size(); ++i) {
            const QString piece = parts[i] + (i + 1 < parts.size() ? QStringLiteral(",") : QString());
            if (!lines.last().isEmpty() && inner.size() + lines.last().size() + 1 + piece.size() > kLineWidth)
                lines.append(QString());
            if (!lines.last().isEmpty())
                lines.last() += QLatin1Char(' ');
            lines.last() += piece;
        }
        return open + QLatin1Char('\n') + inner + lines.join(QLatin1Char('\n') + inner) + QLatin1Char('\n') +
               QString(2 * indent, QLatin1Char(' ')) + close;
    }
    return open + QLatin1Char('\n') + inner + parts.join(QStringLiteral(",\n") + inner) + QLatin1Char('\n') +
           QString(2 * indent, QLatin1Char(' ')) + close;
}

} // namespace keymapctl
