// Drawing keymap items onto a picture of the emulated screen: each item at its work position with
// a marker that shows its kind and the text of its key(s).
#pragma once

#include <QPainter>
#include <QSizeF>

namespace ovelkeymapmanager {
class ConfigItem;
}

namespace keymapctl {

// The picture being drawn on: relative positions and radii become pixels here.
class Canvas {
public:
    Canvas(QPainter& painter, const QSizeF& size);

    QPainter& painter() { return m_painter; }
    // A point of the screen given in fractions of its width and height.
    QPointF at(double x, double y) const { return {x * m_size.width(), y * m_size.height()}; }
    // A radius given as a fraction of the screen; measured on its shorter side.
    double length(double fraction) const { return fraction * m_unit; }
    // The radius of an item's marker, for an item drawn at the given scale.
    double markerRadius(double scale) const;

    // Text in a dark box centred on a point, readable on any background.
    void label(const QPointF& centre, const QString& text, bool small = false);
    // The size of that box.
    QSizeF labelSize(const QString& text, bool small = false) const;

private:
    QFont labelFont(bool small) const;

    QPainter& m_painter;
    QSizeF m_size;
    double m_unit;
};

void drawItem(Canvas& canvas, const ovelkeymapmanager::ConfigItem& item);

} // namespace keymapctl
