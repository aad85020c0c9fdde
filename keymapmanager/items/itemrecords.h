// Groups of fields that several item classes carry alike. Each class inherits the group, so the
// fields read as the class's own (item->resetType); staringarea_p.h and bunchclick_p.h list
// their JSON members.
#pragma once

#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/export.h>

#include <QSizeF>
#include <QString>

namespace ovelkeymapmanager {

// The area inside which a view-steering item keeps the touch, and when it brings the touch back.
struct OVEL_KEYMAPMANAGER_EXPORT StaringArea {
    QSizeF staringRange{0.5, 0.5}; // width and height, fractions of the screen
    QString resetType = QLatin1String(StaringRange::Window);
    int resetWaitInterval = 8;
    int autoResetPeriod = -1;
    bool needReset = true;
};

// How a burst of clicks runs: continuously, or a fixed number of times at once.
struct OVEL_KEYMAPMANAGER_EXPORT BunchClickSettings {
    QString bunchClickType = QLatin1String(BunchClickMode::Continue);
    int continueNumber = 20; // the count of the "Continue" mode
    int oneOffNumber = 20;   // the count of the "One_Off" mode
};

} // namespace ovelkeymapmanager
