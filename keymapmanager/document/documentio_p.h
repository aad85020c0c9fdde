// Reading and writing keymap documents: the text of a file or built-in template, the loader with
// its partial-load rules, and the saver.
#pragma once

#include <QByteArray>
#include <QString>

namespace ovelkeymapmanager {

class KeymapConfig;
struct KeymapLoadReport;
struct KeymapSource;

// Files larger than this are not read: no keymap comes near it.
inline constexpr qint64 kMaxKeymapFileSize = qint64(256) << 20;

// The template text for a reserved name of the chosen set, otherwise the file's bytes (empty when
// the path is not a regular file, is larger than kMaxKeymapFileSize or cannot be read).
QByteArray readKeymapText(bool keymapTemplates, const QString& path);

// The JSON tree of a keymap text and the places of its members (a UTF-8 byte order mark is skipped).
KeymapSource keymapSource(QByteArray text);

struct LoadOptions {
    bool decodeImages = true;           // false: feature images keep their geometry, images stay null
    KeymapLoadReport* report = nullptr; // filled with the first problem, when given
};

// Never null. Reading stops at the first exception of the JSON library; what was read stays.
// Sets *failed when reading stopped that way (the caller notifies the host).
KeymapConfig* loadDocument(bool keymapTemplates, const QString& path, const LoadOptions& options,
                           bool* failed);

// Writes the document in its canonical text through a temporary file that replaces the target
// only when complete. False for a null document, for a document holding a number that JSON cannot
// hold (NaN, infinities), for a path that exists but is no regular file (a device, a pipe), or
// when the file cannot be written; the previous file is then untouched.
bool saveDocument(const QString& path, const KeymapConfig* document);

// The canonical text of a document, as saving writes it.
QByteArray documentText(const KeymapConfig& document);
// Appends that text to bytes; false when saving would refuse the document (a number JSON cannot
// hold: NaN, an infinity).
bool savedText(const KeymapConfig& document, QByteArray& bytes);

} // namespace ovelkeymapmanager
