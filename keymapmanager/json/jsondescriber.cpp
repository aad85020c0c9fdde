#include <keymapmanager/json/jsondescriber_p.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

namespace ovelkeymapmanager::json {

namespace {

QString compact(const QJsonArray& array) {
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace

QString jsonText(const QString& value) {
    const QString array = compact(QJsonArray{value});
    return array.mid(1, array.size() - 2);
}

QString jsonText(int value) {
    return QString::number(value);
}

QString jsonText(double value) {
    // The shortest text that reads back as the same number, as JSON writes it ("0.00325", "45").
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString jsonText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString jsonText(const QStringList& value) {
    return compact(QJsonArray::fromStringList(value));
}

} // namespace ovelkeymapmanager::json
