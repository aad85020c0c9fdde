// Keymap documents: templates, the file format, partial loads with their notification, saving.
#include "support/testsupport.h"

#include <keymapmanager/config/documentio_p.h>

#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <gtest/gtest.h>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;
using testsupport::FailureCounter;

namespace {

const char kSanitary[] = "sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300";
const char kSystem[] = "system-9252A9CA-0C32-4FFD-8BF6-82653751D068";

// A click item object as saving writes it, for building files by hand.
std::string clickJson(int scanCode) {
    ClickConfigItem item;
    item.key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("K"), 65, scanCode);
    return testsupport::stringify(item.toJson());
}

class DocumentTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const std::string& text) {
        const QString file = path(name);
        testsupport::writeFile(file, QByteArray::fromStdString(text));
        return file;
    }
    QTemporaryDir dir;
};

} // namespace

TEST(BuiltInTemplates, HaveTheirExactBytes) {
    EXPECT_EQ(readKeymapText(true, QString::fromLatin1(kSanitary)).size(), 518);
    EXPECT_EQ(readKeymapText(true, QString::fromLatin1(kSystem)).size(), 393);
    EXPECT_EQ(readKeymapText(false, QString::fromLatin1(kSanitary)).size(), 517);
    EXPECT_TRUE(readKeymapText(false, QString::fromLatin1(kSystem)).isEmpty()); // a file path there
    EXPECT_TRUE(readKeymapText(true, QString::fromLatin1(kSanitary).toLower()).isEmpty());
    EXPECT_TRUE(
        readKeymapText(true, QString::fromLatin1(kSanitary)).startsWith("{\n                \"info\": {"));
}

TEST(BuiltInTemplates, LoadIntoTheirDocuments) {
    FailureCounter failures;
    ConfigPtr keymap(LoadKeymapConfigAndInfo(QString::fromLatin1(kSanitary)));
    EXPECT_TRUE(keymap->items.isEmpty());
    EXPECT_EQ(keymap->info->transparentMousePolicy, QStringLiteral("Mouse_No_Transparent"));
    EXPECT_FALSE(keymap->info->transparentKeyboard);
    EXPECT_FALSE(keymap->info->isJoystick);

    ConfigPtr system(LoadKeymapConfigAndInfo(QString::fromLatin1(kSystem)));
    EXPECT_EQ(system->info->transparentMousePolicy, QStringLiteral("Mouse_OtherButton_Transparent"));
    EXPECT_TRUE(system->info->transparentWheel);
    EXPECT_TRUE(system->info->transparentKeyboard);

    ConfigPtr joystick(LoadJoystickConfigAndInfo(QString::fromLatin1(kSanitary)));
    EXPECT_TRUE(joystick->info->isJoystick);
    EXPECT_FALSE(joystick->info->transparentJoystick);
    ConfigPtr joystickSystem(LoadJoystickConfigAndInfo(QString::fromLatin1(kSystem)));
    EXPECT_TRUE(joystickSystem->info->isJoystick);
    EXPECT_TRUE(joystickSystem->info->transparentJoystick);
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(DocumentTest, SavedKeymapDocumentHasTheCanonicalText) {
    ConfigPtr config(LoadKeymapConfigAndInfo(QString::fromLatin1(kSanitary)));
    config->info->characterId = 7;
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("k.json"), config.get()));
    EXPECT_EQ(testsupport::readFile(path("k.json")).toStdString(), R"({
    "info": {
        "background_color": "000000FF",
        "character_id": 7,
        "is_joystick": false,
        "response_cursor_point_icon": false,
        "transparent_ESC": false,
        "transparent_keyboard": false,
        "transparent_mouse": "Mouse_No_Transparent",
        "transparent_mouse_windows_raw_move_period": 0,
        "transparent_mouse_windows_raw_move_sensitivity": 1,
        "transparent_wheel": false,
        "visibility": true
    },
    "keymaps": [

    ],
    "param": {
        "transparent_wheel_policy": {
            "protocol_version": 0,
            "sensitivity": 1
        },
        "virtual_joystick": {
            "enable": false
        },
        "wheel_policy": {
            "small_point_move_first": false,
            "wheel_step_distance": 0.01,
            "zoom_degree": 45,
            "zoom_first_interval": 16,
            "zoom_last_idle": 80,
            "zoom_margin": 10,
            "zoom_operation_shortcut_mode": false,
            "zoom_period": 14,
            "zoom_step_distance": 0.00325,
            "zoom_steps": 8
        }
    }
})");
}

TEST_F(DocumentTest, JoystickDocumentsWriteOnlyTheirMembers) {
    ConfigPtr config(LoadJoystickConfigAndInfo(path("missing.json")));
    EXPECT_TRUE(config->info->isJoystick);
    config->info->transparentMousePolicy = QStringLiteral("Mouse_AllButton_Transparent");
    config->info->featureImages.append(QList<FeatureImageInfo>());
    ASSERT_TRUE(SaveJoystickConfigAndInfo(path("j.json"), config.get()));
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("j2.json"), config.get()));
    const QByteArray text = testsupport::readFile(path("j.json"));
    EXPECT_EQ(text, testsupport::readFile(path("j2.json")));
    EXPECT_EQ(text.toStdString(), R"({
    "info": {
        "background_color": "000000FF",
        "feature_images": [
            [

            ]
        ],
        "is_joystick": true,
        "response_cursor_point_icon": false,
        "transparent_joystick": true,
        "visibility": true
    },
    "keymaps": [

    ],
    "param": {
        "transparent_joystick_policy": {
            "protocol_version": 0
        }
    }
})");
}

TEST_F(DocumentTest, LoadSaveLoadGivesAnEqualDocument) {
    ConfigPtr config(new KeymapConfig);
    for (int code : {30, 31}) {
        auto* item = new ClickConfigItem;
        item->key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("A"), 65, code);
        item->workPositionX = 0.1 * code;
        config->items.append(item);
    }
    KeymapInfo& info = *config->info;
    info.transparentMousePolicy = QStringLiteral("Mouse_AllButton_Transparent");
    info.backgroundColour = QStringLiteral("12345678");
    info.visible = false;
    info.transparentEsc = info.transparentWheel = info.responseCursorPointIcon = true;
    info.transparentKeyboard = false;
    info.rawMovePeriod = 5;
    info.rawMoveSensitivity = 2.5;
    KeymapParam& param = *config->param;
    param.zoomFirstInterval = 1;
    param.zoomSteps = 2;
    param.zoomPeriod = 3;
    param.zoomMargin = 4;
    param.zoomLastIdle = 5;
    param.wheelStepDistance = 0.5;
    param.zoomStepDistance = 0.25;
    param.zoomOperationShortcutMode = param.smallPointMoveFirst = param.virtualJoystickEnabled = true;
    param.zoomDegree = 30;
    param.transparentWheelSensitivity = 3;
    param.transparentWheelProtocolVersion = 2;

    FailureCounter failures;
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("a.json"), config.get()));
    ConfigPtr loaded(LoadKeymapConfigAndInfo(path("a.json")));
    ASSERT_EQ(loaded->items.size(), 2);
    EXPECT_EQ(documentText(*loaded), documentText(*config));
    EXPECT_EQ(loaded->param->zoomDegree, 30);
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("b.json"), loaded.get()));
    EXPECT_EQ(testsupport::readFile(path("a.json")), testsupport::readFile(path("b.json")));
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(DocumentTest, KeymapProfileKeepsPolicyInMemoryButJoystickSaveDropsIt) {
    const QString file = write("p.json", R"({"info": {"background_color": "000000FF", "visibility": true,
        "is_joystick": true, "transparent_mouse": "Mouse_AllButton_Transparent"}})");
    ConfigPtr config(LoadKeymapConfigAndInfo(file));
    EXPECT_EQ(config->info->transparentMousePolicy, QStringLiteral("Mouse_AllButton_Transparent"));
    EXPECT_FALSE(documentText(*config).contains("transparent_mouse"));
}

// One row per failure kind: what stays, and whether the host hears of it.
struct FailureCase {
    const char* name;
    std::string text;
    int items;      // items that stay
    bool infoRead;  // the info block's background colour was taken from the file
    bool paramRead; // the param block's zoom steps were taken from the file
    bool notified;
};

class DocumentFailures : public DocumentTest, public ::testing::WithParamInterface<FailureCase> {};

const std::string kInfo = R"("info": {"background_color": "ABCDEF01", "visibility": false})";
const std::string kParam = R"("param": {"wheel_policy": {"zoom_first_interval": 1, "zoom_last_idle": 2,
    "zoom_period": 3, "zoom_steps": 99, "zoom_margin": 5, "zoom_step_distance": 0.5, "wheel_step_distance": 0.1}})";

INSTANTIATE_TEST_SUITE_P(
    Rows, DocumentFailures,
    ::testing::Values(
        FailureCase{"complete", "{" + kInfo + ", \"keymaps\": [" + clickJson(1) + "], " + kParam + "}", 1,
                    true, true, false},
        FailureCase{"empty", "", 0, false, false, false},
        FailureCase{"lone_brace", "{", 0, false, false, true},
        FailureCase{"root_array", "[1, 2]", 0, false, false, true},
        FailureCase{"bad_number", "{\"info\": 1.2.3}", 0, false, false, true},
        FailureCase{"keymaps_not_array", "{" + kInfo + ", \"keymaps\": {}}", 0, false, false, true},
        FailureCase{"no_info", "{\"keymaps\": [" + clickJson(1) + ", " + clickJson(2) + "]}", 2, false, false,
                    true},
        FailureCase{"element_not_object", "{" + kInfo + ", \"keymaps\": [" + clickJson(1) + ", 5]}", 1, false,
                    false, true},
        FailureCase{"element_without_type", "{" + kInfo + ", \"keymaps\": [" + clickJson(1) + ", {}]}", 1,
                    false, false, true},
        FailureCase{"item_without_icon",
                    "{" + kInfo + ", \"keymaps\": [" + clickJson(1) + ", " +
                        [] {
                            auto object = testsupport::parseObject(clickJson(2));
                            object->remove("icon");
                            return testsupport::stringify(*object);
                        }() +
                        "]}",
                    1, false, false, true},
        FailureCase{"unknown_type_skipped",
                    "{" + kInfo + ", \"keymaps\": [" + clickJson(1) + ", {\"type\": \"Nope\"}, " +
                        clickJson(2) + "]}",
                    2, true, false, false},
        FailureCase{"info_without_visibility",
                    R"({"info": {"background_color": "ABCDEF01"}, "keymaps": [)" + clickJson(1) + "], " +
                        kParam + "}",
                    1, true, false, true},
        FailureCase{"wheel_policy_incomplete",
                    "{" + kInfo + R"(, "param": {"wheel_policy": {"zoom_first_interval": 1}}})", 0, true,
                    false, true},
        FailureCase{"bom", "\xEF\xBB\xBF{" + kInfo + "}", 0, true, false, false}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_P(DocumentFailures, KeepWhatWasReadAndNotifyOnce) {
    const FailureCase& row = GetParam();
    const QString file = write("doc.json", row.text);
    FailureCounter failures;
    ConfigPtr config(LoadKeymapConfigAndInfo(file));
    ASSERT_TRUE(config && config->info && config->param);
    EXPECT_EQ(config->items.size(), row.items);
    EXPECT_EQ(config->info->backgroundColour == QStringLiteral("ABCDEF01"), row.infoRead);
    EXPECT_EQ(config->param->zoomSteps == 99, row.paramRead);
    const QStringList paths = failures.paths();
    EXPECT_EQ(paths.size(), row.notified ? 1 : 0);
    if (row.notified) {
        EXPECT_EQ(paths.value(0), file);
        EXPECT_TRUE(failures.sawOtherThread());
    }
}

// Elements of a type this library does not know are no items, but saving writes them back where
// they stood, member for member, so that a newer host's items survive an older host's save.
TEST_F(DocumentTest, ElementsOfUnknownTypeSurviveLoadAndSave) {
    const std::string kinds[] = {R"({"type": "Teleport", "rel_x": 0.25, "big": 12345678901234567890,
                                     "list": [1, "two", null, {"n": -3}], "text": "caf\u00e9 \"q\""})",
                                 R"({"type": 5, "a": true})", R"({"type": {"x": 1}})", R"({"type": false})"};
    // Unknown elements at the start, in the middle and at the end, around two items.
    const std::string text = "{" + kInfo + ", \"keymaps\": [" + kinds[0] + ", " + clickJson(1) + ", " +
                             kinds[1] + ", " + kinds[2] + ", " + clickJson(2) + ", " + kinds[3] + "]}";
    FailureCounter failures;
    KeymapLoadReport report;
    ConfigPtr config(LoadConfigAndInfoWithReport(write("k.json", text), false, &report));
    EXPECT_EQ(report.itemElements, (QVector<int>{1, 4}));
    ASSERT_EQ(config->items.size(), 2);
    ASSERT_EQ(config->keptElements().size(), 4);
    std::vector<int> places;
    for (const KeptElement& element : config->keptElements())
        places.push_back(element.itemsBefore);
    EXPECT_EQ(places, (std::vector<int>{0, 1, 1, 2}));

    // Saved and read back: the same items and elements, each element equal to its source.
    const auto savedElements = [](const QByteArray& saved) {
        std::vector<std::string> out;
        const auto root = testsupport::parseObject(saved.toStdString());
        const auto array = root->getArray("keymaps");
        for (std::size_t i = 0; i < array->size(); ++i)
            out.push_back(testsupport::stringify(*array->getObject(unsigned(i))));
        return out;
    };
    const auto canonical = [](const std::string& json) {
        return testsupport::stringify(*testsupport::parseObject(json));
    };
    const std::vector<std::string> expected = {canonical(kinds[0]), clickJson(1), canonical(kinds[1]),
                                               canonical(kinds[2]), clickJson(2), canonical(kinds[3])};
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("saved.json"), config.get()));
    EXPECT_EQ(savedElements(testsupport::readFile(path("saved.json"))), expected);
    EXPECT_EQ(ConfigAndInfoSavedText(config.get()), testsupport::readFile(path("saved.json")));
    ConfigPtr reloaded(LoadKeymapConfigAndInfo(path("saved.json")));
    EXPECT_EQ(documentText(*reloaded), documentText(*config));
    EXPECT_EQ(failures.count(), 0);

    // The host removes the first item: each element keeps its count of items before it, and those
    // counting past the end follow the last item.
    delete config->items.takeFirst();
    EXPECT_EQ(savedElements(documentText(*config)),
              (std::vector<std::string>{expected[0], expected[4], expected[2], expected[3], expected[5]}));
    qDeleteAll(config->items);
    config->items.clear();
    EXPECT_EQ(savedElements(documentText(*config)),
              (std::vector<std::string>{expected[0], expected[2], expected[3], expected[5]}));
    // A document the host builds keeps nothing.
    EXPECT_TRUE(KeymapConfig().keptElements().isEmpty());
}

TEST_F(DocumentTest, MissingFileGivesDefaultsWithoutNotification) {
    FailureCounter failures;
    ConfigPtr config(LoadKeymapConfigAndInfo(path("none.json")));
    EXPECT_TRUE(config->items.isEmpty());
    EXPECT_EQ(documentText(*config), documentText(KeymapConfig()));
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(DocumentTest, BrokenFileWithoutCallbacksIsQuiet) {
    SetCallbacks(nullptr);
    ConfigPtr config(LoadKeymapConfigAndInfo(write("x.json", "{")));
    EXPECT_TRUE(config->items.isEmpty());
    static KeymapManagerCallbacks empty; // onLoadFailed null; kept alive as a host would
    SetCallbacks(&empty);
    ConfigPtr again(LoadKeymapConfigAndInfo(path("x.json")));
    QThreadPool::globalInstance()->waitForDone(10000);
    SetCallbacks(nullptr);
}

TEST_F(DocumentTest, SaveFailuresReturnFalseAndLeaveFilesAlone) {
    ConfigPtr config(new KeymapConfig);
    EXPECT_FALSE(SaveKeymapConfigAndInfo(path("missing/dir/k.json"), config.get()));
    EXPECT_FALSE(QDir(path("missing")).exists());
    EXPECT_FALSE(SaveKeymapConfigAndInfo(QStringLiteral("/proc/keymap-test.json"), config.get()));
    EXPECT_FALSE(SaveKeymapConfigAndInfo(path("k.json"), nullptr));
    EXPECT_FALSE(QFile::exists(path("k.json")));

    // A file in the way of the directory: nothing can be created below it, the file stays.
    const QString blocker = write("blocker", "keep me");
    EXPECT_FALSE(SaveKeymapConfigAndInfo(blocker + QStringLiteral("/k.json"), config.get()));
    EXPECT_EQ(testsupport::readFile(blocker), QByteArray("keep me"));
}

TEST_F(DocumentTest, NullBlocksSaveAsDefaults) {
    KeymapConfig config;
    delete config.info;
    delete config.param;
    config.info = nullptr;
    config.param = nullptr;
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("n.json"), &config));
    EXPECT_EQ(testsupport::readFile(path("n.json")), documentText(KeymapConfig()));
}
