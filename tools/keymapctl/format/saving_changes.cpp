#include "format/saving_changes.h"

#include "common/described_members.h"
#include "common/json_values.h"
#include "common/suggest.h"

#include <Poco/JSON/Array.h>
#include <Poco/JSON/Parser.h>
#include <QImage>
#include <QMap>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace keymapctl {

using namespace ovelkeymapmanager;
using Poco::Dynamic::Var;
using ObjectPtr = Poco::JSON::Object::Ptr;
using ArrayPtr = Poco::JSON::Array::Ptr;

namespace {

// Where a value stands in the library's description of the format: an owner (item type or block)
// and the path inside it; nothing is known of a value outside the described members.
struct Known {
    QString owner;
    QString path;
    bool described = false;

    Known member(const QString& name) const {
        const QString inside = path.isEmpty() ? name : path + QLatin1Char('.') + name;
        return {owner, inside, described && describedMember(owner, inside)};
    }
    Known element() const { return {owner, path + QStringLiteral("[]"), described}; }
};

QStringList memberNames(const Known& known, const ObjectPtr& saved) {
    QStringList names = known.described ? describedMemberNames(known.owner, known.path) : QStringList();
    for (const auto& member : *saved)
        names << QString::fromStdString(member.first);
    names.removeDuplicates();
    return names;
}

// Whether a number comes back from saving as the same number: integers and fractions may trade
// spelling (1 and 1.0), but an integer must not turn into a nearby fraction
// (12345678901234567890 into 1.2345678901234567e+19).
// In a kept element, whose values the library does not read, even the sign of a zero counts.
bool sameNumber(const Var& file, const Var& saved, bool verbatim) {
    if (!file.isNumeric() || !saved.isNumeric() || file.isBoolean() || saved.isBoolean())
        return false;
    if (file.convert<double>() != saved.convert<double>())
        return false;
    if (verbatim && std::signbit(file.convert<double>()) != std::signbit(saved.convert<double>()))
        return false;
    if (!file.isInteger() || saved.isInteger())
        return true;
    const double value = saved.convert<double>();
    // Doubles at or past 2^63 (or below -2^63) hold no integer that an Int64 can; UInt64 past that.
    if (file.isSigned()) {
        return value >= -9223372036854775808.0 && value < 9223372036854775808.0 &&
               static_cast<Poco::Int64>(value) == file.convert<Poco::Int64>();
    }
    return value >= 0 && value < 18446744073709551616.0 &&
           static_cast<Poco::UInt64>(value) == file.convert<Poco::UInt64>();
}

bool isFeatureImage(const QString& path) {
    return path.startsWith(QLatin1String("info.feature_images[")) && path.endsWith(QLatin1String("].image"));
}

// Whether two Base64 texts hold PNG pictures of the same size and pixels. Saving decodes a feature
// image and encodes it again, which may change the bytes but not the picture.
bool samePicture(const std::string& fileText, const std::string& savedText) {
    const auto decode = [](const std::string& text) {
        // Only a PNG is decoded: the decoder would complain on stderr about anything else.
        const QByteArray bytes = QByteArray::fromBase64(QByteArray::fromStdString(text));
        return bytes.startsWith("\x89PNG\r\n\x1a\n") ? QImage::fromData(bytes, "PNG") : QImage();
    };
    const QImage file = decode(fileText);
    const QImage saved = decode(savedText);
    return !file.isNull() && file.size() == saved.size() &&
           file.convertToFormat(QImage::Format_ARGB32) == saved.convertToFormat(QImage::Format_ARGB32);
}

// The value's JSON text for a message; a negative zero, which JSON text drops the sign of, is named.
QString valueText(const Var& value) {
    if (value.isNumeric() && !value.isInteger() && !value.isBoolean() && value.convert<double>() == 0.0 &&
        std::signbit(value.convert<double>()))
        return QStringLiteral("-0.0");
    return shortJson(value);
}

// Why saving drops a known member: for an incomplete second key, what the chord turns into.
QString droppedMessage(const ObjectPtr& object, const QString& name) {
    const Var key = valueAt(object, QStringLiteral("key.text"));
    if (name == QLatin1String("second_key") && key.isString())
        return QStringLiteral(
                   "the second key is incomplete, so saving drops it: the chord becomes the single "
                   "key \"%1\"")
            .arg(QString::fromStdString(key.extract<std::string>()));
    return QStringLiteral("saving drops it");
}

class Comparison {
public:
    Comparison(const KeymapSource& file, bool joystickDocument, QVector<SavingChange>& changes)
        : m_file(file), m_joystickDocument(joystickDocument), m_changes(changes) {}

    // owner names the object for messages: an item type, or a block.
    void objects(const ObjectPtr& file, const ObjectPtr& saved, const Known& known, const QString& path,
                 const QString& owner) {
        for (const auto& member : *file) {
            const QString name = QString::fromStdString(member.first);
            const QString memberPath = path.isEmpty() ? name : path + QLatin1Char('.') + name;
            const Known memberKnown = known.member(name);
            if (saved->has(member.first)) {
                values(member.second, saved->get(member.first), memberKnown, memberPath,
                       owner.isEmpty() ? name : QStringLiteral("%1 \"%2\"").arg(owner, name));
            } else if (memberKnown.described) {
                add(SavingChange::Dropped, memberPath,
                    path == QLatin1String("info") || path == QLatin1String("param")
                        ? QStringLiteral("saving drops it: a %1 has no such setting")
                              .arg(m_joystickDocument ? QStringLiteral("joystick keymap")
                                                      : QStringLiteral("keymap that is not a joystick one"))
                        : droppedMessage(file, name));
            } else {
                const QString nearest = nearestName(name, memberNames(known, saved));
                add(SavingChange::UnknownMember, memberPath,
                    QStringLiteral("not a member of %1").arg(owner) +
                        (nearest.isEmpty() ? QString() : QStringLiteral("; did you mean %1?").arg(nearest)),
                    nearest);
            }
        }
    }

    void values(const Var& file, const Var& saved, const Known& known, const QString& path,
                const QString& owner) {
        if (isJsonObject(file) && isJsonObject(saved))
            return objects(file.extract<ObjectPtr>(), saved.extract<ObjectPtr>(), known, path, owner);
        if (isJsonArray(file) && isJsonArray(saved)) {
            const ArrayPtr fileArray = file.extract<ArrayPtr>();
            const ArrayPtr savedArray = saved.extract<ArrayPtr>();
            for (std::size_t i = 0; i < fileArray->size(); ++i) {
                const QString elementPath = path + QStringLiteral("[%1]").arg(i);
                if (i < savedArray->size())
                    values(fileArray->get(unsigned(i)), savedArray->get(unsigned(i)), known.element(),
                           elementPath, owner);
                else
                    add(SavingChange::Dropped, elementPath, QStringLiteral("saving drops this element"));
            }
            return;
        }
        if (sameNumber(file, saved, m_verbatim))
            return;
        if (file.isString() && saved.isString() && isFeatureImage(path) && file != saved &&
            samePicture(file.extract<std::string>(), saved.extract<std::string>())) {
            add(SavingChange::Reencoded, path, QStringLiteral("re-encoded, same pixels"));
            return;
        }
        const QString fileKind = kindName(file);
        const QString savedKind = kindName(saved);
        const bool numbers = file.isNumeric() && saved.isNumeric() && !file.isBoolean() && !saved.isBoolean();
        if (fileKind != savedKind && !(numbers && m_verbatim)) {
            add(SavingChange::Converted, path,
                QStringLiteral("%1 where %2 belongs: %3 becomes %4")
                    .arg(fileKind, savedKind, shortJson(file), shortJson(saved)));
        } else if (numbers || shortJson(file) != shortJson(saved) || file != saved) {
            add(SavingChange::Changed, path,
                QStringLiteral("saving changes %1 to %2").arg(valueText(file), valueText(saved)));
        }
    }

    // verbatim: the element is kept as it was read rather than read as an item.
    void setItem(int item, const QString& type, bool verbatim = false) {
        m_item = item;
        m_type = type;
        m_verbatim = verbatim;
    }

private:
    void add(SavingChange::Kind kind, const QString& path, const QString& message, const QString& fix = {}) {
        m_changes.append(SavingChange{kind, path, m_item, m_type, placeOf(m_file, path), message, fix});
    }

    const KeymapSource& m_file;
    bool m_joystickDocument;
    QVector<SavingChange>& m_changes;
    int m_item = -1;
    QString m_type;
    bool m_verbatim = false;
};

} // namespace

namespace {

// The saved texts of a document as a keymap and as a joystick keymap, which between them hold
// every setting of the "info" and "param" blocks.
QByteArray bothKinds(const KeymapConfig& config) {
    const bool joystick = config.info->isJoystick;
    QByteArray text;
    for (const bool kind : {false, true}) {
        config.info->isJoystick = kind;
        text += ConfigAndInfoSavedText(const_cast<KeymapConfig*>(&config));
    }
    config.info->isJoystick = joystick;
    return text;
}

// The file's settings with the member at path removed (an empty value) or given another value.
std::unique_ptr<KeymapConfig> loadWith(const LoadedDocument& document, const QString& path,
                                       const Var& value) {
    const int cut = path.lastIndexOf(QLatin1Char('.'));
    const Var copy = Poco::JSON::Parser().parse(jsonBytes(document.source.root).toStdString());
    const Var parent = valueAt(copy, path.left(cut));
    if (!isJsonObject(parent))
        return nullptr;
    ObjectPtr object = parent.extract<ObjectPtr>();
    if (value.isEmpty())
        object->remove(path.mid(cut + 1).toStdString());
    else
        object->set(path.mid(cut + 1).toStdString(), value);
    QTemporaryFile file;
    if (!file.open() || file.write(jsonBytes(copy)) < 0 || !file.flush())
        return nullptr;
    KeymapLoadReport report;
    std::unique_ptr<KeymapConfig> config(
        LoadConfigAndInfoWithReport(file.fileName(), document.joystick, &report));
    return report.ok ? std::move(config) : nullptr;
}

// Another value of the same kind, or an empty one for a kind that has none.
Var otherValue(const Var& value) {
    if (value.isBoolean())
        return !value.extract<bool>();
    if (value.isString())
        return value.extract<std::string>() + "x";
    if (value.isNumeric())
        return value.convert<double>() + 1.0;
    return Var();
}

// Whether a setting that saving leaves out says only what loading takes when it is missing (an
// explicit "character_id": -1): the document's kind has it, loading reads it (another value changes the
// settings) and the file loads to the same settings without it. Loading changed copies is dear, but only
// settings that saving drops are asked about.
bool saysNothing(const LoadedDocument& document, const QString& path) {
    const Var value = valueAt(document.source.root, path);
    const Var other = otherValue(value);
    // A setting of the other kind of document is lost whatever it says.
    const KeymapMemberDescription* setting =
        describedMember(path.section(QLatin1Char('.'), 0, 0), path.section(QLatin1Char('.'), 1));
    const QString otherKind =
        document.config->info->isJoystick ? QStringLiteral("keymap") : QStringLiteral("joystick");
    if (!setting || setting->documentKind == otherKind || path.contains(QLatin1Char('[')) || other.isEmpty())
        return false;
    const std::unique_ptr<KeymapConfig> without = loadWith(document, path, Var());
    const std::unique_ptr<KeymapConfig> changed = loadWith(document, path, other);
    const QByteArray settings = bothKinds(*document.config);
    return without && changed && bothKinds(*without) == settings && bothKinds(*changed) != settings;
}

} // namespace

QString duplicateMessage(const KeymapSourceDuplicate& duplicate) {
    const QString name = duplicate.path.mid(duplicate.path.lastIndexOf(QLatin1Char('.')) + 1);
    return QStringLiteral("\"%1\" is named twice in one object, at %2:%3 and %4:%5; loading keeps the "
                          "later value and loses the earlier one")
        .arg(name)
        .arg(duplicate.earlier.line)
        .arg(duplicate.earlier.column)
        .arg(duplicate.later.line)
        .arg(duplicate.later.column);
}

QString SavingChange::describe() const {
    return QStringLiteral("%1 (line %2): %3").arg(path).arg(place.line).arg(message);
}

QVector<SavingChange> savingChanges(const LoadedDocument& document) {
    QVector<SavingChange> changes;
    const KeymapSource saved = ParseKeymapSource(ConfigAndInfoSavedText(document.config.get()));
    const ObjectPtr& file = document.source.root;
    if (!file || !saved.root)
        return changes;
    for (const KeymapSourceDuplicate& duplicate : document.source.duplicates) {
        changes.append(SavingChange{SavingChange::Duplicate, duplicate.path, -1, QString(),
                                    placeOf(document.source, duplicate.path), duplicateMessage(duplicate),
                                    QString()});
    }
    Comparison comparison(document.source, document.config->info->isJoystick, changes);
    QMap<int, QString> typeOfElement;
    for (int i = 0; i < document.elementOfItem.size(); ++i)
        typeOfElement.insert(document.elementOfItem[i], document.config->items[i]->typeName);

    for (const auto& member : *file) {
        const QString name = QString::fromStdString(member.first);
        if (name == QLatin1String("$schema"))
            continue;
        const Var savedValue = saved.root->has(member.first) ? saved.root->get(member.first) : Var();
        if (name == QLatin1String("keymaps") && isJsonArray(member.second) && isJsonArray(savedValue)) {
            const ArrayPtr elements = member.second.extract<ArrayPtr>();
            const ArrayPtr savedElements = savedValue.extract<ArrayPtr>();
            for (std::size_t i = 0; i < elements->size() && i < savedElements->size(); ++i) {
                const QString path = QStringLiteral("keymaps[%1]").arg(i);
                const Var element = elements->get(unsigned(i));
                const Var savedElement = savedElements->get(unsigned(i));
                if (!typeOfElement.contains(int(i))) {
                    // Of unknown type: written back as it was read, which its numbers must survive.
                    comparison.setItem(int(i), QString(), true);
                    comparison.values(element, savedElement, Known(), path, QString());
                    continue;
                }
                const QString type = typeOfElement.value(int(i));
                comparison.setItem(int(i), type);
                comparison.values(element, savedElement, Known{type, QString(), true}, path, type);
            }
            comparison.setItem(-1, QString());
            continue;
        }
        if (saved.root->has(member.first)) {
            const bool block = name == QLatin1String("info") || name == QLatin1String("param");
            comparison.values(member.second, savedValue, Known{name, QString(), block}, name,
                              QStringLiteral("the \"%1\" block").arg(name));
            continue;
        }
        Poco::JSON::Object one;
        one.set(member.first, member.second);
        comparison.objects(new Poco::JSON::Object(one), saved.root, Known(), QString(),
                           QStringLiteral("the document"));
    }
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [&](const SavingChange& change) {
                                     return change.kind == SavingChange::Dropped &&
                                            saysNothing(document, change.path);
                                 }),
                  changes.end());
    std::stable_sort(changes.begin(), changes.end(), [](const SavingChange& a, const SavingChange& b) {
        return std::make_pair(a.place.line, a.place.column) < std::make_pair(b.place.line, b.place.column);
    });
    return changes;
}

} // namespace keymapctl
