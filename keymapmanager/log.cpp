#include <keymapmanager/log_p.h>

#include <Poco/AutoPtr.h>
#include <Poco/FileChannel.h>
#include <Poco/FormattingChannel.h>
#include <Poco/Logger.h>
#include <Poco/PatternFormatter.h>
#include <QCoreApplication>

namespace ovelkeymapmanager::keymaplog {

namespace {

struct LogSetUp {
    LogSetUp() {
        Poco::AutoPtr<Poco::FileChannel> file(new Poco::FileChannel);
        file->setProperty("path", filePath().toStdString());
        file->setProperty("rotation", "64 K");
        file->setProperty("archive", "timestamp");
        file->setProperty("purgeCount", "2");
        Poco::AutoPtr<Poco::PatternFormatter> formatter(
            new Poco::PatternFormatter("%L%Y-%m-%d %H:%M:%S:%i [Thread-%I]: %t"));
        Poco::AutoPtr<Poco::FormattingChannel> channel(new Poco::FormattingChannel(formatter, file));
        Poco::Logger& logger = Poco::Logger::get(kLoggerName);
        logger.setChannel(channel);
        logger.setLevel(Poco::Message::PRIO_ERROR);
    }
};

} // namespace

void ensureSetUp() {
    static const LogSetUp setUp;
}

QString filePath() {
    return QLatin1String(kFileBaseName) + QLatin1Char('_') +
           QString::number(QCoreApplication::applicationPid());
}

void debug(const char* prefix, const QString& text) {
    static Poco::Logger& logger = (ensureSetUp(), Poco::Logger::get(kLoggerName));
    if (logger.debug())
        logger.debug((QLatin1String(prefix) + text).toStdString());
}

} // namespace ovelkeymapmanager::keymaplog
