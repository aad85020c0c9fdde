#include <keymapmanager/retarget/screenrule_p.h>

#include <algorithm>

namespace ovelkeymapmanager {
namespace retarget {

namespace {

double third(double fraction) {
    if (fraction < 1.0 / 3)
        return 0;
    if (fraction > 2.0 / 3)
        return 1;
    return 0.5;
}

} // namespace

ScreenRule::Frame ScreenRule::frameOf(const QSize& screen, double safeAspect) {
    const double width = screen.width();
    const double frameWidth = safeAspect > 0 ? std::min(width, screen.height() * safeAspect) : width;
    return {(width - frameWidth) / 2, frameWidth};
}

ScreenRule::ScreenRule(const QSize& from, const QSize& to, RetargetScale scale, double safeAspect)
    : m_w1(from.width()), m_h1(from.height()), m_w2(to.width()), m_h2(to.height()),
      m_frame1(frameOf(from, safeAspect)), m_frame2(frameOf(to, safeAspect)) {
    const double byWidth = m_w2 / m_w1;
    const double byHeight = m_h2 / m_h1;
    switch (scale) {
    case RetargetScale::Width:
        m_scale = byWidth;
        break;
    case RetargetScale::Height:
        m_scale = byHeight;
        break;
    case RetargetScale::Min:
        m_scale = std::min(byWidth, byHeight);
        break;
    case RetargetScale::Max:
        m_scale = std::max(byWidth, byHeight);
        break;
    }
    m_kx = m_w1 * m_scale / m_w2;
    m_ky = m_h1 * m_scale / m_h2;
    m_lengthFactor = std::min(m_w1, m_h1) * m_scale / std::min(m_w2, m_h2);
}

QPointF ScreenRule::anchorOf(const QPointF& point) const {
    return {third((point.x() * m_w1 - m_frame1.left) / m_frame1.width), third(point.y())};
}

QPointF ScreenRule::movePoint(const QPointF& point, const QPointF& anchor) const {
    // The anchor's pixel on the new screen less the old one's scaled, in fractions of the new.
    const double cx = (m_frame2.left + anchor.x() * m_frame2.width -
                       (m_frame1.left + anchor.x() * m_frame1.width) * m_scale) /
                      m_w2;
    const double cy = (anchor.y() * m_h2 - anchor.y() * m_h1 * m_scale) / m_h2;
    return {point.x() * m_kx + cx, point.y() * m_ky + cy};
}

// The corner moves by the same map as the centre, which keeps the centre where the centre's own move
// puts it (and the corner bit for bit on an unchanged screen).
QRectF ScreenRule::moveRectangle(const QRectF& rect) const {
    return {movePoint(rect.topLeft(), anchorOf(rect.center())), scaleSize(rect.size())};
}

} // namespace retarget
} // namespace ovelkeymapmanager
