// The 31 macro converter classes, and the lookup that picks one for a line.
#pragma once

#include <keymapmanager/macro/captureconverters_p.h>
#include <keymapmanager/macro/coordinateconverters_p.h>
#include <keymapmanager/macro/deviceconverters_p.h>
#include <keymapmanager/macro/lasttokenconverters_p.h>
#include <keymapmanager/macro/linematcher_p.h>
#include <keymapmanager/macro/marcoconverter_p.h>
#include <keymapmanager/macro/screenshotconverter_p.h>
#include <keymapmanager/macro/wordconverters_p.h>

#include <array>
#include <optional>

namespace ovelkeymapmanager {

// One converter class with the matchers that recognise its lines.
struct ConverterEntry {
    LineMatcher editing;
    LineMatcher running;
    MarcoConVerterPtr (*create)();
    // Convert one line with a converter of the class that lives only for the call. lineMatch is
    // the match that the matcher made of the line, if it searched; some converters reuse it.
    QString (*editingToRunning)(const QString& line, const QRect& rect,
                                const QRegularExpressionMatch* lineMatch);
    QString (*runningToEditing)(const QString& line, const QRect& rect,
                                const QRegularExpressionMatch* lineMatch);
};

// Every converter class, in the order in which they are tried: the first that accepts a line wins.
const std::array<ConverterEntry, 31>& converterEntries();

// The first entry whose editing (running) matcher accepts the line, or null; lineMatch, when
// given, receives the accepting matcher's match if it searched.
const ConverterEntry* findEditingEntry(const QString& line,
                                       std::optional<QRegularExpressionMatch>* lineMatch = nullptr);
const ConverterEntry* findRunningEntry(const QString& line,
                                       std::optional<QRegularExpressionMatch>* lineMatch = nullptr);

// A new converter for the line, or an empty pointer when no command accepts it.
MarcoConVerterPtr findEditingConverter(const QString& line);
MarcoConVerterPtr findRunningConverter(const QString& line);

} // namespace ovelkeymapmanager
