#include <keymapmanager/config/documentio_p.h>

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/config/keymapconfig.h>
#include <keymapmanager/config/templates_p.h>
#include <keymapmanager/json/json_p.h>
#include <keymapmanager/json/jsonsyntax_p.h>
#include <keymapmanager/json/jsonwriter_p.h>
#include <keymapmanager/log_p.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Parser.h>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>

#include <algorithm>
#include <cctype>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <typeinfo>
#include <vector>

namespace ovelkeymapmanager {

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

// Where the loader is, for the report of the first problem.
struct Progress {
    json::ObjectPtr root;
    const char* block = "json";
    int itemIndex = -1;
    json::ObjectPtr element;   // the "keymaps" element being read
    QVector<int> itemElements; // the element index of each item read
};

QString elementType(const json::ObjectPtr& element) {
    if (element.isNull() || !element->has("type"))
        return QString();
    const Poco::Dynamic::Var type = element->get("type");
    return type.isString() ? QString::fromStdString(type.extract<std::string>()) : QString();
}

// 1-based line and column of a byte offset.
void lineAndColumn(const QByteArray& text, int offset, int* line, int* column) {
    *line = 1;
    int lineStart = 0;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text.at(i) == '\n') {
            ++*line;
            lineStart = i + 1;
        }
    }
    *column = offset - lineStart + 1;
}

// The path from the root to target ("keymaps[5].icon"), appended to path; false when target is
// not inside value.
bool appendPathTo(const Poco::Dynamic::Var& value, const json::Object* target, QString& path) {
    const int length = path.size();
    if (value.type() == typeid(json::ObjectPtr)) {
        const json::ObjectPtr object = value.extract<json::ObjectPtr>();
        if (object.get() == target)
            return true;
        for (const auto& member : *object) {
            path += (path.isEmpty() ? QString() : QStringLiteral(".")) + QString::fromStdString(member.first);
            if (appendPathTo(member.second, target, path))
                return true;
            path.truncate(length);
        }
    } else if (value.type() == typeid(Poco::JSON::Array::Ptr)) {
        const Poco::JSON::Array::Ptr array = value.extract<Poco::JSON::Array::Ptr>();
        for (std::size_t i = 0; i < array->size(); ++i) {
            path += QStringLiteral("[%1]").arg(i);
            if (appendPathTo(array->get(unsigned(i)), target, path))
                return true;
            path.truncate(length);
        }
    }
    return false;
}

// The full path of the member being read, else of the element or block being read.
QString failurePath(const Progress& progress) {
    QString path;
    if (progress.root && json::lastObject() && appendPathTo(progress.root, json::lastObject(), path))
        return path.isEmpty() ? QString::fromUtf8(json::lastMember())
                              : path + QLatin1Char('.') + QString::fromUtf8(json::lastMember());
    if (progress.itemIndex >= 0)
        return QStringLiteral("keymaps[%1]").arg(progress.itemIndex);
    return qstrcmp(progress.block, "json") == 0 ? QString() : QString::fromLatin1(progress.block);
}

void fillReport(KeymapLoadReport* report, const Progress& progress, const QByteArray& text,
                const QString& exceptionName, const QString& message) {
    if (!report)
        return;
    report->ok = false;
    report->exceptionName = exceptionName;
    report->message = message;
    report->block = QLatin1String(progress.block);
    report->itemIndex = progress.itemIndex;
    report->itemType = elementType(progress.element);
    report->member = QString::fromUtf8(json::lastMember());
    report->path = failurePath(progress);
    if (progress.itemIndex >= 0 && progress.element.isNull()) {
        // Reading fails before any member is asked for; the last member named belongs elsewhere.
        report->member.clear();
        report->path = QStringLiteral("keymaps[%1]").arg(progress.itemIndex);
        report->message = QStringLiteral("the element is not an object");
    }
    if (qstrcmp(progress.block, "json") == 0) {
        report->member.clear();
        report->path.clear();
        // The JSON library gives no position. (Qt's parser would, but it leaks on duplicate keys.)
        bool badValue = false;
        int offset = json::syntaxErrorOffset(text, &badValue);
        if (offset >= 0) {
            // A syntax fault lies right after the last token read; a refused value is where it starts.
            while (!badValue && offset > 0 && std::isspace(static_cast<unsigned char>(text.at(offset - 1))))
                --offset;
            lineAndColumn(text, offset, &report->line, &report->column);
        }
    }
}

void readDocument(const QByteArray& text, const LoadOptions& options, Progress& progress,
                  std::vector<std::unique_ptr<ConfigItem>>& items, QList<KeptElement>& kept, KeymapInfo& info,
                  KeymapParam& param) {
    json::resetLastMember();
    Poco::JSON::Parser parser;
    const Poco::Dynamic::Var parsed = parser.parse(std::string(text.constData(), std::size_t(text.size())));
    const json::ObjectPtr root = parsed.extract<json::ObjectPtr>();
    progress.root = root;

    if (root->has("keymaps")) {
        progress.block = "keymaps";
        const Poco::JSON::Array::Ptr elements = json::array(root, "keymaps");
        for (std::size_t i = 0; i < elements->size(); ++i) {
            progress.itemIndex = int(i);
            progress.element = elements->getObject(unsigned(i));
            json::resetLastMember();
            std::unique_ptr<ConfigItem> item(createConfigItemFromJson(progress.element));
            if (!item) {
                // Not an item of ours, but the file's data all the same: kept for saving.
                kept.append(KeptElement{int(items.size()), progress.element});
                continue;
            }
            keymaplog::debug("read keymap config item: ", item->typeName);
            items.push_back(std::move(item));
            progress.itemElements.append(int(i));
        }
        progress.itemIndex = -1;
        progress.element = nullptr;
    }
    progress.block = "info";
    json::resetLastMember();
    const json::ObjectPtr infoObject = json::object(root, "info");
    if (options.decodeImages)
        info.fromJson(infoObject);
    else
        info.fromJsonWithoutImages(infoObject);
    if (root->has("param")) {
        progress.block = "param";
        json::resetLastMember();
        param.fromJson(json::object(root, "param"));
    }
}

} // namespace

QByteArray readKeymapText(bool keymapTemplates, const QString& path) {
    if (const char* text = builtInTemplate(keymapTemplates, path))
        return QByteArray(text);
    // Only a regular file of a sane size is read: a pipe would block the caller, and a device or
    // a huge file would exhaust its memory.
    if (!QFileInfo(path).isFile())
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxKeymapFileSize)
        return QByteArray();
    return file.readAll();
}

KeymapConfig* loadDocument(bool keymapTemplates, const QString& path, const LoadOptions& options,
                           bool* failed) {
    keymaplog::debug("load keymap config and info: ", path);
    auto info = std::make_unique<KeymapInfo>();
    auto param = std::make_unique<KeymapParam>();
    std::vector<std::unique_ptr<ConfigItem>> items;
    QList<KeptElement> kept;
    *failed = false;

    QByteArray text = readKeymapText(keymapTemplates, path);
    if (text.startsWith(kUtf8Bom))
        text.remove(0, 3);
    if (!text.isEmpty()) {
        Progress progress;
        const auto reportItems = qScopeGuard([&] {
            if (options.report)
                options.report->itemElements = progress.itemElements;
        });
        try {
            readDocument(text, options, progress, items, kept, *info, *param);
        } catch (const Poco::Exception& error) {
            *failed = true;
            // The JSON library raises its null-pointer exception, without a message, for an object
            // member that is missing or of another kind.
            const bool nullPointer = dynamic_cast<const Poco::NullPointerException*>(&error) != nullptr;
            fillReport(options.report, progress, text, QString::fromLatin1(error.name()),
                       error.message().empty() && nullPointer ? QStringLiteral("missing, or not an object")
                                                              : QString::fromStdString(error.message()));
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& error) {
            // Not the JSON library's own, but still bad input: handled the same way.
            *failed = true;
            fillReport(options.report, progress, text, QString::fromLatin1(typeid(error).name()),
                       QString::fromLocal8Bit(error.what()));
        }
    }

    QList<ConfigItem*> list;
    list.reserve(int(items.size()));
    for (std::unique_ptr<ConfigItem>& item : items)
        list.append(item.release());
    auto document = new KeymapConfig(std::move(list), info.release(), param.release());
    document->keptElements() = std::move(kept);
    return document;
}

namespace {

// Text is handed on in pieces of about this size, small enough to stay in the cache.
constexpr std::size_t kPieceSize = 64 * 1024;

// Hands the document's canonical text to takePiece, piece by piece. Each item's object is built,
// written and dropped before the next, so the tree of the whole document never exists at once; the
// text is the same as stringifying it with indent 4, the root's members in their sorted order.
// False when a number JSON cannot hold (NaN, an infinity) had to be written as a bare word.
template <typename TakePiece> bool writeDocumentText(const KeymapConfig& document, TakePiece takePiece) {
    const KeymapInfo defaultInfo;
    const KeymapParam defaultParam;
    const KeymapInfo& info = document.info ? *document.info : defaultInfo;
    const KeymapParam& param = document.param ? *document.param : defaultParam;

    std::string text;
    json::TextWriter writer(text, 4);
    writer.beginObject();
    writer.key("info");
    writer.value(info.toJson());
    writer.key("keymaps");
    writer.beginArray();
    // Kept elements go back before the item they preceded, in their order; those whose place is
    // past the end of the list follow the last item.
    std::vector<const KeptElement*> kept;
    for (const KeptElement& element : document.keptElements())
        kept.push_back(&element);
    std::stable_sort(kept.begin(), kept.end(), [](const KeptElement* a, const KeptElement* b) {
        return a->itemsBefore < b->itemsBefore;
    });
    auto nextKept = kept.cbegin();
    const auto writeKeptUpTo = [&](int itemIndex) {
        for (; nextKept != kept.cend() && (*nextKept)->itemsBefore <= itemIndex; ++nextKept) {
            if ((*nextKept)->object.isNull())
                continue;
            writer.element();
            writer.value(*(*nextKept)->object);
        }
    };
    for (int i = 0; i < document.items.size(); ++i) {
        writeKeptUpTo(i);
        const ConfigItem* item = document.items.at(i);
        if (!item)
            continue;
        writer.element();
        writer.value(item->toJson());
        if (text.size() >= kPieceSize) {
            takePiece(text);
            text.clear();
        }
    }
    writeKeptUpTo(std::numeric_limits<int>::max());
    writer.endArray();
    writer.key("param");
    writer.value(param.toJson(info.isJoystick));
    writer.endObject();
    takePiece(text);
    return writer.numbersValid();
}

} // namespace

bool savedText(const KeymapConfig& document, QByteArray& bytes) {
    return writeDocumentText(
        document, [&](const std::string& piece) { bytes.append(piece.data(), int(piece.size())); });
}

QByteArray documentText(const KeymapConfig& document) {
    QByteArray bytes;
    savedText(document, bytes);
    return bytes;
}

bool saveDocument(const QString& path, const KeymapConfig* document) {
    if (!document)
        return false;
    keymaplog::debug("save keymap config and info: ", path);
    // The finished text replaces the target by renaming: a device, a pipe or a socket there would
    // be replaced by a plain file (and /dev/null lost, for a caller running as root).
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        bool written = true;
        const bool valid = writeDocumentText(*document, [&](const std::string& piece) {
            written = written && file.write(piece.data(), qint64(piece.size())) == qint64(piece.size());
        });
        // Flushed here because Qt 5's commit() does not report a failure of its own final flush. A
        // number JSON cannot hold (NaN or an infinity that a host stored) would make the file
        // unloadable: the previous file is kept instead.
        if (!written || !file.flush() || !valid) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }
    // No temporary file could be made beside the target (a directory the process may not write),
    // but the file itself may be writable: it is then overwritten in place. Nothing can be undone
    // once writing starts, so the whole text is made and checked first.
    if (!target.exists() || !target.isWritable())
        return false;
    QByteArray text;
    if (!savedText(*document, text))
        return false;
    QSaveFile direct(path);
    direct.setDirectWriteFallback(true);
    if (!direct.open(QIODevice::WriteOnly))
        return false;
    if (direct.write(text) != text.size() || !direct.flush()) {
        direct.cancelWriting();
        return false;
    }
    return direct.commit();
}

} // namespace ovelkeymapmanager
