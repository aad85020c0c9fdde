#include <keymapmanager/keys/keyquestions_p.h>

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/config/keymapconfig.h>
#include <keymapmanager/items/composableconfigitem.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace ovelkeymapmanager {
namespace {

// Codes of the wheel as the host's event code, not the wheel notches of the button names.
constexpr int kWheelForwardCode = 224;
constexpr int kWheelBackwardCode = 225;
// What an event without a code of its own stands for.
constexpr int kDefaultEventCode = 1;

int mouseButtonCode(const QMouseEvent& event) {
    switch (event.button()) {
    case Qt::LeftButton:
    case Qt::RightButton:
    case Qt::MiddleButton:
    case Qt::BackButton:
    case Qt::ForwardButton:
        return static_cast<int>(event.button());
    default:
        return kDefaultEventCode;
    }
}

int wheelCode(const QWheelEvent& event) {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // delta() is the host's notion of the wheel's direction: the dominant axis of a new-style
    // event, or the value a host passed to an old-style constructor.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const int delta = event.delta();
    QT_WARNING_POP
#else
    // Qt 6 has no delta() and no old-style constructors: the dominant axis is what Qt 5's delta() gave
    // for every event Qt 6 can make (the vertical one when both are equal).
    const QPoint angle = event.angleDelta();
    const int delta = qAbs(angle.x()) > qAbs(angle.y()) ? angle.x() : angle.y();
#endif
    return delta > 0 ? kWheelForwardCode : kWheelBackwardCode;
}

// The event type alone does not prove the class: a plain QEvent may carry a mouse type.
template <typename Event> const Event* eventAs(const QEvent* event) {
    return dynamic_cast<const Event*>(event);
}

} // namespace

int macroConfigKeyCode(const QEvent* event) {
    if (!event)
        return kDefaultEventCode;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (const auto* mouse = eventAs<QMouseEvent>(event))
            return mouseButtonCode(*mouse);
        break;
    case QEvent::Wheel:
        if (const auto* wheel = eventAs<QWheelEvent>(event))
            return wheelCode(*wheel);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (const auto* key = eventAs<QKeyEvent>(event))
            return static_cast<int>(key->nativeScanCode());
        break;
    default:
        break;
    }
    return kDefaultEventCode;
}

bool configKeyMatch(const KeymapConfig* config, const ConfigKey* key, const ConfigKey* secondKey) {
    if (!config || !key || !secondKey)
        return false;
    for (const ConfigItem* item : config->items) {
        if (!item)
            continue;
        // A composable item is asked about the chord only, even when it has no second key.
        const auto* composable = dynamic_cast<const ComposableConfigItem*>(item);
        const bool matched =
            composable ? composable->isComposedKeyMatch(*key, *secondKey) : item->isKeyMatch(*key);
        if (matched)
            return true;
    }
    return false;
}

bool configHasItemType(const KeymapConfig* config, const QString& itemType) {
    if (!config)
        return false;
    for (const ConfigItem* item : config->items)
        if (item && item->typeName == itemType)
            return true;
    return false;
}

} // namespace ovelkeymapmanager
