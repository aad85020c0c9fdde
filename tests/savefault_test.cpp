// Saving must never damage the file it replaces: a write that fails half-way (here a file-size
// limit, which even root obeys) returns false and leaves the previous file byte for byte, and a
// save that succeeds keeps the file's permissions and writes through a symbolic link.
#include "support/testsupport.h"

#include <keymapmanager/config/documentio_p.h>

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;

namespace {

class SaveFault : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }

    // A document whose text is far larger than the limits used below.
    static ConfigPtr largeDocument() {
        ConfigPtr config(new KeymapConfig);
        for (int i = 0; i < 200; ++i) {
            config->items.append(CreateConfigItem(QStringLiteral("Click")));
            config->items.last()->iconDescription = QStringLiteral("item %1").arg(i);
        }
        return config;
    }

    // Saves in a child process whose files may not grow past limitBytes; SIGXFSZ is ignored so
    // that the write fails with EFBIG instead of killing the child. Returns the save's result.
    static bool saveWithFileSizeLimit(const QString& file, KeymapConfig* config, rlim_t limitBytes) {
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{limitBytes, limitBytes};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(3);
            _exit(SaveKeymapConfigAndInfo(file, config) ? 1 : 0);
        }
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status)) << status;
        EXPECT_LT(WEXITSTATUS(status), 2) << "the child could not set its limit";
        return WEXITSTATUS(status) == 1;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SaveFault, WriteFailingHalfWayReturnsFalseAndKeepsThePreviousFile) {
    const ConfigPtr config = largeDocument();
    const QByteArray text = documentText(*config);
    ASSERT_GT(text.size(), 64 * 1024);
    const QString file = path("keymap.json");
    ConfigPtr previous(new KeymapConfig);
    previous->info->backgroundColour = QStringLiteral("12345678");
    ASSERT_TRUE(SaveKeymapConfigAndInfo(file, previous.get()));
    const QByteArray before = testsupport::readFile(file);

    // Limits below the text's size: the write stops at the very start, half-way, or at the end.
    for (rlim_t limit : {rlim_t(0), rlim_t(4096), rlim_t(text.size() / 2), rlim_t(text.size() - 1)}) {
        SCOPED_TRACE(limit);
        EXPECT_FALSE(saveWithFileSizeLimit(file, config.get(), limit));
        EXPECT_EQ(testsupport::readFile(file), before);
        EXPECT_EQ(entries(), QStringList{QStringLiteral("keymap.json")}); // no partial file left behind
    }
    // With room for the text the same save goes through.
    EXPECT_TRUE(saveWithFileSizeLimit(file, config.get(), rlim_t(text.size())));
    EXPECT_EQ(testsupport::readFile(file), text);
}

TEST_F(SaveFault, FailedFirstSaveCreatesNoFile) {
    const ConfigPtr config = largeDocument();
    EXPECT_FALSE(saveWithFileSizeLimit(path("new.json"), config.get(), 1024));
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SaveFault, SaveKeepsPermissionsAndWritesThroughSymbolicLinks) {
    const QString target = path("target.json");
    testsupport::writeFile(target, "old");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString link = path("link.json");
    ASSERT_TRUE(QFile::link(target, link));

    KeymapConfig config;
    ASSERT_TRUE(SaveKeymapConfigAndInfo(link, &config));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(testsupport::readFile(target), documentText(config));
    const QFile::Permissions modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(target) & modeBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

TEST_F(SaveFault, DirectoryInTheWayIsLeftAlone) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.json")));
    testsupport::writeFile(path("taken.json/inside"), "keep");
    KeymapConfig config;
    EXPECT_FALSE(SaveKeymapConfigAndInfo(path("taken.json"), &config));
    EXPECT_EQ(testsupport::readFile(path("taken.json/inside")), QByteArray("keep"));
}

TEST_F(SaveFault, DevicesAndPipesAreNeverReplaced) {
    // Saving renames a finished temporary file over the target: over a device or a pipe that
    // would leave a plain file in its place.
    const QByteArray fifo = QFile::encodeName(path("pipe.json"));
    const QByteArray device = QFile::encodeName(path("null.json"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    const bool haveDevice = mknod(device.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0; // as /dev/null
    KeymapConfig config;
    EXPECT_FALSE(SaveKeymapConfigAndInfo(QString::fromLocal8Bit(fifo), &config));
    struct stat status {};
    ASSERT_EQ(stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    if (haveDevice) {
        EXPECT_FALSE(SaveJoystickConfigAndInfo(QString::fromLocal8Bit(device), &config));
        ASSERT_EQ(stat(device.constData(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode));
    }
    EXPECT_EQ(entries().size(), haveDevice ? 2 : 1);
}

// As a user who may not write the directory, no temporary file can be made beside the target: a
// writable file is then overwritten in place, a read-only one is refused and kept. Root may write
// anywhere, so the save runs in a child that has dropped to "nobody".
TEST_F(SaveFault, UnwritableDirectoryStillSavesAWritableFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to drop to another user";
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0); // enter, list, but not write
    const QString writable = path("writable.json");
    const QString readOnly = path("readonly.json");
    testsupport::writeFile(writable, "old");
    testsupport::writeFile(readOnly, "keep");
    ASSERT_EQ(chown(QFile::encodeName(writable).constData(), kNobody, kNobody), 0);
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    KeymapConfig config;
    config.info->backgroundColour = QStringLiteral("12345678");

    const auto saveAsNobody = [&](const QString& file) {
        const pid_t child = fork();
        if (child == 0) {
            if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
                _exit(3);
            _exit(SaveKeymapConfigAndInfo(file, &config) ? 1 : 0);
        }
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << status;
        return WIFEXITED(status) && WEXITSTATUS(status) == 1;
    };
    EXPECT_TRUE(saveAsNobody(writable));
    EXPECT_EQ(testsupport::readFile(writable), documentText(config));
    EXPECT_FALSE(saveAsNobody(readOnly));
    EXPECT_EQ(testsupport::readFile(readOnly), QByteArray("keep"));
    EXPECT_FALSE(saveAsNobody(path("new.json"))); // nothing to overwrite, nowhere to create
    EXPECT_EQ(entries().size(), 2);
}
