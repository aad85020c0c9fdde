#include <keymapmanager/keymapmanager.h>

// Registered while the library loads, in this order: Qt hands out user event numbers from the top
// of the range downwards, so ButtonPress gets the highest.
QEvent::Type JoystickEvent::ButtonPress = QEvent::Type(QEvent::registerEventType(-1));
QEvent::Type JoystickEvent::ButtonRelease = QEvent::Type(QEvent::registerEventType(-1));
QEvent::Type JoystickEvent::AxisTriggle = QEvent::Type(QEvent::registerEventType(-1));
QEvent::Type JoystickEvent::JoystickConnect = QEvent::Type(QEvent::registerEventType(-1));
QEvent::Type JoystickEvent::JoystickDisconnect = QEvent::Type(QEvent::registerEventType(-1));
