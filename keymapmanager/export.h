// Symbol visibility for the shared library: everything is hidden unless marked with this macro.
#pragma once

#include <QtGlobal>

// The build and the installed packages define the Qt major version the library was built with; code
// compiled against the other one could not link it, and stops here rather than at link or run time.
#if defined(OVEL_KEYMAPMANAGER_QT_MAJOR) && OVEL_KEYMAPMANAGER_QT_MAJOR != QT_VERSION_MAJOR
#error "ovel-keymapmanager was built with another Qt major version than the one this code compiles against"
#endif

#if defined(_WIN32)
#if defined(OVEL_KEYMAPMANAGER_BUILDING)
#define OVEL_KEYMAPMANAGER_EXPORT __declspec(dllexport)
#else
#define OVEL_KEYMAPMANAGER_EXPORT __declspec(dllimport)
#endif
#else
#define OVEL_KEYMAPMANAGER_EXPORT __attribute__((visibility("default")))
#endif
