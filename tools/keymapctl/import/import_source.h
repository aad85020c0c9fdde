// The sources that keymapctl import reads: the formats it knows, telling them apart by their
// content, and the keymaps a source holds (one or several configs), each imported on demand so
// that only the chosen ones are reported.
#pragma once

#include "import/import_context.h"

#include <QByteArray>
#include <QJsonDocument>

#include <memory>
#include <optional>

namespace keymapctl {

enum class SourceFormat { Auto, QtScrcpy, PlayCover, ScrcpyMask };

// "qtscrcpy", "playcover", "scrcpy-mask" or "auto"; nothing for another name.
std::optional<SourceFormat> sourceFormatNamed(const QString& name);

// Why a source cannot be imported at all; the command writes nothing then.
struct SourceProblem {
    const char* code = "";
    QString message;
    int line = 0; // 1-based, when the problem has a place in the text
    int column = 0;
};

// The keymaps of a source that could be read.
class SourceKeymaps {
public:
    virtual ~SourceKeymaps() = default;
    virtual int count() const = 0;
    // The config's title as the source gives it; empty when it gives none.
    virtual QString title(int index) const = 0;
    // The keymap of one config; everything left out or changed on the way is reported to context.
    virtual std::unique_ptr<ovelkeymapmanager::KeymapConfig> import(ImportContext& context,
                                                                    int index) const = 0;
};

// Reads a source of the given format (Auto: the format its content has); null with the problem
// filled when it cannot be read as that format.
std::unique_ptr<SourceKeymaps> readSource(const QByteArray& bytes, SourceFormat format,
                                          SourceProblem& problem);

// The readers of the formats, one per format's file.
std::unique_ptr<SourceKeymaps> readQtScrcpy(const QJsonDocument& document, SourceProblem& problem);
std::unique_ptr<SourceKeymaps> readPlayCover(const QByteArray& bytes, SourceProblem& problem);
std::unique_ptr<SourceKeymaps> readScrcpyMask(const QJsonDocument& document, SourceProblem& problem);

} // namespace keymapctl
