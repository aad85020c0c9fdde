#include <keymapmanager/items/diamondconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

#include <utility>

namespace ovelkeymapmanager {

DiamondConfigItem::DiamondConfigItem(QString typeName) : ConfigItem(std::move(typeName)) {}

DiamondConfigItem::~DiamondConfigItem() = default;

// Both tests look at the keys in the order top, bottom, left, right.
bool DiamondConfigItem::directionKeysUnset() const {
    return topKey.isUnset() && bottomKey.isUnset() && leftKey.isUnset() && rightKey.isUnset();
}

bool DiamondConfigItem::directionKeysMatch(const ConfigKey& given) const {
    return topKey.matches(given) || bottomKey.matches(given) || leftKey.matches(given) ||
           rightKey.matches(given);
}

void DiamondConfigItem::useArrowKeys() {
    const QString keyboard = QLatin1String(Device::Keyboard);
    topKey = makeConfigKey(keyboard, QStringLiteral("Direction_up"), 38, 328);
    rightKey = makeConfigKey(keyboard, QStringLiteral("Direction_right"), 39, 333);
    bottomKey = makeConfigKey(keyboard, QStringLiteral("Direction_down"), 40, 336);
    leftKey = makeConfigKey(keyboard, QStringLiteral("Direction_left"), 37, 331);
}

void DiamondConfigItem::useWasdKeys() {
    const QString keyboard = QLatin1String(Device::Keyboard);
    topKey = makeConfigKey(keyboard, QStringLiteral("W"), 87, 17);
    rightKey = makeConfigKey(keyboard, QStringLiteral("D"), 68, 32);
    bottomKey = makeConfigKey(keyboard, QStringLiteral("S"), 83, 31);
    leftKey = makeConfigKey(keyboard, QStringLiteral("A"), 65, 30);
}

} // namespace ovelkeymapmanager
