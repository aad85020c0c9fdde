// The rule that moves a point, a length, a size and a rectangle from one screen to another. Values
// come and go as fractions of the screen, as the document holds them.
//
// Per axis, a point keeps its distance in pixels from its anchor (0, 1/2 or 1 of the interface's
// frame), scaled by s:  x2 = L2 + ax*F2 + (x1 - L1 - ax*F1)*s  and  y2 = ay*H2 + (y1 - ay*H1)*s,
// L and F being the frame's left edge and width. In fractions that is x2/W2 = x1/W1 * k + c, with k
// and c fixed per screen pair and anchor; written so, the same screen on both sides gives k = 1 and
// c = 0 exactly, and so every value back unchanged to the last bit.
#pragma once

#include <keymapmanager/retarget/retarget.h>

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace ovelkeymapmanager {
namespace retarget {

class ScreenRule {
public:
    // Sizes must be positive, safeAspect 0 (no frame) or a positive finite number.
    ScreenRule(const QSize& from, const QSize& to, RetargetScale scale, double safeAspect);

    double scale() const { return m_scale; }
    // The anchor a point (fractions of the old screen) takes by the third of the frame it lies in:
    // below 1/3 gives 0, above 2/3 gives 1, otherwise 1/2.
    QPointF anchorOf(const QPointF& point) const;
    QPointF movePoint(const QPointF& point, const QPointF& anchor) const;
    // A length in fractions of the screen's shorter side.
    double scaleLength(double length) const { return length * m_lengthFactor; }
    // A width and height in fractions of the screen's width and height.
    QSizeF scaleSize(const QSizeF& size) const { return {size.width() * m_kx, size.height() * m_ky}; }
    // The rectangle's centre moves by its own anchor, its size scales.
    QRectF moveRectangle(const QRectF& rect) const;

private:
    struct Frame {
        double left;
        double width;
    };
    static Frame frameOf(const QSize& screen, double safeAspect);

    double m_w1, m_h1, m_w2, m_h2;
    Frame m_frame1, m_frame2;
    double m_scale;
    double m_kx, m_ky; // fraction of the new screen per fraction of the old, before the anchor's offset
    double m_lengthFactor;
};

} // namespace retarget
} // namespace ovelkeymapmanager
