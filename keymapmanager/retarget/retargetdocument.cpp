#include <keymapmanager/retarget/retargetdocument_p.h>

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/config/keymapconfig.h>
#include <keymapmanager/items/itemfactory_p.h>
#include <keymapmanager/macro/runningpoints_p.h>
#include <keymapmanager/retarget/memberroles_p.h>
#include <keymapmanager/retarget/memberwalk_p.h>
#include <keymapmanager/retarget/screenrule_p.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Array.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace ovelkeymapmanager {

namespace {

using retarget::forEachHolder;
using retarget::OwnerRoles;
using retarget::RoleMember;
using retarget::ScreenRule;
using retarget::Where;
using Object = Poco::JSON::Object;
using ObjectPtr = Poco::JSON::Object::Ptr;
using ArrayPtr = Poco::JSON::Array::Ptr;

// Points whose (0, 0) is no place on the screen but means "the item's own work position": moving
// them would turn that meaning into a fixed place.
bool zeroMeansWorkPosition(const QString& owner, const QString& point) {
    return owner == QLatin1String("Spell") && point == QLatin1String("swipehold_info.rel_position");
}

// Text members that may hold positions in a form of their own, which this library does not read:
// kept as written, and said so when they hold anything.
struct OpaqueMember {
    const char* owner;
    const char* member;
};
const OpaqueMember kOpaqueGeometry[] = {{"Curve", "rel_all_points_pos"}};

bool isFinite(const QPointF& point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

bool onScreen(double value) {
    return value >= 0 && value <= 1;
}

QString pointText(const QPointF& point) {
    return QStringLiteral("(%1, %2)").arg(point.x(), 0, 'f', 4).arg(point.y(), 0, 'f', 4);
}

// The number a member holds; false when it holds none (then it is left alone).
bool numberAt(const Object& holder, const std::string& name, double& value) {
    const Poco::Dynamic::Var member = holder.get(name);
    if (member.isEmpty() || !member.isNumeric())
        return false;
    value = member.convert<double>();
    return true;
}

// Moves the members of one owner's JSON object by their roles.
class Mover {
public:
    Mover(const ScreenRule& rule, KeymapRetargetReport& report) : m_rule(rule), m_report(report) {}

    // anchor: the item's anchor, which all its points share; null for a block, whose points each
    // take their own.
    void walk(const QString& owner, const OwnerRoles& roles, Object& object, const QString& root,
              const QPointF* anchor) {
        Where where(root);
        for (const RoleMember& member : roles.points) {
            const bool zeroIsWork = zeroMeansWorkPosition(owner, member.path);
            auto visit = [&](Object& holder) { movePoint(holder, member, where, anchor, zeroIsWork); };
            forEachHolder(object, member, 0, where, visit);
        }
        for (const RoleMember& member : roles.lengths) {
            auto visit = [&](Object& holder) { scaleLength(holder, member, where); };
            forEachHolder(object, member, 0, where, visit);
        }
        for (const RoleMember& member : roles.sizes) {
            auto visit = [&](Object& holder) { scaleSize(holder, member, where); };
            forEachHolder(object, member, 0, where, visit);
        }
        for (const RoleMember& member : roles.rectangles) {
            auto visit = [&](Object& holder) { moveRectangle(holder, member, where); };
            forEachHolder(object, member, 0, where, visit);
        }
        for (const RoleMember& member : roles.macros) {
            auto visit = [&](Object& holder) { moveMacroLines(holder, member, where); };
            forEachHolder(object, member, 0, where, visit);
        }
        for (const OpaqueMember& opaque : kOpaqueGeometry) {
            if (owner != QLatin1String(opaque.owner))
                continue;
            const Poco::Dynamic::Var text = object.get(opaque.member);
            if (text.isString() && !text.extract<std::string>().empty())
                note(where.text(opaque.member),
                     QStringLiteral("kept as written: the editor's own text of the path's points, "
                                    "which this library does not read"),
                     true);
        }
    }

private:
    void note(const QString& path, const QString& message, bool left) {
        m_report.findings.append({path, message, left});
    }
    void notFinite(const QString& path) {
        note(path, QStringLiteral("left as it was: the moved value is not a finite number"), true);
    }
    void checkOnScreen(const QString& path, const QPointF& point) {
        if (!onScreen(point.x()) || !onScreen(point.y()))
            note(path, QStringLiteral("moves to %1, outside the screen").arg(pointText(point)), false);
    }

    void movePoint(Object& holder, const RoleMember& member, const Where& where, const QPointF* anchor,
                   bool zeroIsWork) {
        double x = 0;
        double y = 0;
        if (!numberAt(holder, member.name, x) || !numberAt(holder, member.yName, y))
            return;
        if (zeroIsWork && x == 0 && y == 0)
            return;
        const QPointF point(x, y);
        const QPointF moved = m_rule.movePoint(point, anchor ? *anchor : m_rule.anchorOf(point));
        const QString path = where.here();
        if (!isFinite(moved))
            return notFinite(path);
        holder.set(member.name, moved.x());
        holder.set(member.yName, moved.y());
        checkOnScreen(path, moved);
    }

    void scaleLength(Object& holder, const RoleMember& member, const Where& where) {
        double length = 0;
        if (!numberAt(holder, member.name, length))
            return;
        const double scaled = m_rule.scaleLength(length);
        if (!std::isfinite(scaled))
            return notFinite(where.text(member.name));
        holder.set(member.name, scaled);
    }

    void scaleSize(Object& holder, const RoleMember& member, const Where& where) {
        ObjectPtr size = holder.getObject(member.name);
        double width = 0;
        double height = 0;
        if (!size || !numberAt(*size, "rel_width", width) || !numberAt(*size, "rel_height", height))
            return;
        const QSizeF scaled = m_rule.scaleSize(QSizeF(width, height));
        if (!std::isfinite(scaled.width()) || !std::isfinite(scaled.height()))
            return notFinite(where.text(member.name));
        size->set("rel_width", scaled.width());
        size->set("rel_height", scaled.height());
    }

    void moveRectangle(Object& holder, const RoleMember& member, const Where& where) {
        ObjectPtr rect = holder.getObject(member.name);
        double x = 0;
        double y = 0;
        double width = 0;
        double height = 0;
        if (!rect || !numberAt(*rect, "rel_x", x) || !numberAt(*rect, "rel_y", y) ||
            !numberAt(*rect, "rel_width", width) || !numberAt(*rect, "rel_height", height))
            return;
        const QRectF moved = m_rule.moveRectangle(QRectF(x, y, width, height));
        if (!isFinite(moved.topLeft()) || !isFinite(moved.bottomRight()))
            return notFinite(where.text(member.name));
        rect->set("rel_x", moved.x());
        rect->set("rel_y", moved.y());
        rect->set("rel_width", moved.width());
        rect->set("rel_height", moved.height());
        checkOnScreen(where.text(member.name), moved.topLeft());
        if (onScreen(moved.x()) && onScreen(moved.y()))
            checkOnScreen(where.text(member.name), moved.bottomRight());
    }

    // Each position of a line moves as a point of its own, with its own anchor.
    void moveMacroLines(Object& holder, const RoleMember& member, const Where& where) {
        ArrayPtr lines = holder.getArray(member.name);
        if (!lines)
            return;
        for (unsigned i = 0; i < lines->size(); ++i) {
            const Poco::Dynamic::Var element = lines->get(i);
            if (!element.isString())
                continue;
            const QString line = QString::fromStdString(element.extract<std::string>());
            switch (macro::findRunningPoints(line, m_points)) {
            case macro::PointsFound::None:
                continue;
            case macro::PointsFound::Unreadable:
                note(where.text(member.name, int(i)),
                     QStringLiteral("left as it was: no macro command reads the positions of \"%1\"")
                         .arg(line),
                     true);
                continue;
            case macro::PointsFound::Found:
                break;
            }
            bool finite = true;
            bool signless = true;
            bool outside = false;
            for (macro::RunningPoint& point : m_points) {
                const QPointF from(point.x, point.y);
                const QPointF moved = m_rule.movePoint(from, m_rule.anchorOf(from));
                finite = finite && isFinite(moved);
                signless = signless && moved.x() >= 0 && moved.y() >= 0;
                outside = outside || !onScreen(moved.x()) || !onScreen(moved.y());
                point.x = moved.x();
                point.y = moved.y();
            }
            if (!finite) {
                notFinite(where.text(member.name, int(i)));
                continue;
            }
            // Running text has no sign for a position left of or above the screen.
            if (!signless) {
                note(where.text(member.name, int(i)),
                     QStringLiteral("left as it was: a position would move off the top or left edge, "
                                    "which running text cannot hold"),
                     true);
                continue;
            }
            const QString moved = macro::withRunningPoints(line, m_points);
            lines->set(i, moved.toStdString());
            if (outside)
                note(where.text(member.name, int(i)),
                     QStringLiteral("moves outside the screen: %1").arg(moved), false);
        }
    }

    const ScreenRule& m_rule;
    KeymapRetargetReport& m_report;
    macro::RunningPoints m_points;
};

const OwnerRoles& rolesOf(const QString& owner) {
    static const OwnerRoles none;
    const auto found = retarget::memberRoles().constFind(owner);
    return found == retarget::memberRoles().constEnd() ? none : *found;
}

bool validSizes(const QSize& from, const QSize& to, double safeAspect) {
    return from.width() > 0 && from.height() > 0 && to.width() > 0 && to.height() > 0 &&
           (safeAspect == 0 || (safeAspect > 0 && std::isfinite(safeAspect)));
}

// The index in "keymaps" of each item as saving writes the document: kept elements go before the
// item they preceded, null items are not written.
std::vector<int> elementIndices(const KeymapConfig& document) {
    std::vector<int> keptBefore;
    for (const KeptElement& kept : document.keptElements()) {
        if (kept.object)
            keptBefore.push_back(kept.itemsBefore);
    }
    std::sort(keptBefore.begin(), keptBefore.end());
    std::vector<int> indices;
    indices.reserve(std::size_t(document.items.size()));
    int written = 0;
    auto nextKept = keptBefore.cbegin();
    for (int i = 0; i < document.items.size(); ++i) {
        for (; nextKept != keptBefore.cend() && *nextKept <= i; ++nextKept)
            ++written;
        indices.push_back(document.items.at(i) ? written++ : -1);
    }
    return indices;
}

std::unique_ptr<ConfigItem> moveItem(const ConfigItem& item, int element, const ScreenRule& rule,
                                     const KeymapRetargetOptions& options, Mover& mover,
                                     KeymapRetargetReport& report) {
    const QString root = QStringLiteral("keymaps[%1]").arg(element);
    std::unique_ptr<ConfigItem> moved(createConfigItemByType(item.typeName));
    if (!moved) {
        report.findings.append(
            {root, QStringLiteral("left out: \"%1\" is no item type").arg(item.typeName), true});
        return nullptr;
    }
    KeymapRetargetItem entry;
    entry.element = element;
    entry.type = item.typeName;
    entry.oldPosition = QPointF(item.workPositionX, item.workPositionY);
    const auto given = options.anchors.constFind(element);
    entry.anchorGiven = given != options.anchors.constEnd();
    entry.anchor = entry.anchorGiven ? *given : rule.anchorOf(entry.oldPosition);

    ObjectPtr object(new Object(item.toJson()));
    mover.walk(item.typeName, rolesOf(item.typeName), *object, root, &entry.anchor);
    try {
        moved->fromJson(object);
    } catch (const Poco::Exception&) {
        // What an item writes it reads back; should that ever fail, the item stays where it was.
        moved.reset(createConfigItemByType(item.typeName));
        moved->fromJson(ObjectPtr(new Object(item.toJson())));
        report.findings.append(
            {root, QStringLiteral("left as it was: the moved item cannot be read back"), true});
    }
    entry.newPosition = QPointF(moved->workPositionX, moved->workPositionY);
    report.items.append(entry);
    return moved;
}

// The info block with its feature images' rectangles moved. The pictures are not encoded for the
// walk: each keeps its image, shared with the old block.
std::unique_ptr<KeymapInfo> moveInfo(const KeymapInfo& info, const QSize& from, Mover& mover,
                                     KeymapRetargetReport& report) {
    KeymapInfo shapes = info;
    for (QList<FeatureImageInfo>& group : shapes.featureImages) {
        for (FeatureImageInfo& image : group)
            image.image = QImage();
    }
    ObjectPtr object(new Object(shapes.toJson()));
    mover.walk(QStringLiteral("info"), rolesOf(QStringLiteral("info")), *object, QStringLiteral("info"),
               nullptr);
    auto moved = std::make_unique<KeymapInfo>(info);
    moved->featureImages.clear();
    try {
        moved->fromJsonWithoutImages(object);
    } catch (const Poco::Exception&) {
        report.findings.append({QStringLiteral("info"),
                                QStringLiteral("left as it was: the moved block cannot be read back"), true});
        return std::make_unique<KeymapInfo>(info);
    }
    if (moved->featureImages.size() != info.featureImages.size())
        return std::make_unique<KeymapInfo>(info);
    for (int g = 0; g < info.featureImages.size(); ++g) {
        QList<FeatureImageInfo>& group = moved->featureImages[g];
        for (int i = 0; i < group.size() && i < info.featureImages.at(g).size(); ++i)
            group[i].image = info.featureImages.at(g).at(i).image;
    }
    if (!info.featureImages.isEmpty())
        report.findings.append({QStringLiteral("info.feature_images"),
                                QStringLiteral("the pictures were taken at %1x%2 and are kept as they are; "
                                               "their rectangles have moved, the pictures do not show the "
                                               "new screen")
                                    .arg(from.width())
                                    .arg(from.height()),
                                false});
    return moved;
}

std::unique_ptr<KeymapParam> moveParam(const KeymapParam& param, bool isJoystick, Mover& mover,
                                       KeymapRetargetReport& report) {
    ObjectPtr object(new Object(param.toJson(isJoystick)));
    mover.walk(QStringLiteral("param"), rolesOf(QStringLiteral("param")), *object, QStringLiteral("param"),
               nullptr);
    // Members that this kind of document does not write stay as they were.
    auto moved = std::make_unique<KeymapParam>(param);
    try {
        moved->fromJson(object);
    } catch (const Poco::Exception&) {
        report.findings.append({QStringLiteral("param"),
                                QStringLiteral("left as it was: the moved block cannot be read back"), true});
        return std::make_unique<KeymapParam>(param);
    }
    return moved;
}

} // namespace

KeymapConfig* retargetDocument(const KeymapConfig& document, const QSize& from, const QSize& to,
                               const KeymapRetargetOptions& options, KeymapRetargetReport& report) {
    report = KeymapRetargetReport();
    if (!validSizes(from, to, options.safeAspect))
        return nullptr;
    const ScreenRule rule(from, to, options.scale, options.safeAspect);
    Mover mover(rule, report);

    const std::vector<int> elements = elementIndices(document);
    std::vector<std::unique_ptr<ConfigItem>> items;
    items.reserve(std::size_t(document.items.size()));
    for (int i = 0; i < document.items.size(); ++i) {
        const ConfigItem* item = document.items.at(i);
        items.push_back(item ? moveItem(*item, elements[std::size_t(i)], rule, options, mover, report)
                             : nullptr);
    }
    const KeymapInfo defaultInfo;
    const KeymapParam defaultParam;
    const KeymapInfo& info = document.info ? *document.info : defaultInfo;
    std::unique_ptr<KeymapInfo> movedInfo = moveInfo(info, from, mover, report);
    std::unique_ptr<KeymapParam> movedParam =
        moveParam(document.param ? *document.param : defaultParam, info.isJoystick, mover, report);

    QList<ConfigItem*> list;
    list.reserve(int(items.size()));
    for (std::unique_ptr<ConfigItem>& item : items)
        list.append(item.release());
    auto moved = new KeymapConfig(std::move(list), movedInfo.release(), movedParam.release());
    moved->keptElements() = document.keptElements();
    return moved;
}

} // namespace ovelkeymapmanager
