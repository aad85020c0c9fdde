// The JSON parsing test suite, every file loaded as a keymap path through every loading function.
// None of its objects has "info", so each file gives the default document and one notification
// per load; only a file that holds no text at all (a UTF-8 byte order mark is not text) loads
// quietly. Which files the JSON library accepts is not assumed.
#include "support/testsupport.h"

#include <keymapmanager/document/documentio_p.h>

#include <Poco/JSON/Parser.h>
#include <QDir>
#include <gtest/gtest.h>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;

namespace {

// The text the loader reads from a file: a UTF-8 byte order mark is dropped.
QByteArray loaderText(const QString& path) {
    QByteArray text = testsupport::readFile(path);
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    return text;
}

// The parser's verdict on the text, asked directly: an object, another value, or rejected.
enum class Verdict { Object, OtherValue, Rejected };
Verdict parserVerdict(const QByteArray& text) {
    try {
        Poco::JSON::Parser parser;
        const Poco::Dynamic::Var value = parser.parse(text.toStdString());
        return value.type() == typeid(Poco::JSON::Object::Ptr) ? Verdict::Object : Verdict::OtherValue;
    } catch (const Poco::Exception&) {
        return Verdict::Rejected;
    }
}

} // namespace

TEST(JsonTestSuite, EveryFileGivesDefaultsAndOneNotificationPerLoad) {
    KEYMAP_NEEDS_SHARED_TESTDATA();
    const QDir suite(testsupport::sharedPath("testdata/json-test-suite"));
    const QStringList files = suite.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 300) << suite.path().toStdString();
    const QByteArray defaults = documentText(KeymapConfig());
    KeymapConfig joystickDefaults;
    joystickDefaults.info->isJoystick = true;
    const QByteArray joystickText = documentText(joystickDefaults);

    int verdicts[3] = {0, 0, 0};
    testsupport::FailureCounter failures;
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = suite.filePath(name);
        const QByteArray text = loaderText(path);
        const Verdict verdict = parserVerdict(text);
        ++verdicts[int(verdict)];
        if (verdict == Verdict::Object) { // the data's promise, which the expectations rest on
            ASSERT_FALSE(testsupport::parseObject(text.toStdString())->has("info"));
        }

        ConfigPtr keymap(LoadKeymapConfigAndInfo(path));
        EXPECT_EQ(documentText(*keymap), defaults);
        ConfigPtr joystick(LoadJoystickConfigAndInfo(path));
        EXPECT_EQ(documentText(*joystick), joystickText);
        EXPECT_TRUE(getFeatureImageInfo(path, true).isEmpty());
        EXPECT_FALSE(isIntelligentConfig(path, false));
        KeymapLoadReport report;
        ConfigPtr reported(LoadConfigAndInfoWithReport(path, false, &report));
        EXPECT_EQ(report.ok, text.isEmpty());
        EXPECT_EQ(report.block, QLatin1String(report.ok ? "" : verdict == Verdict::Object ? "info" : "json"));
    }
    const QStringList notified = failures.paths();
    for (const QString& name : files)
        EXPECT_EQ(notified.count(suite.filePath(name)), loaderText(suite.filePath(name)).isEmpty() ? 0 : 5)
            << name.toStdString();
    EXPECT_GT(verdicts[int(Verdict::Object)], 0);
    EXPECT_GT(verdicts[int(Verdict::Rejected)], 0);
    std::printf("%d files: %d objects, %d other values, %d rejected by the parser\n", int(files.size()),
                verdicts[0], verdicts[1], verdicts[2]);
}
