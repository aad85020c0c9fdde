#include "common/json_values.h"

#include <Poco/JSON/Array.h>
#include <Poco/JSON/Object.h>
#include <Poco/JSON/Stringifier.h>
#include <QStringList>

#include <sstream>

namespace keymapctl {

using Poco::Dynamic::Var;
using ObjectPtr = Poco::JSON::Object::Ptr;
using ArrayPtr = Poco::JSON::Array::Ptr;

bool isJsonObject(const Var& value) {
    return value.type() == typeid(ObjectPtr);
}

bool isJsonArray(const Var& value) {
    return value.type() == typeid(ArrayPtr);
}

QString kindName(const Var& value) {
    if (isJsonObject(value))
        return QStringLiteral("an object");
    if (isJsonArray(value))
        return QStringLiteral("an array");
    if (value.isEmpty())
        return QStringLiteral("null");
    if (value.isString())
        return QStringLiteral("a text");
    if (value.isBoolean())
        return QStringLiteral("a boolean");
    if (value.isInteger())
        return QStringLiteral("an integer");
    return QStringLiteral("a number");
}

Var valueAt(const Var& root, const QString& path) {
    Var value = root;
    for (const QString& step : path.split(QLatin1Char('.'))) {
        const int bracket = step.indexOf(QLatin1Char('['));
        const std::string name = step.left(bracket < 0 ? step.size() : bracket).toStdString();
        if (!name.empty()) {
            if (!isJsonObject(value) || !value.extract<ObjectPtr>()->has(name))
                return Var();
            value = value.extract<ObjectPtr>()->get(name);
        }
        for (int at = bracket; at >= 0; at = step.indexOf(QLatin1Char('['), at + 1)) {
            const unsigned index = step.mid(at + 1, step.indexOf(QLatin1Char(']'), at) - at - 1).toUInt();
            if (!isJsonArray(value) || index >= value.extract<ArrayPtr>()->size())
                return Var();
            value = value.extract<ArrayPtr>()->get(index);
        }
    }
    return value;
}

QByteArray jsonBytes(const Var& value) {
    std::ostringstream text;
    Poco::JSON::Stringifier::condense(value, text);
    return QByteArray::fromStdString(text.str());
}

QString shortJson(const Var& value) {
    QString json = QString::fromUtf8(jsonBytes(value));
    constexpr int kLongest = 40;
    if (json.size() > kLongest)
        json = json.left(kLongest - 3) + QStringLiteral("...");
    return json;
}

} // namespace keymapctl
