// Hostile input at the library's boundary: texts that are barely JSON, feature images that claim
// huge sizes, paths that are not keymap files, and arguments at the edges of their ranges. Nothing
// may crash, hang, throw or leak; a file the loader rejects gives the default document and one
// notification.
#include "support/forgedpng.h"
#include "support/testsupport.h"

#include <keymapmanager/config/documentio_p.h>

#include <QBuffer>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThreadPool>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <limits>
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

QByteArray documentWithImage(const QByteArray& base64) {
    return R"({"info": {"background_color": "ABCDEF01", "visibility": true, "feature_images": [[{"image": ")" +
           base64 +
           R"(", "rect": {"rel_x": 0.1, "rel_y": 0.2, "rel_width": 0.3, "rel_height": 0.4},
           "resolution": {"rel_width": 640, "rel_height": 480}}]]}})";
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

struct HostileText {
    const char* name;
    QByteArray text;
    bool notified;
    QString colour; // the info block's background colour after loading
};

class HostileTexts : public Hostile, public ::testing::WithParamInterface<HostileText> {};

const QString kDefaultColour = QStringLiteral("000000FF");
const QString kFileColour = QStringLiteral("ABCDEF01");

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileTexts,
    ::testing::Values(
        HostileText{"deep_arrays_closed", documentWithInfoMember("\"x\": " + nested(100000, "[", "]")), true,
                    kDefaultColour},
        HostileText{"deep_objects_closed", documentWithInfoMember("\"x\": " + nested(100000, "{\"a\":", "}")),
                    true, kDefaultColour},
        HostileText{"deep_arrays_open", "{\"keymaps\": " + QByteArray(100000, '['), true, kDefaultColour},
        HostileText{"exponent_out_of_range", documentWithInfoMember("\"character_id\": 1e999"), true,
                    kDefaultColour},
        HostileText{"integer_with_30_digits",
                    documentWithInfoMember("\"character_id\": 123456789012345678901234567890"), true,
                    kDefaultColour},
        // Parsed, but too large for the member: what was read before it stays.
        HostileText{"integer_past_int_range", documentWithInfoMember("\"character_id\": 2147483648"), true,
                    kFileColour},
        HostileText{"number_as_text_out_of_range",
                    documentWithInfoMember("\"transparent_mouse_windows_raw_move_sensitivity\": \"1e400\""),
                    true, kFileColour},
        HostileText{"invalid_utf8",
                    R"({"info": {"background_color": "AB)"
                    "\xff\xfe"
                    R"(", "visibility": true}})",
                    true, kDefaultColour},
        HostileText{"overlong_utf8",
                    R"({"info": {"background_color": "AB)"
                    "\xc0\xaf"
                    R"(", "visibility": true}})",
                    true, kDefaultColour},
        HostileText{"encoded_surrogate",
                    R"({"info": {"background_color": ")"
                    "\xed\xa0\x80"
                    R"(", "visibility": true}})",
                    true, kDefaultColour},
        HostileText{"lone_surrogate_escape",
                    R"({"info": {"background_color": "\ud800", "visibility": true}})", true, kDefaultColour},
        HostileText{
            "raw_nul_in_string",
            QByteArray(R"({"info": {"background_color": "A@B", "visibility": true}})").replace('@', '\0'),
            true, kDefaultColour},
        HostileText{"nul_after_document", documentWithInfoMember("\"x\": 1") + QByteArray(1, '\0'), true,
                    kDefaultColour},
        HostileText{"only_nuls", QByteArray(64, '\0'), true, kDefaultColour},
        HostileText{"utf16_document", QByteArray("{\0}\0", 4), true, kDefaultColour},
        HostileText{"escaped_nul_is_kept",
                    R"({"info": {"background_color": "AB\u0000CD", "visibility": true}})", false,
                    QString::fromUtf16(u"AB\0CD", 5)},
        HostileText{"bom_alone", "\xEF\xBB\xBF", false, kDefaultColour}),
    [](const ::testing::TestParamInfo<HostileText>& info) { return std::string(info.param.name); });

TEST_P(HostileTexts, LoadWithoutHarmAndSaveWhatTheyRead) {
    const HostileText& row = GetParam();
    const QString file = write("hostile.json", row.text);
    FailureCounter failures;
    ConfigPtr config;
    ASSERT_NO_THROW(config.reset(LoadKeymapConfigAndInfo(file)));
    ASSERT_TRUE(config && config->info && config->param);
    EXPECT_EQ(config->info->backgroundColour, row.colour);
    EXPECT_EQ(failures.count(), row.notified ? 1 : 0);
    if (row.colour == kDefaultColour) {
        EXPECT_EQ(documentText(*config), defaultText());
    }

    // What was read saves and loads back unchanged, embedded NULs included.
    const QString saved = dir.filePath(QStringLiteral("saved.json"));
    ASSERT_TRUE(SaveKeymapConfigAndInfo(saved, config.get()));
    ConfigPtr reloaded(LoadKeymapConfigAndInfo(saved));
    EXPECT_EQ(reloaded->info->backgroundColour, row.colour);
    EXPECT_EQ(failures.count(), row.notified ? 1 : 0);
}

TEST_F(Hostile, FeatureImagesClaimingHugeSizesLoadAsNullImages) {
    // Past the limits nothing is decoded; within them a forged header over a 1x1 picture never
    // gives an image of the claimed size.
    const struct {
        quint32 width, height;
        bool pastLimits;
    } rows[] = {
        {100000, 100000, true}, {16384, 16384, true}, {16385, 1, true}, {16384, 2048, false}, {1, 1, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << "x" << row.height);
        const QString file =
            write("image.json",
                  documentWithImage(testsupport::pngWithClaimedSize(row.width, row.height).toBase64()));
        FailureCounter failures;
        ConfigPtr config(LoadKeymapConfigAndInfo(file));
        ASSERT_EQ(config->info->featureImages.size(), 1);
        ASSERT_EQ(config->info->featureImages[0].size(), 1);
        const FeatureImageInfo& image = config->info->featureImages[0][0];
        EXPECT_EQ(image.resolution, QSize(640, 480));
        EXPECT_EQ(image.rect, QRectF(0.1, 0.2, 0.3, 0.4));
        if (row.pastLimits) {
            EXPECT_TRUE(image.image.isNull());
        } else if (row.width == 1) {
            EXPECT_FALSE(image.image.isNull());
        } else {
            EXPECT_TRUE(image.image.isNull() || image.image.size() == QSize(int(row.width), int(row.height)));
        }
        EXPECT_EQ(failures.count(), 0);
    }
}

// Loads the file in a fresh process, where peak memory can be measured, and expects a null
// feature image and a peak that grew by less than limitKiB.
void expectLoadInBoundedMemory(const QString& file, long limitKiB) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            const long before = peakResidentKiB();
            ConfigPtr config(LoadKeymapConfigAndInfo(file));
            const bool nullImage = config->info->featureImages.value(0).value(0).image.isNull();
            const long grown = peakResidentKiB() - before;
            std::fprintf(stderr, "peak memory grew by %ld KiB (limit %ld KiB)\n", grown, limitKiB);
            std::_Exit(nullImage && grown < limitKiB ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(Hostile, HugeBase64StringLoadsInBoundedMemory) {
    // 24 MiB of data behind a header that claims 16384 x 16384 pixels.
    QByteArray png = testsupport::pngWithClaimedSize(16384, 16384);
    png.append(QByteArray(24 << 20, '\x5a'));
    const QByteArray base64 = png.toBase64();
    expectLoadInBoundedMemory(write("huge.json", documentWithImage(base64)),
                              (long(base64.size()) * 16 / 1024 + 64 * 1024) * kMemoryOverhead);
}

TEST_F(Hostile, DecompressionBombIsDecodedOnlyWithinTheLimits) {
    // Past the limits its 256 MiB of pixels never come to be (measured first, while the peak is low)...
    const QByteArray bomb = testsupport::blackGreyPng(16384, 16384);
    ASSERT_LT(bomb.size(), 2 << 20);
    expectLoadInBoundedMemory(write("bomb.json", documentWithImage(bomb.toBase64())),
                              96 * 1024 * kMemoryOverhead);
    // ...within them the same kind of data is a real picture.
    EXPECT_EQ(FeatureImageInfo::decodePng(testsupport::blackGreyPng(8192, 4096)).size(), QSize(8192, 4096));
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
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double value : values) {
        KeymapConfig config;
        config.param->zoomDegree = value;
        EXPECT_FALSE(SaveKeymapConfigAndInfo(file, &config)) << value;
        EXPECT_EQ(testsupport::readFile(file), QByteArray("previous version"));

        ConfigPtr withItem(new KeymapConfig);
        withItem->items.append(CreateConfigItem(QStringLiteral("Click")));
        withItem->items[0]->iconPositionX = value;
        EXPECT_FALSE(SaveJoystickConfigAndInfo(file, withItem.get())) << value;
        EXPECT_EQ(testsupport::readFile(file), QByteArray("previous version"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.json")});
}

TEST(MacroText, LongDigitRunsDoNotMakeTheLineGrammarsBacktrack) {
    // Once these took minutes: a number grammar that could split a run of digits anywhere, tried
    // on a long run (quadratic), and a repeated argument group on runs of digits (exponential,
    // stopped only by the regular expression engine's match limit, some 50 ms a line).
    const QStringList longRun = {QStringLiteral("click_rel:(") + QString(200000, QLatin1Char('1')) +
                                 QStringLiteral("x")};
    QStringList manyLines;
    for (const char* command :
         {"start_loop:", "curve_first_point_sleep_time:", "curve_last_point_sleep_time:"})
        for (int i = 0; i < 700; ++i)
            manyLines.append(QLatin1String(command) + QString(30, QLatin1Char('7')) + QLatin1Char('x'));
    auto convert = std::async(std::launch::async, [&] {
        return MacroKeyRunningTextChangeToEditingText(longRun, QRect(0, 0, 1920, 1080)).size() +
               MacroKeyRunningTextChangeToEditingText(manyLines, QRect(0, 0, 1920, 1080)).size();
    });
    ASSERT_EQ(convert.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_EQ(convert.get(), 0); // none of them is a running line
}

TEST(ExportedFunctions, ArgumentsAtTheEdgesRaiseNothing) {
    const int edges[] = {std::numeric_limits<int>::min(), -1, 0, 0x100, 0xFFFF, 2147483646,
                         std::numeric_limits<int>::max()};
    const QString devices[] = {QStringLiteral("keyboard"), QStringLiteral("mouse"),
                               QStringLiteral("joystick"), QString(), QString::fromUtf8("\xc3\xa9\0x", 4)};
    ConfigPtr config(LoadKeymapConfigAndInfo(QStringLiteral("system-9252A9CA-0C32-4FFD-8BF6-82653751D068")));
    for (const char* type : {"Click", "Macro", "Wheel", "Zoom", "Eye", "Spell"})
        config->items.append(CreateConfigItem(QLatin1String(type)));
    config->items.append(nullptr);
    for (const QString& device : devices) {
        for (int code : edges) {
            ConfigKey key;
            EXPECT_NO_THROW(key = CreateConfigKey(device, code, code));
            EXPECT_NO_THROW(SetTextForConfigKey(&key));
            EXPECT_NO_THROW(ModifyKeyboardScanCodeIfNeeded(code));
            EXPECT_TRUE(AllowUsedForConfigKey(device, code, code));
            EXPECT_NO_THROW(isConfigKeyMatch(config.get(), &key, &key));
        }
    }
    EXPECT_NO_THROW(SetTextForConfigKey(nullptr));
    EXPECT_EQ(CreateConfigItem(QString()), nullptr);
    EXPECT_EQ(CreateConfigItem(QString::fromLatin1("Click\0", 6)), nullptr);
    EXPECT_FALSE(isConfigHasSpeicalTypeKey(config.get(), QString()));

    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, quint32(-1), 0, 0);
    QMouseEvent mouse(QEvent::MouseButtonPress, QPointF(), QPointF(), Qt::MouseButton(0x40000000),
                      Qt::NoButton, Qt::NoModifier);
    QWheelEvent wheel(QPointF(), QPointF(), QPoint(), QPoint(0, std::numeric_limits<int>::min()),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QEvent mouseTypedPlainEvent(QEvent::MouseButtonPress);
    for (QEvent* event : {static_cast<QEvent*>(&key), static_cast<QEvent*>(&mouse),
                          static_cast<QEvent*>(&wheel), &mouseTypedPlainEvent, static_cast<QEvent*>(nullptr)})
        EXPECT_NO_THROW(getMacroConfigKeyCode(event));

    // Macro text at the edges: huge and odd lines, degenerate rectangles.
    const QStringList lines = {
        QString(1 << 20, QLatin1Char('9')),
        QStringLiteral("click ") + QString(5000, QLatin1Char('9')) + QStringLiteral(",1"),
        QStringLiteral("start_loop:") + QString(40, QLatin1Char('1')) + QStringLiteral("x"),
        QStringLiteral("click_rel:(1e308,1)"),
        QStringLiteral("click_rel:(99999999999999999999.5,0.5)"),
        QStringLiteral("sleep 99999999999999999999"),
        QString(3, QChar(0)),
        QStringLiteral("release_actions")};
    for (const QRect& rect :
         {QRect(), QRect(0, 0, 1, 1), QRect(-5, -5, -100, -100),
          QRect(0, 0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max())}) {
        EXPECT_NO_THROW(MacroKeyEditingTextChangeToRunningText(lines, rect));
        EXPECT_NO_THROW(MacroKeyRunningTextChangeToEditingText(lines, rect));
    }
    QVector<int> faulty;
    EXPECT_NO_THROW(faulty = MacroKeyEditingTextGrammarCheck(lines));
    for (int number : faulty)
        EXPECT_TRUE(number >= 1 && number < lines.size()) << number;
}
