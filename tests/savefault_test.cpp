// Saving must never damage the file it replaces: a write that fails half-way (here a file-size
// limit, which even root obeys) returns false and leaves the previous file byte for byte, and a
// save that succeeds keeps the file's permissions and writes through a symbolic link.
#include "support/testsupport.h"

#include <keymapmanager/document/documentio_p.h>

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <gtest/gtest.h>

#include <cmath>
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

    // Saves in a child process that first runs prepare (false: it could not, exit 3). Returns the
    // save's result.
    template <typename Prepare>
    static bool saveInChild(const QString& file, KeymapConfig* config, Prepare prepare) {
        const pid_t child = fork();
        if (child == 0)
            _exit(!prepare() ? 3 : SaveKeymapConfigAndInfo(file, config) ? 1 : 0);
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2)
            << "the child could not prepare: " << status;
        return WIFEXITED(status) && WEXITSTATUS(status) == 1;
    }

    // Files of the child may not grow past limitBytes; SIGXFSZ is ignored so that the write fails
    // with EFBIG instead of killing the child.
    static bool saveWithFileSizeLimit(const QString& file, KeymapConfig* config, rlim_t limitBytes) {
        return saveInChild(file, config, [limitBytes] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{limitBytes, limitBytes};
            return setrlimit(RLIMIT_FSIZE, &limit) == 0;
        });
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SaveFault, WriteFailingHalfWayReturnsFalseAndKeepsThePreviousFile) {
    // A document whose text is far larger than the limits used below.
    KeymapConfig config;
    for (int i = 0; i < 200; ++i) {
        config.items.append(CreateConfigItem(QStringLiteral("Click")));
        config.items.last()->iconDescription = QStringLiteral("item %1").arg(i);
    }
    const QByteArray text = documentText(config);
    ASSERT_GT(text.size(), 64 * 1024);
    const QString file = path("keymap.json");
    // A failed first save creates no file.
    EXPECT_FALSE(saveWithFileSizeLimit(file, &config, 1024));
    EXPECT_TRUE(entries().isEmpty());

    KeymapConfig previous;
    previous.info->backgroundColour = QStringLiteral("12345678");
    ASSERT_TRUE(SaveKeymapConfigAndInfo(file, &previous));
    const QByteArray before = testsupport::readFile(file);
    // Limits below the text's size: the write stops at the very start, half-way, or at the end.
    for (rlim_t limit : {rlim_t(0), rlim_t(4096), rlim_t(text.size() / 2), rlim_t(text.size() - 1)}) {
        SCOPED_TRACE(limit);
        EXPECT_FALSE(saveWithFileSizeLimit(file, &config, limit));
        EXPECT_EQ(testsupport::readFile(file), before);
        EXPECT_EQ(entries(), QStringList{QStringLiteral("keymap.json")}); // no partial file left behind
    }
    // With room for the text the same save goes through.
    EXPECT_TRUE(saveWithFileSizeLimit(file, &config, rlim_t(text.size())));
    EXPECT_EQ(testsupport::readFile(file), text);
}

TEST_F(SaveFault, SaveKeepsPermissionsAndWritesThroughSymbolicLinks) {
    const QString target = path("target.json");
    testsupport::writeFile(target, "old");
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
    const QString link = path("link.json");
    ASSERT_TRUE(QFile::link(target, link));

    KeymapConfig config;
    ASSERT_TRUE(SaveKeymapConfigAndInfo(link, &config));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(testsupport::readFile(target), documentText(config));
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// Saving renames a finished temporary file over the target: over a directory, a device or a pipe
// that would leave a plain file in its place.
TEST_F(SaveFault, DirectoriesDevicesAndPipesAreNeverReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.json")));
    testsupport::writeFile(path("taken.json/inside"), "keep");
    const QByteArray fifo = QFile::encodeName(path("pipe.json"));
    const QByteArray device = QFile::encodeName(path("null.json"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    const bool haveDevice = mknod(device.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0; // as /dev/null
    KeymapConfig config;
    EXPECT_FALSE(SaveKeymapConfigAndInfo(path("taken.json"), &config));
    EXPECT_EQ(testsupport::readFile(path("taken.json/inside")), QByteArray("keep"));
    EXPECT_FALSE(SaveKeymapConfigAndInfo(QString::fromLocal8Bit(fifo), &config));
    struct stat status {};
    ASSERT_EQ(stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    if (haveDevice) {
        EXPECT_FALSE(SaveJoystickConfigAndInfo(QString::fromLocal8Bit(device), &config));
        ASSERT_EQ(stat(device.constData(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode));
    }
    EXPECT_EQ(entries().size(), haveDevice ? 3 : 2);
}

// In a directory of mode 0555 no temporary file can be made beside the target, even by its owner: a
// writable file is then overwritten in place, a read-only one is refused and kept, and so is a document
// that saving refuses. Root may write anywhere, so as root the saves run in a child dropped to "nobody".
TEST_F(SaveFault, UnwritableDirectoryStillSavesAWritableFile) {
    constexpr uid_t kNobody = 65534;
    const bool root = geteuid() == 0;
    testsupport::writeFile(path("writable.json"), "old");
    testsupport::writeFile(path("readonly.json"), "keep");
    ASSERT_TRUE(!root || chown(QFile::encodeName(path("writable.json")).constData(), kNobody, kNobody) == 0);
    ASSERT_EQ(chmod(QFile::encodeName(path("readonly.json")).constData(), 0444), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const auto writableAgain =
        qScopeGuard([this] { chmod(QFile::encodeName(dir.path()).constData(), 0755); });
    KeymapConfig config, unsaveable;
    config.info->backgroundColour = QStringLiteral("12345678");
    unsaveable.info->rawMoveSensitivity = std::nan("");
    const auto asUser = [root] { return !root || (setgid(kNobody) == 0 && setuid(kNobody) == 0); };

    EXPECT_FALSE(saveInChild(path("writable.json"), &unsaveable, asUser));
    EXPECT_EQ(testsupport::readFile(path("writable.json")), QByteArray("old"));
    EXPECT_TRUE(saveInChild(path("writable.json"), &config, asUser));
    EXPECT_EQ(testsupport::readFile(path("writable.json")), documentText(config));
    EXPECT_FALSE(saveInChild(path("readonly.json"), &config, asUser));
    EXPECT_EQ(testsupport::readFile(path("readonly.json")), QByteArray("keep"));
    EXPECT_FALSE(saveInChild(path("new.json"), &config, asUser)); // nothing to overwrite, nowhere to create
    EXPECT_EQ(entries().size(), 2);
}
