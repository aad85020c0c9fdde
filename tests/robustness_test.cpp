// Hostile input at the library's boundary: texts that are barely JSON, feature images that claim
// huge sizes, paths that are not keymap files, and arguments at the edges of their ranges. Nothing
// may crash, hang, throw or leak; a file the loader rejects gives the default document and one
// notification.
#include "support/forgedpng.h"
#include "support/testsupport.h"

#include <keymapmanager/document/documentio_p.h>

#include <QBuffer>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;
using testsupport::FailureCounter;

namespace {

class Hostile : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& text) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        testsupport::writeFile(file, text);
        return file;
    }
    static QByteArray defaultText() { return documentText(KeymapConfig()); }

    QTemporaryDir dir;
};

QByteArray documentWithInfoMember(const QByteArray& member) {
    return R"({"info": {"background_color": "ABCDEF01", "visibility": true, )" + member + "}}";
}

QByteArray documentWithColour(const QByteArray& colour) {
    return R"({"info": {"background_color": ")" + colour + R"(", "visibility": true}})";
}

QByteArray documentWithImage(const QByteArray& base64) {
    return documentWithInfoMember(
        R"("feature_images": [[{"image": ")" + base64 +
        R"(", "rect": {"rel_x": 0.1, "rel_y": 0.2, "rel_width": 0.3, "rel_height": 0.4},
           "resolution": {"rel_width": 640, "rel_height": 480}}]])");
}

QByteArray nested(int depth, const char* open, const char* close) {
    return QByteArray(open).repeated(depth) + "1" + QByteArray(close).repeated(depth);
}

// ThreadSanitizer's shadow memory multiplies what a load occupies.
#if defined(__SANITIZE_THREAD__)
constexpr long kMemoryOverhead = 4;
#else
constexpr long kMemoryOverhead = 1;
#endif

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// Each text loads without harm, and what was read saves and loads back unchanged, embedded NULs
// included.
TEST_F(Hostile, TextsLoadWithoutHarmAndSaveWhatTheyRead) {
    const QString fileColour = QStringLiteral("ABCDEF01"), defaultColour = QStringLiteral("000000FF");
    const struct {
        QByteArray text;
        bool notified;
        QString colour; // the info block's background colour after loading
    } rows[] = {
        {documentWithInfoMember("\"x\": " + nested(100000, "[", "]")), true, defaultColour},
        {documentWithInfoMember("\"x\": " + nested(100000, "{\"a\":", "}")), true, defaultColour},
        {"{\"keymaps\": " + QByteArray(100000, '['), true, defaultColour},
        {documentWithInfoMember("\"character_id\": 1e999"), true, defaultColour},
        {documentWithInfoMember("\"character_id\": 123456789012345678901234567890"), true, defaultColour},
        // Parsed, but too large for the member: what was read before it stays.
        {documentWithInfoMember("\"character_id\": 2147483648"), true, fileColour},
        {documentWithInfoMember("\"transparent_mouse_windows_raw_move_sensitivity\": \"1e400\""), true,
         fileColour},
        {documentWithColour("AB\xff\xfe"), true, defaultColour},   // invalid UTF-8
        {documentWithColour("AB\xc0\xaf"), true, defaultColour},   // overlong UTF-8
        {documentWithColour("\xed\xa0\x80"), true, defaultColour}, // an encoded surrogate
        {documentWithColour("\\ud800"), true, defaultColour},      // a lone surrogate escape
        {documentWithColour(QByteArray("A\0B", 3)), true, defaultColour},
        {documentWithInfoMember("\"x\": 1") + QByteArray(1, '\0'), true, defaultColour},
        {QByteArray(64, '\0'), true, defaultColour},
        {QByteArray("{\0}\0", 4), true, defaultColour}, // UTF-16
        {documentWithColour("AB\\u0000CD"), false, QString::fromUtf16(u"AB\0CD", 5)},
        {"\xEF\xBB\xBF", false, defaultColour}};
    const QString file = dir.filePath(QStringLiteral("hostile.json"));
    const QString saved = dir.filePath(QStringLiteral("saved.json"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.left(60).toStdString());
        testsupport::writeFile(file, row.text);
        FailureCounter failures;
        ConfigPtr config;
        ASSERT_NO_THROW(config.reset(LoadKeymapConfigAndInfo(file)));
        ASSERT_TRUE(config && config->info && config->param);
        EXPECT_EQ(config->info->backgroundColour, row.colour);
        EXPECT_EQ(failures.count(), row.notified ? 1 : 0);
        if (row.colour == defaultColour) {
            EXPECT_EQ(documentText(*config), defaultText());
        }
        ASSERT_TRUE(SaveKeymapConfigAndInfo(saved, config.get()));
        ConfigPtr reloaded(LoadKeymapConfigAndInfo(saved));
        EXPECT_EQ(reloaded->info->backgroundColour, row.colour);
        EXPECT_EQ(failures.count(), row.notified ? 1 : 0);
    }
}

// Loads the file in a fresh process, where peak memory can be measured, and expects a null feature
// image that keeps its geometry and a peak that grew by less than limitKiB.
void expectLoadInBoundedMemory(const QString& file, long limitKiB) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            const long before = peakResidentKiB();
            ConfigPtr config(LoadKeymapConfigAndInfo(file));
            const FeatureImageInfo image = config->info->featureImages.value(0).value(0);
            const bool nullImage = image.image.isNull() && image.resolution == QSize(640, 480) &&
                                   image.rect == QRectF(0.1, 0.2, 0.3, 0.4);
            const long grown = peakResidentKiB() - before;
            std::fprintf(stderr, "peak memory grew by %ld KiB (limit %ld KiB)\n", grown, limitKiB);
            std::_Exit(nullImage && grown < limitKiB ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(Hostile, HugeBase64StringLoadsInBoundedMemory) {
    // 24 MiB of data behind a picture of 16384 x 16384 pixels.
    QByteArray png = testsupport::blackGreyPng(16384, 16384);
    png.append(QByteArray(24 << 20, '\x5a'));
    const QByteArray base64 = png.toBase64();
    expectLoadInBoundedMemory(write("huge.json", documentWithImage(base64)),
                              (long(base64.size()) * 16 / 1024 + 64 * 1024) * kMemoryOverhead);
}

TEST_F(Hostile, DecompressionBombLoadsInBoundedMemory) {
    // Its 256 MiB of pixels, past the limits, never come to be.
    const QByteArray bomb = testsupport::blackGreyPng(16384, 16384);
    ASSERT_LT(bomb.size(), 2 << 20);
    expectLoadInBoundedMemory(write("bomb.json", documentWithImage(bomb.toBase64())),
                              96 * 1024 * kMemoryOverhead);
}

TEST(FeatureImageData, OnlyPngIsDecoded) {
    // Found by fuzzing: GIF data whose logical screen is 8809 x 8250 pixels passed the size check
    // and decoded into some 290 MB.
    const QByteArray gif = QByteArray("GIF89ai\": \"i\",l") + QByteArray(94, '\0') +
                           QByteArray("h/\x1a"
                                      "921}}\0",
                                      8);
    EXPECT_TRUE(FeatureImageInfo::decodePng(gif).isNull());
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    for (const char* format : {"BMP", "PPM", "JPG", "PNG"}) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, format)) << format;
        EXPECT_EQ(FeatureImageInfo::decodePng(data).isNull(), qstrcmp(format, "PNG") != 0) << format;
    }
}

TEST_F(Hostile, PathsThatAreNotKeymapFilesGiveDefaultsAtOnce) {
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A sparse file far larger than any keymap: it must not be read into memory.
    const QString sparse = dir.filePath(QStringLiteral("sparse.json"));
    {
        QFile file(sparse);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(3) << 30));
    }
    const QString paths[] = {
        dir.path(), QStringLiteral("/dev/zero"),    QStringLiteral("/dev/null"),      fifo, sparse,
        QString(),  QString::fromUtf16(u"a\0b", 3), QString(100000, QLatin1Char('x'))};
    FailureCounter failures;
    for (const QString& path : paths) {
        SCOPED_TRACE(path.left(60).toStdString());
        auto load = std::async(std::launch::async, [&] { return ConfigPtr(LoadKeymapConfigAndInfo(path)); });
        if (load.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            ADD_FAILURE() << "the load hangs";
            // Give a reader blocked on the pipe its end of file, so that the test can finish.
            const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
        ConfigPtr config;
        ASSERT_NO_THROW(config = load.get());
        EXPECT_TRUE(config->items.isEmpty());
        EXPECT_EQ(documentText(*config), defaultText());
    }
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(Hostile, SavingNumbersJsonCannotHoldFailsAndKeepsTheFile) {
    const QString file = write("keep.json", "previous version");
    for (const double value : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        KeymapConfig config;
        config.param->zoomDegree = value;
        EXPECT_FALSE(SaveKeymapConfigAndInfo(file, &config)) << value;
        config.param->zoomDegree = 0;
        config.items.append(CreateConfigItem(QStringLiteral("Click")));
        config.items[0]->iconPositionX = value;
        EXPECT_FALSE(SaveJoystickConfigAndInfo(file, &config)) << value;
    }
    EXPECT_EQ(testsupport::readFile(file), QByteArray("previous version"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.json")});
}

TEST(MacroText, LongDigitRunsDoNotMakeTheLineGrammarsBacktrack) {
    // Once these took minutes: a number grammar that could split a run of digits anywhere, tried
    // on a long run (quadratic), and a repeated argument group on runs of digits (exponential,
    // stopped only by the regular expression engine's match limit, some 50 ms a line).
    QStringList lines = {QStringLiteral("click_rel:(") + QString(200000, QLatin1Char('1')) +
                         QLatin1Char('x')};
    for (const char* command :
         {"start_loop:", "curve_first_point_sleep_time:", "curve_last_point_sleep_time:"})
        for (int i = 0; i < 700; ++i)
            lines.append(QLatin1String(command) + QString(30, QLatin1Char('7')) + QLatin1Char('x'));
    auto convert = std::async(std::launch::async, [&] {
        return MacroKeyRunningTextChangeToEditingText(lines, QRect(0, 0, 1920, 1080));
    });
    ASSERT_EQ(convert.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_EQ(convert.get(), QList<QString>()); // none of them is a running line
}

// Run under the sanitizers, these show that extreme arguments cause no undefined behaviour.
TEST(ExportedFunctions, ArgumentsAtTheEdgesRaiseNothing) {
    ConfigPtr config(LoadKeymapConfigAndInfo(QStringLiteral("system-9252A9CA-0C32-4FFD-8BF6-82653751D068")));
    for (const char* type : {"Click", "Macro", "Wheel", "Zoom", "Eye", "Spell"})
        config->items.append(CreateConfigItem(QLatin1String(type)));
    config->items.append(nullptr);
    for (const QString& device :
         {QStringLiteral("keyboard"), QStringLiteral("mouse"), QStringLiteral("joystick"), QString(),
          QString::fromUtf8("\xc3\xa9\0x", 4)}) {
        for (const int code : {INT_MIN, -1, 0, 0x100, 0xFFFF, INT_MAX - 1, INT_MAX}) {
            ConfigKey key;
            EXPECT_NO_THROW(key = CreateConfigKey(device, code, code));
            EXPECT_NO_THROW(SetTextForConfigKey(&key));
            EXPECT_NO_THROW(ModifyKeyboardScanCodeIfNeeded(code));
            EXPECT_NO_THROW(isConfigKeyMatch(config.get(), &key, &key));
        }
    }
    EXPECT_EQ(CreateConfigItem(QString::fromLatin1("Click\0", 6)), nullptr);
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(config.get(), QString()));

    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, quint32(-1), 0, 0);
    QMouseEvent mouse(QEvent::MouseButtonPress, QPointF(), QPointF(), Qt::MouseButton(0x40000000),
                      Qt::NoButton, Qt::NoModifier);
    QWheelEvent wheel(QPointF(), QPointF(), QPoint(), QPoint(0, INT_MIN), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    EXPECT_EQ(getMacroConfigKeyCode(&key), int(quint32(-1)));
    EXPECT_EQ(getMacroConfigKeyCode(&mouse), 1);
    EXPECT_EQ(getMacroConfigKeyCode(&wheel), 225);
}
