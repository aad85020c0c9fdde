// Symbol visibility for the shared library: everything is hidden unless marked with this macro.
#pragma once

#if defined(_WIN32)
#if defined(OVEL_KEYMAPMANAGER_BUILDING)
#define OVEL_KEYMAPMANAGER_EXPORT __declspec(dllexport)
#else
#define OVEL_KEYMAPMANAGER_EXPORT __declspec(dllimport)
#endif
#else
#define OVEL_KEYMAPMANAGER_EXPORT __attribute__((visibility("default")))
#endif
