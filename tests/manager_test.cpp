// The manager: one instance, the joystick event types, the diagnostic log, the load report.
#include "support/testsupport.h"

#include <keymapmanager/keymapmanager_p.h>
#include <keymapmanager/log_p.h>

#include <Poco/Logger.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;

TEST(Manager, ConcurrentFirstCallsShareOneInstance) {
    std::vector<KeymapManager*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = &KeymapManager::instance(); });
    for (std::thread& thread : threads)
        thread.join();
    for (KeymapManager* manager : seen)
        EXPECT_EQ(manager, &KeymapManager::instance());
}

TEST(Manager, JoystickEventTypesAreDistinctUserEventsFromTheTop) {
    const std::set<int> types = {JoystickEvent::ButtonPress, JoystickEvent::ButtonRelease, JoystickEvent::AxisTriggle,
                                 JoystickEvent::JoystickConnect, JoystickEvent::JoystickDisconnect};
    EXPECT_EQ(types.size(), 5u);
    for (int type : types) {
        EXPECT_GE(type, int(QEvent::User));
        EXPECT_LE(type, int(QEvent::MaxUser));
    }
    EXPECT_EQ(int(JoystickEvent::ButtonPress), int(QEvent::MaxUser));
    EXPECT_EQ(int(JoystickEvent::JoystickDisconnect), int(QEvent::MaxUser) - 4);
}

TEST(Manager, AllowUsedForConfigKeyAcceptsEverything) {
    EXPECT_TRUE(AllowUsedForConfigKey(QString(), 0, 0));
    EXPECT_TRUE(AllowUsedForConfigKey(QStringLiteral("keyboard"), -1, kUnsetKeyCode));
}

namespace {
void throwingCallback(const QString&) { throw std::runtime_error("host failure"); }
} // namespace

TEST(Manager, ExceptionFromTheHostCallbackStaysOnThePool) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("broken.json"));
    testsupport::writeFile(file, "{");
    static KeymapManagerCallbacks callbacks; // kept alive as a host would
    callbacks.onLoadFailed = &throwingCallback;
    SetCallbacks(&callbacks);
    ConfigPtr config(LoadKeymapConfigAndInfo(file));
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(10000));
    SetCallbacks(nullptr);
    EXPECT_TRUE(config->items.isEmpty());
}

TEST(DiagnosticLog, SilentByDefaultAndWritesItsLinesWhenRaised) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString logFile = keymaplog::filePath();
    EXPECT_TRUE(logFile.startsWith(QStringLiteral("keymap_looger.txt_")));
    EXPECT_EQ(logFile.mid(18).toLongLong(), QCoreApplication::applicationPid());

    ConfigPtr config(LoadKeymapConfigAndInfo(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300")));
    ASSERT_TRUE(SaveKeymapConfigAndInfo(QStringLiteral("saved.json"), config.get()));
    EXPECT_FALSE(QFile::exists(logFile));
    EXPECT_EQ(Poco::Logger::get("keymap_logger").getLevel(), Poco::Message::PRIO_ERROR);

    Poco::Logger::get("keymap_logger").setLevel(Poco::Message::PRIO_DEBUG);
    config->items.append(CreateConfigItem(QStringLiteral("Click")));
    ASSERT_TRUE(SaveKeymapConfigAndInfo(QStringLiteral("saved.json"), config.get()));
    ConfigPtr reloaded(LoadKeymapConfigAndInfo(QStringLiteral("saved.json")));
    Poco::Logger::get("keymap_logger").setLevel(Poco::Message::PRIO_ERROR);
    const QString text = QString::fromUtf8(testsupport::readFile(logFile));
    EXPECT_TRUE(text.contains(QStringLiteral("]: save keymap config and info: saved.json\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("]: load keymap config and info: saved.json\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("]: read keymap config item: Click\n")));
    EXPECT_TRUE(text.contains(QStringLiteral(" [Thread-")));
    ASSERT_TRUE(QDir::setCurrent(previous));
}

TEST(LoadReport, SaysWhereReadingStopped) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("r.json"));
    KeymapLoadReport report;

    testsupport::writeFile(file, "{\n  \"info\": {\n    \"visibility\": tru\n  }\n}");
    ConfigPtr(LoadConfigAndInfoWithReport(file, false, &report));
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(report.block, QStringLiteral("json"));
    EXPECT_EQ(report.line, 3);
    EXPECT_EQ(report.column, 22); // right after "tru"
    EXPECT_EQ(report.exceptionName, QStringLiteral("JSON Exception"));

    testsupport::writeFile(file, R"({"info": {"background_color": "000000FF", "visibility": true},
        "keymaps": [{"type": "Nope"}, {"type": "Click", "rel_work_position": {"rel_x": 1}}]})");
    ConfigPtr config(LoadConfigAndInfoWithReport(file, true, &report));
    EXPECT_TRUE(config->info->isJoystick);
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(report.block, QStringLiteral("keymaps"));
    EXPECT_EQ(report.itemIndex, 1);
    EXPECT_EQ(report.itemType, QStringLiteral("Click"));
    EXPECT_EQ(report.member, QStringLiteral("rel_y"));
    EXPECT_EQ(report.message, QStringLiteral("Can not convert empty value."));

    testsupport::writeFile(file, R"({"info": {"background_color": "000000FF"}})");
    ConfigPtr(LoadConfigAndInfoWithReport(file, false, &report));
    EXPECT_EQ(report.block, QStringLiteral("info"));
    EXPECT_EQ(report.member, QStringLiteral("visibility"));

    ConfigPtr(LoadConfigAndInfoWithReport(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300"), false,
                                          &report));
    EXPECT_TRUE(report.ok);
    QThreadPool::globalInstance()->waitForDone(10000);
}
