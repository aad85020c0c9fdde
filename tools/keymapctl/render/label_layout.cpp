#include "render/label_layout.h"

#include <algorithm>
#include <cmath>

namespace keymapctl {

bool LabelLayout::free(const QRectF& box) const {
    if (!m_bounds.contains(box))
        return false;
    return std::none_of(m_taken.cbegin(), m_taken.cend(),
                        [&box](const QRectF& taken) { return taken.intersects(box); });
}

QRectF LabelLayout::inside(const QPointF& centre, const QSizeF& size) const {
    const double x =
        std::clamp(centre.x() - size.width() / 2, m_bounds.left(), m_bounds.right() - size.width());
    const double y =
        std::clamp(centre.y() - size.height() / 2, m_bounds.top(), m_bounds.bottom() - size.height());
    return QRectF(QPointF(x, y), size);
}

std::optional<QRectF> LabelLayout::place(const QPointF& wanted, const QSizeF& size) {
    if (size.width() > m_bounds.width() || size.height() > m_bounds.height())
        return std::nullopt;
    auto take = [this](const QRectF& box) {
        m_taken.append(box);
        return std::optional<QRectF>(box);
    };
    // The wanted spot, then below, above, right, left and the diagonals, one and two steps away.
    const QRectF first = inside(wanted, size);
    if (free(first))
        return take(first);
    const double stepX = size.width() / 2 + size.height();
    const double stepY = size.height() + 2;
    const QPointF directions[] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (int distance = 1; distance <= 2; ++distance) {
        for (const QPointF& direction : directions) {
            const QRectF box =
                inside(wanted + QPointF(direction.x() * stepX, direction.y() * stepY) * distance, size);
            if (free(box))
                return take(box);
        }
    }
    // A crowded spot: the free place of the picture nearest to the wanted one, on a fine grid.
    std::optional<QRectF> nearest;
    double best = 0;
    const double grid = std::max(2.0, size.height() / 2);
    for (double y = m_bounds.top(); y + size.height() <= m_bounds.bottom(); y += grid) {
        for (double x = m_bounds.left(); x + size.width() <= m_bounds.right(); x += grid) {
            const QRectF box(QPointF(x, y), size);
            const double distance = std::hypot(box.center().x() - wanted.x(), box.center().y() - wanted.y());
            if ((!nearest || distance < best) && free(box)) {
                nearest = box;
                best = distance;
            }
        }
    }
    return nearest ? take(*nearest) : std::nullopt;
}

} // namespace keymapctl
