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

QString itemClassName(const ovelkeymapmanager::ConfigItem& item) {
    const char* mangled = typeid(item).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    name.remove(QStringLiteral("ovelkeymapmanager::"));
    return name;
}

} // namespace keymapctl
