// ConfigKey: one bound key of a keyboard, mouse or game controller.
#pragma once

#include <QString>
#include <QtGlobal>

namespace ovelkeymapmanager {

// Marker for "no code" in ConfigKey::virtualKey and ConfigKey::scanCode.
constexpr int kUnsetKeyCode = 2147483647;

struct ConfigKey {
    QString device; // "keyboard", "mouse", "joystick"; empty means no key
    QString text;   // display text; for a joystick key also its identity
    int virtualKey = kUnsetKeyCode;
    int scanCode = kUnsetKeyCode;
    // Spare fields kept for the host; zeroed on creation, never read or written by the library.
    qint64 reserved64 = 0;
    qint32 reserved32 = 0;

    // Unset: no device; a joystick key without text; any other key with a code holding the unset marker.
    bool isUnset() const {
        if (device.isEmpty())
            return true;
        if (device == QLatin1String("joystick"))
            return text.isEmpty();
        return virtualKey == kUnsetKeyCode || scanCode == kUnsetKeyCode;
    }
    // A complete key is one that is not unset.
    bool isComplete() const { return !isUnset(); }

    // Whether this stored key is the given one: joystick keys compare by text, all others by scan code.
    bool matches(const ConfigKey& given) const {
        if (device != given.device)
            return false;
        return device == QLatin1String("joystick") ? text == given.text : scanCode == given.scanCode;
    }

    // Identity used in chord ids: device followed by the text (joystick) or the decimal scan code.
    QString identity() const {
        return device == QLatin1String("joystick") ? device + text : device + QString::number(scanCode);
    }
};

// A key with the given fields and the spare fields zeroed.
inline ConfigKey makeConfigKey(const QString& device, const QString& text, int virtualKey, int scanCode) {
    ConfigKey key;
    key.device = device;
    key.text = text;
    key.virtualKey = virtualKey;
    key.scanCode = scanCode;
    return key;
}

} // namespace ovelkeymapmanager
