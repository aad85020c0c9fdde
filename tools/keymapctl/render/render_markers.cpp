#include "render/render_markers.h"

#include <keymapmanager/keymapmanager.h>

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace keymapctl {

using namespace ovelkeymapmanager;

Canvas::Canvas(QPainter& painter, const QSizeF& size)
    : m_painter(painter), m_size(size), m_unit(std::min(size.width(), size.height())),
      m_layout(QRectF(QPointF(0, 0), size)) {}

QPointF Canvas::nearestInside(const QPointF& fraction, double margin) const {
    const auto bound = [margin](double value, double side) {
        const double low = std::min(margin, side / 2);
        return std::isfinite(value) ? std::clamp(value * side, low, side - low) : low;
    };
    return {bound(fraction.x(), m_size.width()), bound(fraction.y(), m_size.height())};
}

double Canvas::markerRadius(double scale) const {
    return std::max(8.0, 0.035 * m_unit) * std::clamp(scale, 0.5, 3.0);
}

QFont Canvas::labelFont(LabelKind kind) const {
    const bool small = kind != LabelKind::Key;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(std::max(small ? 8.0 : 10.0, m_unit * (small ? 0.016 : 0.022))));
    font.setBold(!small);
    font.setItalic(kind == LabelKind::Description);
    return font;
}

QSizeF Canvas::labelSize(const QString& text, LabelKind kind) const {
    const QFontMetricsF metrics(labelFont(kind));
    return QSizeF(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
}

QRectF Canvas::label(const QPointF& centre, const QString& text, LabelKind kind) {
    if (text.isEmpty())
        return QRectF();
    const std::optional<QRectF> box = m_layout.place(centre, labelSize(text, kind));
    if (!box) {
        ++m_dropped;
        return QRectF();
    }
    m_labels.append(PlacedLabel{*box, centre, text, kind});
    return *box;
}

void Canvas::drawLabels() {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    // Leader lines first, so that no line crosses a label's text.
    m_painter.setPen(QPen(QColor(230, 230, 230, 200), 1.0));
    for (const PlacedLabel& label : m_labels) {
        if (QLineF(label.anchor, label.box.center()).length() < 1.0)
            continue;
        const QPointF end(std::clamp(label.anchor.x(), label.box.left(), label.box.right()),
                          std::clamp(label.anchor.y(), label.box.top(), label.box.bottom()));
        m_painter.drawLine(label.anchor, end);
    }
    for (const PlacedLabel& label : m_labels) {
        const bool key = label.kind == LabelKind::Key;
        m_painter.setFont(labelFont(label.kind));
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(0, 0, 0, key ? 190 : 140));
        m_painter.drawRoundedRect(label.box, 3, 3);
        m_painter.setPen(key                                    ? Qt::white
                         : label.kind == LabelKind::Description ? QColor(255, 230, 160)
                                                                : QColor(200, 200, 200));
        m_painter.drawText(label.box, Qt::AlignCenter, label.text);
    }
    m_painter.restore();
}

namespace {

// --- drawing pieces -------------------------------------------------------------------------------

void setPen(QPainter& painter, const QColor& colour, double width = 2.0, Qt::PenStyle style = Qt::SolidLine) {
    painter.setPen(QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin));
}

void disc(QPainter& painter, const QPointF& centre, double radius, const QColor& colour) {
    setPen(painter, colour);
    QColor fill = colour;
    fill.setAlpha(90);
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
}

void ring(QPainter& painter, const QPointF& centre, double radius, const QColor& colour,
          Qt::PenStyle style = Qt::SolidLine) {
    setPen(painter, colour, 2.0, style);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

// A filled triangle whose tip is `length` away from `from` in the direction (dx, dy).
void arrow(QPainter& painter, const QPointF& from, double dx, double dy, double length,
           const QColor& colour) {
    const QPointF tip = from + QPointF(dx, dy) * length;
    const QPointF side(-dy * length * 0.45, dx * length * 0.45);
    const QPointF base = from + QPointF(dx, dy) * (length * 0.35);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(base + side);
    path.lineTo(base - side);
    path.closeSubpath();
    setPen(painter, colour, 1.5);
    painter.setBrush(colour);
    painter.drawPath(path);
}

QString keyText(const ConfigKey& key, const ConfigKey& second = ConfigKey()) {
    if (!key.isComplete())
        return QString();
    return second.isComplete() ? key.text + QLatin1Char('+') + second.text : key.text;
}

QString itemKeyText(const ConfigItem& item) {
    if (const auto* composable = dynamic_cast<const ComposableConfigItem*>(&item))
        return composable->composedKeyText();
    return keyText(item.key);
}

// Four direction keys around a centre, each label's inner edge `distance` away from it.
void directionKeys(Canvas& canvas, const DiamondConfigItem& item, const QPointF& centre, double distance) {
    const struct {
        const ConfigKey& key;
        double dx, dy;
    } sides[] = {{item.topKey, 0, -1}, {item.rightKey, 1, 0}, {item.bottomKey, 0, 1}, {item.leftKey, -1, 0}};
    for (const auto& side : sides) {
        const QString text = keyText(side.key);
        const QSizeF box = canvas.labelSize(text);
        const double reach = distance + (side.dx != 0 ? box.width() : box.height()) / 2;
        canvas.label(centre + QPointF(side.dx, side.dy) * reach, text);
    }
}

// --- one function per kind of marker ---------------------------------------------------------------

struct Marker {
    Canvas& canvas;
    const ConfigItem& item;
    QPointF centre; // the work position
    double radius;  // the marker's own size
    QColor colour;
    double extent = 0; // how far below the centre the marker reaches; its caption goes below that

    QRectF keyBox; // where the key text went, when the marker has one text at its centre

    QPainter& painter() { return canvas.painter(); }
    void keyLabel() { keyBox = canvas.label(centre, itemKeyText(item)); }
};

void stick(Marker& m, const SwipeholdConfigItem& item) {
    const double reach = std::max(m.canvas.length(item.relRadius), m.radius * 1.6);
    ring(m.painter(), m.centre, reach, m.colour);
    disc(m.painter(), m.centre, m.radius * 0.45, m.colour);
    directionKeys(m.canvas, item, m.centre, reach + 2);
    m.extent = reach + m.radius * 1.2;
}

void directionPad(Marker& m, const DiamondConfigItem& item) {
    const double r = m.radius;
    QPainterPath diamond;
    diamond.moveTo(m.centre + QPointF(0, -r));
    diamond.lineTo(m.centre + QPointF(r, 0));
    diamond.lineTo(m.centre + QPointF(0, r));
    diamond.lineTo(m.centre + QPointF(-r, 0));
    diamond.closeSubpath();
    setPen(m.painter(), m.colour);
    m.painter().setBrush(QColor(m.colour.red(), m.colour.green(), m.colour.blue(), 90));
    m.painter().drawPath(diamond);
    directionKeys(m.canvas, item, m.centre, r * 1.2);
    m.extent = r * 2.4;
}

void spell(Marker& m, const SpellConfigItem& item) {
    // The aim circle, dashed, joined to the spell's button.
    const SpellAimInfo& aim = item.aimInfo;
    const QPointF aimCentre = m.canvas.at(aim.aimCentreX, aim.aimCentreY);
    ring(m.painter(), aimCentre, m.canvas.length(aim.aimRadius), m.colour, Qt::DashLine);
    setPen(m.painter(), m.colour, 1.0, Qt::DotLine);
    m.painter().drawLine(m.centre, aimCentre);
    disc(m.painter(), m.centre, m.radius, m.colour);
    m.keyLabel();
}

void pair(Marker& m, const PairConfigItem& item, const QString& orientation) {
    // Positive up (or right), negative down (or left); a zoom's arrows point apart.
    const bool vertical = orientation != QLatin1String("horizontal");
    const double dx = vertical ? 0.0 : 1.0;
    const double dy = vertical ? -1.0 : 0.0;
    const double gap = m.radius * 0.5;
    disc(m.painter(), m.centre, m.radius * 0.25, m.colour);
    arrow(m.painter(), m.centre + QPointF(dx, dy) * gap, dx, dy, m.radius * 1.2, m.colour);
    arrow(m.painter(), m.centre - QPointF(dx, dy) * gap, -dx, -dy, m.radius * 1.2, m.colour);
    const QPointF labelOffset = QPointF(dx, dy) * (m.radius * 2.4);
    m.canvas.label(m.centre + labelOffset, keyText(item.positive.key, item.positive.secondKey));
    m.canvas.label(m.centre - labelOffset, keyText(item.negative.key, item.negative.secondKey));
    m.extent = vertical ? m.radius * 3.0 : m.radius * 1.7;
}

void fire(Marker& m, const FireConfigItem& item) {
    // The drag area, lightly filled with a dashed edge, joined to the button.
    const QPointF areaCentre = m.canvas.at(item.position.x(), item.position.y());
    const double areaRadius = m.canvas.length(item.radius);
    QColor fill = m.colour;
    fill.setAlpha(40);
    setPen(m.painter(), m.colour, 1.5, Qt::DashLine);
    m.painter().setBrush(fill);
    m.painter().drawEllipse(areaCentre, areaRadius, areaRadius);
    setPen(m.painter(), m.colour, 1.0, Qt::DotLine);
    m.painter().drawLine(m.centre, areaCentre);
    ring(m.painter(), m.centre, m.radius, m.colour);
    setPen(m.painter(), m.colour);
    const double r = m.radius * 1.4;
    m.painter().drawLine(m.centre - QPointF(r, 0), m.centre + QPointF(r, 0));
    m.painter().drawLine(m.centre - QPointF(0, r), m.centre + QPointF(0, r));
    m.keyLabel();
}

void eye(Marker& m, const StaringArea* area) {
    if (area) {
        // The staring range: an area of that size around the work position.
        const QPointF extent = m.canvas.at(area->staringRange.width(), area->staringRange.height());
        setPen(m.painter(), m.colour, 1.0, Qt::DashLine);
        m.painter().setBrush(Qt::NoBrush);
        m.painter().drawRect(QRectF(m.centre - extent / 2, QSizeF(extent.x(), extent.y())));
    }
    setPen(m.painter(), m.colour);
    m.painter().setBrush(QColor(m.colour.red(), m.colour.green(), m.colour.blue(), 90));
    m.painter().drawEllipse(m.centre, m.radius * 1.3, m.radius * 0.7);
    m.painter().setBrush(m.colour);
    m.painter().drawEllipse(m.centre, m.radius * 0.3, m.radius * 0.3);
    m.canvas.label(m.centre + QPointF(0, m.radius * 1.3), itemKeyText(m.item));
    m.extent = m.radius * 1.9;
}

void curve(Marker& m, const CurveConfigItem& item) {
    const QPointF start = m.canvas.at(item.startPosition.x(), item.startPosition.y());
    const QPointF end = m.canvas.at(item.endPosition.x(), item.endPosition.y());
    setPen(m.painter(), m.colour, 2.0, Qt::DashLine);
    m.painter().drawLine(start, end);
    const double length = std::hypot(end.x() - start.x(), end.y() - start.y());
    if (length > 1.0)
        arrow(m.painter(), end, (end.x() - start.x()) / length, (end.y() - start.y()) / length,
              m.radius * 0.8, m.colour);
    disc(m.painter(), m.centre, m.radius, m.colour);
    m.keyLabel();
}

void macro(Marker& m) {
    setPen(m.painter(), m.colour);
    m.painter().setBrush(QColor(m.colour.red(), m.colour.green(), m.colour.blue(), 90));
    m.painter().drawRoundedRect(
        QRectF(m.centre - QPointF(m.radius, m.radius), QSizeF(2 * m.radius, 2 * m.radius)), m.radius * 0.3,
        m.radius * 0.3);
    m.keyLabel();
}

void walk(Marker& m, double reachFraction) {
    ring(m.painter(), m.centre, std::max(m.canvas.length(reachFraction), m.radius * 1.6), m.colour,
         Qt::DashLine);
    disc(m.painter(), m.centre, m.radius * 0.6, m.colour);
    m.keyLabel();
}

void click(Marker& m, bool bunch) {
    disc(m.painter(), m.centre, m.radius, m.colour);
    if (bunch)
        ring(m.painter(), m.centre, m.radius * 1.35, m.colour);
    m.keyLabel();
}

// An item whose work position lies off the screen is drawn at the nearest place inside it, with
// an arrow to where it really is and its real position in words.
void offScreen(Marker& m, const QPointF& real) {
    const QPointF away = m.canvas.at(real.x(), real.y()) - m.centre;
    const double distance = std::hypot(away.x(), away.y());
    if (std::isfinite(distance) && distance > 0)
        arrow(m.painter(), m.centre, away.x() / distance, away.y() / distance, m.radius * 1.8, m.colour);
    m.canvas.label(m.centre - QPointF(0, m.radius * 1.8),
                   QStringLiteral("off screen at %1, %2").arg(real.x()).arg(real.y()), LabelKind::Caption);
}

} // namespace

void drawItem(Canvas& canvas, const ConfigItem& item, bool description) {
    const QPointF real(item.workPositionX, item.workPositionY);
    const double radius = canvas.markerRadius(item.editorIconScale);
    const bool onScreen = real.x() >= 0 && real.x() <= 1 && real.y() >= 0 && real.y() <= 1;
    const QPointF centre = onScreen ? canvas.at(real.x(), real.y()) : canvas.nearestInside(real, radius);
    Marker m{canvas, item, centre, radius, QColor(), 0, QRectF()};
    QPainter& painter = canvas.painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (const auto* swipehold = dynamic_cast<const SwipeholdConfigItem*>(&item)) {
        m.colour = QColor(80, 200, 120);
        stick(m, *swipehold);
    } else if (const auto* diamond = dynamic_cast<const DiamondConfigItem*>(&item)) {
        m.colour = QColor(90, 170, 230);
        directionPad(m, *diamond);
    } else if (const auto* spellItem = dynamic_cast<const SpellConfigItem*>(&item)) {
        m.colour = QColor(190, 110, 240);
        spell(m, *spellItem);
    } else if (const auto* wheel = dynamic_cast<const WheelConfigItem*>(&item)) {
        m.colour = QColor(240, 200, 70);
        pair(m, *wheel, wheel->orientation);
    } else if (const auto* zoom = dynamic_cast<const ZoomConfigItem*>(&item)) {
        m.colour = QColor(240, 150, 60);
        pair(m, *zoom, zoom->orientation);
    } else if (const auto* fireItem = dynamic_cast<const FireConfigItem*>(&item)) {
        m.colour = QColor(235, 70, 70);
        fire(m, *fireItem);
    } else if (dynamic_cast<const StaringConfigItem*>(&item) ||
               dynamic_cast<const ObserveConfigItem*>(&item) ||
               dynamic_cast<const JoystickRightEyeConfigItem*>(&item)) {
        m.colour = QColor(90, 170, 230);
        eye(m, dynamic_cast<const StaringArea*>(&item));
    } else if (const auto* path = dynamic_cast<const CurveConfigItem*>(&item)) {
        m.colour = QColor(230, 120, 180);
        curve(m, *path);
    } else if (dynamic_cast<const MacroConfigItem*>(&item)) {
        m.colour = QColor(240, 170, 90);
        macro(m);
    } else if (const auto* left = dynamic_cast<const JoystickLeftWalkConfigItem*>(&item)) {
        m.colour = QColor(80, 200, 120);
        walk(m, left->radius);
    } else if (const auto* right = dynamic_cast<const MouseRightWalkConfigItem*>(&item)) {
        m.colour = QColor(80, 200, 120);
        walk(m, right->firstMoveRadius);
    } else {
        m.colour = QColor(235, 235, 235);
        click(m, dynamic_cast<const BunchClickConfigItem*>(&item) ||
                     dynamic_cast<const VirtualJoystickBunchButtonConfigItem*>(&item));
    }
    if (!onScreen)
        offScreen(m, real);
    // The description right under the key text (or the marker's centre), the type under the marker.
    if (description && !item.iconDescription.isEmpty()) {
        const QSizeF size = canvas.labelSize(item.iconDescription, LabelKind::Description);
        const QPointF under =
            m.keyBox.isEmpty() ? m.centre : QPointF(m.keyBox.center().x(), m.keyBox.bottom());
        canvas.label(under + QPointF(0, size.height() / 2 + 1), item.iconDescription, LabelKind::Description);
    }
    canvas.label(m.centre + QPointF(0, std::max(m.extent, m.radius * 1.4) + canvas.markerRadius(1.0) * 0.5),
                 item.typeName, LabelKind::Caption);
    painter.restore();
}

} // namespace keymapctl
