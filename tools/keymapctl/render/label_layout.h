// Where the labels of a rendered keymap go: each at the first free spot of a few candidates around
// the point it describes, never over another label and never past the picture's edge.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QVector>

#include <optional>

namespace keymapctl {

class LabelLayout {
public:
    explicit LabelLayout(const QRectF& bounds) : m_bounds(bounds) {}

    // Takes a box of the given size for a label wanted centred on `wanted`: there when that spot
    // is free, else at the nearest free candidate around it, else at the free spot of the picture
    // nearest to it. Nothing when the box fits nowhere.
    std::optional<QRectF> place(const QPointF& wanted, const QSizeF& size);

private:
    bool free(const QRectF& box) const;
    // The box centred on a point, moved inside the picture.
    QRectF inside(const QPointF& centre, const QSizeF& size) const;

    QRectF m_bounds;
    QVector<QRectF> m_taken;
};

} // namespace keymapctl
