#include "saving_changes.h"

#include "described_members.h"
#include "suggest.h"

#include <Poco/JSON/Array.h>
#include <Poco/JSON/Stringifier.h>

#include <QMap>

#include <algorithm>
#include <sstream>

namespace keymapctl {

using namespace ovelkeymapmanager;
using Poco::Dynamic::Var;
using ObjectPtr = Poco::JSON::Object::Ptr;
using ArrayPtr = Poco::JSON::Array::Ptr;

namespace {

bool isObject(const Var& value) {
    return value.type() == typeid(ObjectPtr);
}

bool isArray(const Var& value) {
    return value.type() == typeid(ArrayPtr);
}

} // namespace

QString kindName(const Var& value) {
    if (isObject(value))
        return QStringLiteral("an object");
    if (isArray(value))
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

class Comparison {
public:
    Comparison(const KeymapSource& file, QVector<SavingChange>& changes) : m_file(file), m_changes(changes) {}

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
                add(SavingChange::Dropped, memberPath, QStringLiteral("saving drops it"));
            } else {
                add(SavingChange::UnknownMember, memberPath,
                    QStringLiteral("not a member of %1").arg(owner) +
                        didYouMean(name, memberNames(known, saved)));
            }
        }
    }

    void values(const Var& file, const Var& saved, const Known& known, const QString& path,
                const QString& owner) {
        if (isObject(file) && isObject(saved))
            return objects(file.extract<ObjectPtr>(), saved.extract<ObjectPtr>(), known, path, owner);
        if (isArray(file) && isArray(saved)) {
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
        if (file.isNumeric() && saved.isNumeric() && !file.isBoolean() && !saved.isBoolean() &&
            file.convert<double>() == saved.convert<double>())
            return;
        const QString fileKind = kindName(file);
        const QString savedKind = kindName(saved);
        if (fileKind != savedKind) {
            add(SavingChange::Converted, path,
                QStringLiteral("%1 where %2 belongs: %3 becomes %4")
                    .arg(fileKind, savedKind, shortJson(file), shortJson(saved)));
        } else if (shortJson(file) != shortJson(saved) || file != saved) {
            add(SavingChange::Changed, path,
                QStringLiteral("saving changes %1 to %2").arg(shortJson(file), shortJson(saved)));
        }
    }

    void setItem(int item, const QString& type) {
        m_item = item;
        m_type = type;
    }

private:
    void add(SavingChange::Kind kind, const QString& path, const QString& message) {
        SavingChange change{kind, path, m_item, m_type, placeOf(path), message};
        m_changes.append(change);
    }

    KeymapSourcePlace placeOf(const QString& path) const { return keymapctl::placeOf(m_file, path); }

    const KeymapSource& m_file;
    QVector<SavingChange>& m_changes;
    int m_item = -1;
    QString m_type;
};

} // namespace

KeymapSourcePlace placeOf(const KeymapSource& source, QString path) {
    while (!path.isEmpty()) {
        const auto it = source.places.constFind(path);
        if (it != source.places.cend())
            return *it;
        const int cut = std::max(path.lastIndexOf(QLatin1Char('.')), path.lastIndexOf(QLatin1Char('[')));
        path.truncate(std::max(cut, 0));
    }
    return KeymapSourcePlace{1, 1};
}

Var valueAt(const Var& root, const QString& path) {
    Var value = root;
    for (const QString& step : path.split(QLatin1Char('.'))) {
        const int bracket = step.indexOf(QLatin1Char('['));
        const std::string name = step.left(bracket < 0 ? step.size() : bracket).toStdString();
        if (!name.empty()) {
            if (!isObject(value) || !value.extract<ObjectPtr>()->has(name))
                return Var();
            value = value.extract<ObjectPtr>()->get(name);
        }
        for (int at = bracket; at >= 0; at = step.indexOf(QLatin1Char('['), at + 1)) {
            const unsigned index = step.mid(at + 1, step.indexOf(QLatin1Char(']'), at) - at - 1).toUInt();
            if (!isArray(value) || index >= value.extract<ArrayPtr>()->size())
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

QString SavingChange::describe() const {
    return QStringLiteral("%1 (line %2): %3").arg(path).arg(place.line).arg(message);
}

QVector<SavingChange> savingChanges(const LoadedDocument& document) {
    QVector<SavingChange> changes;
    const KeymapSource saved = ParseKeymapSource(ConfigAndInfoSavedText(document.config.get()));
    const ObjectPtr& file = document.source.root;
    if (!file || !saved.root)
        return changes;
    Comparison comparison(document.source, changes);
    QMap<int, QString> typeOfElement;
    for (int i = 0; i < document.elementOfItem.size(); ++i)
        typeOfElement.insert(document.elementOfItem[i], document.config->items[i]->typeName);

    for (const auto& member : *file) {
        const QString name = QString::fromStdString(member.first);
        if (name == QLatin1String("$schema"))
            continue;
        const Var savedValue = saved.root->has(member.first) ? saved.root->get(member.first) : Var();
        if (name == QLatin1String("keymaps") && isArray(member.second) && isArray(savedValue)) {
            const ArrayPtr elements = member.second.extract<ArrayPtr>();
            const ArrayPtr savedElements = savedValue.extract<ArrayPtr>();
            for (std::size_t i = 0; i < elements->size() && i < savedElements->size(); ++i) {
                if (!typeOfElement.contains(int(i)))
                    continue; // of unknown type: written back as it was read
                const QString type = typeOfElement.value(int(i));
                comparison.setItem(int(i), type);
                comparison.values(elements->get(unsigned(i)), savedElements->get(unsigned(i)),
                                  Known{type, QString(), true}, QStringLiteral("keymaps[%1]").arg(i), type);
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
    std::stable_sort(changes.begin(), changes.end(), [](const SavingChange& a, const SavingChange& b) {
        return std::make_pair(a.place.line, a.place.column) < std::make_pair(b.place.line, b.place.column);
    });
    return changes;
}

} // namespace keymapctl
