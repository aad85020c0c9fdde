// Walking an owner's JSON object along a described member's path: every object that holds the
// member, "[]" steps taken into each element of an array, and the path that led there, made into
// text only for a finding.
#pragma once

#include <keymapmanager/retarget/memberroles_p.h>

#include <Poco/JSON/Array.h>
#include <Poco/JSON/Object.h>
#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace ovelkeymapmanager {
namespace retarget {

// The steps from an owner's object to the one being visited.
class Where {
public:
    explicit Where(QString root) : m_root(std::move(root)) {}

    void enter(const std::string* name, int index = -1) { m_steps.push_back({name, index}); }
    void leave() { m_steps.pop_back(); }
    // The path of the object being visited.
    QString here() const {
        QString text = m_root;
        for (const Step& step : m_steps) {
            if (step.index >= 0)
                text += QStringLiteral("[%1]").arg(step.index);
            else
                text += QLatin1Char('.') + QString::fromStdString(*step.name);
        }
        return text;
    }
    QString text(const std::string& member) const {
        return here() + QLatin1Char('.') + QString::fromStdString(member);
    }
    QString text(const std::string& member, int index) const {
        return text(member) + QStringLiteral("[%1]").arg(index);
    }

private:
    struct Step {
        const std::string* name;
        int index;
    };
    QString m_root;
    std::vector<Step> m_steps;
};

// Calls visit(holder) for every object that a member's holder path leads to from object.
template <typename Visit>
void forEachHolder(Poco::JSON::Object& object, const RoleMember& member, std::size_t step, Where& where,
                   Visit& visit);

template <typename Visit>
void descend(const Poco::Dynamic::Var& value, int arrays, const RoleMember& member, std::size_t step,
             Where& where, Visit& visit) {
    if (arrays == 0) {
        if (value.type() == typeid(Poco::JSON::Object::Ptr)) {
            if (Poco::JSON::Object::Ptr object = value.extract<Poco::JSON::Object::Ptr>())
                forEachHolder(*object, member, step + 1, where, visit);
        }
        return;
    }
    if (value.type() != typeid(Poco::JSON::Array::Ptr))
        return;
    Poco::JSON::Array::Ptr array = value.extract<Poco::JSON::Array::Ptr>();
    if (!array)
        return;
    for (unsigned i = 0; i < array->size(); ++i) {
        where.enter(nullptr, int(i));
        descend(array->get(i), arrays - 1, member, step, where, visit);
        where.leave();
    }
}

template <typename Visit>
void forEachHolder(Poco::JSON::Object& object, const RoleMember& member, std::size_t step, Where& where,
                   Visit& visit) {
    if (step == member.holder.size()) {
        visit(object);
        return;
    }
    const PathStep& next = member.holder[step];
    const Poco::Dynamic::Var value = object.get(next.name);
    if (value.isEmpty())
        return;
    where.enter(&next.name);
    descend(value, next.arrays, member, step, where, visit);
    where.leave();
}
} // namespace retarget
} // namespace ovelkeymapmanager
