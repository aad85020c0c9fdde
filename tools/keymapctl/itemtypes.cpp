#include "itemtypes.h"

#include <keymapmanager/keymapmanager.h>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace keymapctl {

QStringList itemTypeNames() {
    using namespace ovelkeymapmanager::TypeName;
    static const char* const kNames[] = {Click,
                                         BunchClick,
                                         Fire,
                                         RightWalk,
                                         Spell,
                                         Staring,
                                         Swipehold,
                                         Eye,
                                         Curve,
                                         SpellCancel,
                                         LeftStickWalk,
                                         RightStickEye,
                                         Macro,
                                         Gravity,
                                         Wheel,
                                         Zoom,
                                         Observe,
                                         OperationRecorder,
                                         Tip,
                                         VirtualLeftStick,
                                         VirtualLeftStickShiftButton,
                                         VirtualRightStick,
                                         VirtualJoystickButton,
                                         VirtualJoystickBunchButton};
    QStringList names;
    for (const char* name : kNames)
        names << QLatin1String(name);
    return names;
}

QString demangled(const char* name) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> text(
        abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && text ? text.get() : name);
}

QString itemClassName(const ovelkeymapmanager::ConfigItem& item) {
    return demangled(typeid(item).name()).remove(QStringLiteral("ovelkeymapmanager::"));
}

} // namespace keymapctl
