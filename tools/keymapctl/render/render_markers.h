// Drawing keymap items onto a picture of the emulated screen: each item at its work position with
// a marker that shows its kind and the text of its key(s).
#pragma once

#include "render/label_layout.h"

#include <QPainter>
#include <QSizeF>

namespace ovelkeymapmanager {
class ConfigItem;
}

namespace keymapctl {

enum class LabelKind {
    Key,         // the key text, bold
    Caption,     // the item's type, small
    Description, // the item's description, small and light
};

// One label as placed on the picture.
struct PlacedLabel {
    QRectF box;
    QPointF anchor; // the point it describes; a leader line joins them when the label had to move
    QString text;
    LabelKind kind;
};

// The picture being drawn on: relative positions and radii become pixels here. Labels are placed
// as they are asked for and drawn last, over every marker.
class Canvas {
public:
    Canvas(QPainter& painter, const QSizeF& size);

    QPainter& painter() { return m_painter; }
    // A point of the screen given in fractions of its width and height.
    QPointF at(double x, double y) const { return {x * m_size.width(), y * m_size.height()}; }
    // The point of the screen nearest to one given in fractions, at least margin pixels inside
    // its edges (a position that is no number goes to the top-left corner).
    QPointF nearestInside(const QPointF& fraction, double margin) const;
    // A radius given as a fraction of the screen; measured on its shorter side.
    double length(double fraction) const { return fraction * m_unit; }
    // The radius of an item's marker, for an item drawn at the given scale.
    double markerRadius(double scale) const;

    // Text in a dark box, readable on any background, centred on a point or at the nearest free
    // spot around it. Returns the box, or an empty one when the label fits nowhere.
    QRectF label(const QPointF& centre, const QString& text, LabelKind kind = LabelKind::Key);
    // The size of that box.
    QSizeF labelSize(const QString& text, LabelKind kind = LabelKind::Key) const;
    // Draws the placed labels with their leader lines.
    void drawLabels();
    const QVector<PlacedLabel>& labels() const { return m_labels; }
    int droppedLabels() const { return m_dropped; }

private:
    QFont labelFont(LabelKind kind) const;

    QPainter& m_painter;
    QSizeF m_size;
    double m_unit;
    LabelLayout m_layout;
    QVector<PlacedLabel> m_labels;
    int m_dropped = 0;
};

// Draws the item's marker and asks for its labels; the description only when `description`.
void drawItem(Canvas& canvas, const ovelkeymapmanager::ConfigItem& item, bool description);

} // namespace keymapctl
