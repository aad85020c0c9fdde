// Several threads load, save, query and convert at once, broken files among them, while another
// thread keeps replacing the host's callbacks. Built with ThreadSanitizer (make test
// SANITIZE=thread) this shows that concurrent use of different documents shares no unguarded
// state; in every build it shows that each broken load is notified exactly once.
#include "support/testsupport.h"

#include <keymapmanager/document/documentio_p.h>

#include <QRect>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;

namespace {

constexpr int kWorkers = 4;
constexpr int kIterations = 40;

// The notifications, recorded with a standard mutex (which the thread sanitizer sees).
std::mutex g_mutex;
std::map<QString, int> g_notified;

void onLoadFailed(const QString& path) {
    const QString received = testsupport::notifiedPath(path);
    std::lock_guard<std::mutex> lock(g_mutex);
    ++g_notified[received];
}

// The host keeps its records alive for as long as notifications may run: here, for good.
KeymapManagerCallbacks g_records[3] = {{&onLoadFailed}, {&onLoadFailed}, {&onLoadFailed}};
const QStringList kMacro = {QStringLiteral("click 100,200"), QStringLiteral("sleep 50"),
                            QStringLiteral("key_press a"), QStringLiteral("bogus")};
const QList<QString> kRunning = {QStringLiteral("click_rel:(0.052083,0.185185)"), QStringLiteral("sleep:50"),
                                 QStringLiteral("keyboard_press:30")};

ConfigPtr sampleDocument(int worker) {
    ConfigPtr config(new KeymapConfig);
    for (const QString& type : {QStringLiteral("Click"), QStringLiteral("Macro"), QStringLiteral("Wheel")}) {
        config->items.append(CreateConfigItem(type));
        config->items.last()->iconDescription = QStringLiteral("worker %1").arg(worker);
    }
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(qRgba(worker, 2, 3, 255));
    config->info->featureImages = {{FeatureImageInfo(QRectF(0.1, 0.1, 0.2, 0.2), QSize(4, 4), image)}};
    return config;
}

// One worker's round: its own files only, as the library's rules ask.
void work(int worker, const QTemporaryDir& dir, QStringList& broken) {
    const QString own = dir.filePath(QStringLiteral("own-%1.json").arg(worker));
    ConfigPtr sample = sampleDocument(worker);
    ASSERT_TRUE(SaveKeymapConfigAndInfo(own, sample.get()));
    for (int i = 0; i < kIterations; ++i) {
        ConfigPtr config(LoadKeymapConfigAndInfo(own));
        ASSERT_EQ(config->items.size(), 3);
        config->info->characterId = i;
        ASSERT_TRUE(SaveKeymapConfigAndInfo(own, config.get()));
        EXPECT_TRUE(isIntelligentConfig(own, true));
        EXPECT_EQ(getFeatureImageInfo(own, true).value(0).value(0).image.size(), QSize(2, 2));

        const QString bad = dir.filePath(QStringLiteral("broken-%1-%2.json").arg(worker).arg(i));
        testsupport::writeFile(bad, i % 2 ? QByteArray("{\"info\": ")
                                          : QByteArray("{\"keymaps\": [{\"type\": \"Click\"}]}"));
        broken.append(bad);
        ConfigPtr(LoadJoystickConfigAndInfo(bad));
        KeymapLoadReport report;
        ConfigPtr(LoadConfigAndInfoWithReport(bad, false, &report));
        EXPECT_FALSE(report.ok);

        ConfigPtr(LoadJoystickConfigAndInfo(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300")));
        EXPECT_EQ(MacroKeyEditingTextChangeToRunningText(kMacro, QRect(0, 0, 1920, 1080)), kRunning);
        EXPECT_EQ(MacroKeyRunningTextChangeToEditingText(kRunning, QRect(0, 0, 1920, 1080)),
                  QList<QString>({QStringLiteral("click 100,200"), QStringLiteral("sleep 50"),
                                  QStringLiteral("key_press A")}));
        EXPECT_EQ(MacroKeyEditingTextGrammarCheck(kMacro), QVector<int>{4});
        ConfigKey key = CreateConfigKey(QStringLiteral("keyboard"), 65, 30 + i);
        SetTextForConfigKey(&key);
        isConfigKeyMatch(config.get(), &key, &key);
    }
    ConfigPtr last(LoadKeymapConfigAndInfo(own));
    EXPECT_EQ(last->info->characterId, kIterations - 1);
    EXPECT_EQ(last->items.value(0)->iconDescription, QStringLiteral("worker %1").arg(worker));
}

} // namespace

TEST(Stress, ConcurrentLoadsSavesAndConversionsWhileCallbacksChange) {
    QThreadPool::globalInstance()->waitForDone(10000);
    QTemporaryDir dir;
    SetCallbacks(&g_records[0]);

    std::atomic<bool> done{false};
    std::thread switcher([&] {
        for (int n = 0; !done.load(); ++n) {
            SetCallbacks(&g_records[n % 3]);
            std::this_thread::yield();
        }
    });
    std::vector<QStringList> broken(kWorkers);
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back([&, w] { work(w, dir, broken[w]); });
    for (std::thread& worker : workers)
        worker.join();
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(60000));
    done = true;
    switcher.join();
    SetCallbacks(nullptr);

    std::lock_guard<std::mutex> lock(g_mutex);
    int expected = 0;
    for (const QStringList& paths : broken) {
        for (const QString& path : paths) {
            EXPECT_EQ(g_notified[path], 2) << path.toStdString(); // two loads of each broken file
            ++expected;
        }
    }
    EXPECT_EQ(expected, kWorkers * kIterations);
    EXPECT_EQ(int(g_notified.size()), expected); // and nothing else was reported
}
