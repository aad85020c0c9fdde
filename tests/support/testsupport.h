// Helpers shared by the test suites.
#pragma once

#include <keymapmanager/keymapmanager.h>

#include <Poco/JSON/Object.h>
#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace testsupport {

// The canonical text of a JSON object: as documents are saved (indent 4, sorted members), or 0: one line.
std::string stringify(const Poco::JSON::Object& object, unsigned indent = 4);
// Parses JSON text that must hold an object.
Poco::JSON::Object::Ptr parseObject(const std::string& text);
// An item's written JSON, parsed back (so values can be compared as the file holds them).
Poco::JSON::Object::Ptr written(const ovelkeymapmanager::ConfigItem& item);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
QString sourcePath(const char* relative);
// A path under ../shared beside the clone; a test that asks for a missing one fails, naming it.
QString sharedPath(const char* relative);
// Tests that read the public corpora of ../shared/testdata start with this: without the folder they
// are skipped, saying why (make test counts them; CI, which has the folder, fails on any).
#define KEYMAP_NEEDS_SHARED_TESTDATA()                                                                       \
    if (!QFileInfo::exists(QStringLiteral(KEYMAP_SHARED_DIR "/testdata")))                                   \
    GTEST_SKIP() << "no ../shared/testdata beside the clone (the public corpora, see README)"

// A copy of the path a load-failure notification hands to its callback. The notification task
// reaches its pool thread through Qt's own locks, which ThreadSanitizer cannot see; tests/tsan.supp
// names this function so that reading the handed-over path is not taken for a race.
QString notifiedPath(const QString& path);

using ConfigPtr = std::unique_ptr<ovelkeymapmanager::KeymapConfig>;
using ItemPtr = std::unique_ptr<ovelkeymapmanager::ConfigItem>;

// Counts load-failure notifications for one test; installs itself as the callbacks and waits for
// the pool to finish before it is read or removed.
class FailureCounter {
public:
    FailureCounter();
    ~FailureCounter();
    // Waits (bounded) for queued notifications, then returns how many arrived.
    int count();
    QStringList paths();
    bool sawOtherThread();
};

} // namespace testsupport
