// The manager: the joystick event types, a host callback that throws, the diagnostic log.
#include "support/testsupport.h"

#include <keymapmanager/keymapmanager_p.h>
#include <keymapmanager/log_p.h>

#include <Poco/Logger.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <vector>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;

// Registered in this order, the five types take the five highest user event numbers.
TEST(Manager, JoystickEventTypesAreTheTopUserEventsInOrder) {
    EXPECT_EQ(std::vector<int>({JoystickEvent::ButtonPress, JoystickEvent::ButtonRelease,
                                JoystickEvent::AxisTriggle, JoystickEvent::JoystickConnect,
                                JoystickEvent::JoystickDisconnect}),
              std::vector<int>({QEvent::MaxUser, QEvent::MaxUser - 1, QEvent::MaxUser - 2,
                                QEvent::MaxUser - 3, QEvent::MaxUser - 4}));
}

namespace {
void throwingCallback(const QString&) {
    throw std::runtime_error("host failure");
}
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
    EXPECT_EQ(logFile, QStringLiteral("keymap_looger.txt_%1").arg(QCoreApplication::applicationPid()));

    ConfigPtr config(
        LoadKeymapConfigAndInfo(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300")));
    ASSERT_TRUE(SaveKeymapConfigAndInfo(QStringLiteral("saved.json"), config.get()));
    EXPECT_FALSE(QFile::exists(logFile));
    EXPECT_EQ(Poco::Logger::get("keymap_logger").getLevel(), Poco::Message::PRIO_ERROR);

    Poco::Logger::get("keymap_logger").setLevel(Poco::Message::PRIO_DEBUG);
    config->items.append(CreateConfigItem(QStringLiteral("Click")));
    ASSERT_TRUE(SaveKeymapConfigAndInfo(QStringLiteral("saved.json"), config.get()));
    ConfigPtr reloaded(LoadKeymapConfigAndInfo(QStringLiteral("saved.json")));
    Poco::Logger::get("keymap_logger").setLevel(Poco::Message::PRIO_ERROR);
    QStringList messages;
    for (const QString& line : QString::fromUtf8(testsupport::readFile(logFile)).split(QLatin1Char('\n'))) {
        EXPECT_TRUE(line.isEmpty() || line.contains(QLatin1String(" [Thread-"))) << line.toStdString();
        messages << line.mid(line.indexOf(QLatin1String("]: ")) + 3);
    }
    EXPECT_EQ(messages, QStringList({QStringLiteral("save keymap config and info: saved.json"),
                                     QStringLiteral("load keymap config and info: saved.json"),
                                     QStringLiteral("read keymap config item: Click"), QString()}));
    ASSERT_TRUE(QDir::setCurrent(previous));
}
