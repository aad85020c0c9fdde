#include "testsupport.h"

#include <Poco/JSON/Parser.h>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <mutex>
#include <sstream>

namespace testsupport {

std::string stringify(const Poco::JSON::Object& object, unsigned indent) {
    std::ostringstream out;
    object.stringify(out, indent);
    return out.str();
}

Poco::JSON::Object::Ptr parseObject(const std::string& text) {
    Poco::JSON::Parser parser;
    return parser.parse(text).extract<Poco::JSON::Object::Ptr>();
}

Poco::JSON::Object::Ptr written(const ovelkeymapmanager::ConfigItem& item) {
    return parseObject(stringify(item.toJson()));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString sourcePath(const char* relative) {
    return QStringLiteral(KEYMAP_SOURCE_DIR "/") + QString::fromUtf8(relative);
}

QString sharedPath(const char* relative) {
    const QString path = QStringLiteral(KEYMAP_SHARED_DIR "/") + QString::fromUtf8(relative);
    // Without this check a missing directory would read as an empty corpus and pass.
    if (!QFileInfo::exists(path))
        ADD_FAILURE() << "missing shared test data: " << path.toStdString()
                      << " (the tests need ../shared/testdata beside the clone)";
    return path;
}

QString notifiedPath(const QString& path) {
    return path;
}

namespace {
// A standard mutex: ThreadSanitizer does not see Qt 5's QMutex, which is not built for it.
std::mutex g_mutex;
QStringList g_paths;
bool g_otherThread = false;
Qt::HANDLE g_testThread = nullptr;

void record(const QString& path) {
    const QString received = notifiedPath(path);
    std::lock_guard<std::mutex> lock(g_mutex);
    g_paths.append(received);
    if (QThread::currentThreadId() != g_testThread)
        g_otherThread = true;
}
} // namespace

FailureCounter::FailureCounter() {
    QThreadPool::globalInstance()->waitForDone(10000);
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_paths.clear();
        g_otherThread = false;
        g_testThread = QThread::currentThreadId();
    }
    // Like a host, the record outlives every notification that may read it.
    static ovelkeymapmanager::KeymapManagerCallbacks callbacks{&record};
    ovelkeymapmanager::SetCallbacks(&callbacks);
}

FailureCounter::~FailureCounter() {
    QThreadPool::globalInstance()->waitForDone(10000);
    ovelkeymapmanager::SetCallbacks(nullptr);
}

int FailureCounter::count() {
    return paths().size();
}

QStringList FailureCounter::paths() {
    QThreadPool::globalInstance()->waitForDone(10000);
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_paths;
}

bool FailureCounter::sawOtherThread() {
    QThreadPool::globalInstance()->waitForDone(10000);
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_otherThread;
}

} // namespace testsupport
