// Keymap documents: templates, the file format, partial loads with their notification, saving.
#include "support/testsupport.h"

#include <keymapmanager/document/documentio_p.h>

#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <utility>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;
using testsupport::FailureCounter;

namespace {

const char kSanitary[] = "sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300";
const char kSystem[] = "system-9252A9CA-0C32-4FFD-8BF6-82653751D068";

// A click item object as saving writes it, less the member named, for building files by hand.
std::string clickJson(int scanCode, const char* without = "") {
    ClickConfigItem item;
    item.key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("K"), 65, scanCode);
    Poco::JSON::Object object = item.toJson();
    object.remove(without);
    return testsupport::stringify(object);
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

// The reserved names give the built-in texts of their set (exact, case-sensitive); the joystick set
// has no system template, so there the name is a path to a missing file. A joystick load makes a
// joystick document whatever it reads.
TEST(BuiltInTemplates, AreTheTextsOfTheirSetAndLoadIntoTheirDocuments) {
    const QString sanitary = QString::fromLatin1(kSanitary);
    const QString system = QString::fromLatin1(kSystem);
    const auto keymap = [](const char* keyboard, const char* mouse, const char* wheel) {
        return std::string(
                   R"({"background_color":"000000FF","is_joystick":false,)"
                   R"("response_cursor_point_icon":false,"transparent_ESC":false,"transparent_keyboard":)") +
               keyboard + R"(,"transparent_mouse":")" + mouse +
               R"(","transparent_mouse_windows_raw_move_period":0,)"
               R"("transparent_mouse_windows_raw_move_sensitivity":1,"transparent_wheel":)" +
               wheel + R"(,"visibility":true})";
    };
    const auto joystick = [](const char* transparent) {
        return std::string(R"({"background_color":"000000FF","is_joystick":true,)"
                           R"("response_cursor_point_icon":false,"transparent_joystick":)") +
               transparent + R"(,"visibility":true})";
    };
    const struct {
        bool keymapSet;
        QString name;
        int size; // of the text read
        std::string info;
    } rows[] = {
        {true, sanitary, 518, keymap("false", "Mouse_No_Transparent", "false")},
        {true, system, 393, keymap("true", "Mouse_OtherButton_Transparent", "true")},
        {true, sanitary.toLower(), 0, keymap("true", "Mouse_No_Transparent", "false")},
        {false, sanitary, 517, joystick("false")},
        {false, system, 0, joystick("true")},
    };
    FailureCounter failures;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_EQ(readKeymapText(row.keymapSet, row.name).size(), row.size);
        const ConfigPtr config(row.keymapSet ? LoadKeymapConfigAndInfo(row.name)
                                             : LoadJoystickConfigAndInfo(row.name));
        EXPECT_EQ(testsupport::stringify(config->info->toJson(), 0), row.info);
    }
    EXPECT_EQ(failures.count(), 0);
}

// Every member of "info" and "param" with a value of its own, a character id of 0 among them.
const char kKeymapText[] = R"({
    "info": {
        "background_color": "12345678",
        "character_id": 0,
        "is_joystick": false,
        "response_cursor_point_icon": true,
        "transparent_ESC": true,
        "transparent_keyboard": false,
        "transparent_mouse": "Mouse_AllButton_Transparent",
        "transparent_mouse_windows_raw_move_period": 5,
        "transparent_mouse_windows_raw_move_sensitivity": 2.5,
        "transparent_wheel": true,
        "visibility": false
    },
    "keymaps": [

    ],
    "param": {
        "transparent_wheel_policy": {
            "protocol_version": 2,
            "sensitivity": 3
        },
        "virtual_joystick": {
            "enable": true
        },
        "wheel_policy": {
            "small_point_move_first": true,
            "wheel_step_distance": 0.5,
            "zoom_degree": 30,
            "zoom_first_interval": 1,
            "zoom_last_idle": 6,
            "zoom_margin": 4,
            "zoom_operation_shortcut_mode": true,
            "zoom_period": 3,
            "zoom_step_distance": 0.25,
            "zoom_steps": 2
        }
    }
})";

// The keymap members of a joystick document are read and kept in memory, but not saved.
const char kJoystickInput[] = R"({"info": {"background_color": "ABCDEF01", "visibility": false,
    "is_joystick": true, "response_cursor_point_icon": true, "transparent_joystick": false,
    "transparent_ESC": true, "transparent_mouse": "Mouse_AllButton_Transparent", "character_id": 7,
    "feature_images": [[]]}, "param": {"transparent_joystick_policy": {"protocol_version": 3},
    "transparent_wheel_policy": {"protocol_version": 2}}})";

TEST_F(DocumentTest, SavingWhatWasLoadedWritesEveryMemberBack) {
    FailureCounter failures;
    const ConfigPtr keymap(LoadKeymapConfigAndInfo(write("keymap.json", kKeymapText)));
    ASSERT_TRUE(SaveJoystickConfigAndInfo(path("saved.json"), keymap.get()));
    EXPECT_EQ(testsupport::readFile(path("saved.json")).toStdString(), kKeymapText);

    // A joystick document writes only its own members, an empty image group included.
    const ConfigPtr joystick(LoadKeymapConfigAndInfo(write("joystick.json", kJoystickInput)));
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("saved.json"), joystick.get()));
    EXPECT_EQ(testsupport::stringify(
                  *testsupport::parseObject(testsupport::readFile(path("saved.json")).toStdString()), 0),
              R"({"info":{"background_color":"ABCDEF01","character_id":7,"feature_images":[[]],)"
              R"("is_joystick":true,"response_cursor_point_icon":true,"transparent_joystick":false,)"
              R"("visibility":false},"keymaps":[],)"
              R"("param":{"transparent_joystick_policy":{"protocol_version":3}}})");
    EXPECT_EQ(joystick->info->transparentMousePolicy, QStringLiteral("Mouse_AllButton_Transparent"));
    EXPECT_EQ(failures.count(), 0);
}

const std::string kInfo = R"("info": {"background_color": "ABCDEF01", "visibility": false})";
const std::string kParam =
    R"("param": {"wheel_policy": {"zoom_first_interval": 1, "zoom_last_idle": 2, "zoom_period": 3,
    "zoom_steps": 99, "zoom_margin": 5, "zoom_step_distance": 0.5, "wheel_step_distance": 0.1}})";

std::string withKeymaps(const std::string& elements) {
    return "{" + kInfo + ", \"keymaps\": [" + elements + "]}";
}

// Every field of a load report, for comparing whole reports.
std::string describe(const KeymapLoadReport& report) {
    QStringList fields;
    fields << QLatin1String(report.ok ? "ok" : "failed") << report.exceptionName << report.message
           << report.block << QString::number(report.itemIndex) << report.itemType << report.member
           << report.path << QStringLiteral("%1:%2").arg(report.line).arg(report.column);
    for (int element : report.itemElements)
        fields.append(QString::number(element));
    return fields.join(QLatin1String(" | ")).toStdString();
}

// One row per failure kind: what stays, what the report says and whether the host hears of it (once,
// on another thread, when reading stopped). The rows share one report, which must describe the last
// load only, and alternate keymap and joystick loads. (Duplicate keys holding containers leaked once.)
TEST_F(DocumentTest, FailedLoadsKeepWhatWasReadReportAndNotifyOnce) {
    const struct {
        const char* name;
        std::string text;
        int items;      // items that stay
        bool infoRead;  // the info block's background colour was taken from the file
        bool paramRead; // the param block's zoom steps were taken from the file
        const char* report;
    } rows[] = {
        {"complete", withKeymaps(clickJson(1)).insert(1, kParam + ", "), 1, true, true,
         "ok |  |  |  | -1 |  |  |  | 0:0 | 0"},
        {"empty", "", 0, false, false, "ok |  |  |  | -1 |  |  |  | 0:0"},
        {"cut_after_newline", "{\"keymaps\": [\n", 0, false,
         false, // where the text ends, not on the next line
         "failed | JSON Exception | unexpected end of text | json | -1 |  |  |  | 1:14"},
        {"root_array", "[1, 2]", 0, false, false,
         "failed | Bad cast exception | * | json | -1 |  |  |  | 0:0"},
        {"blank_before_member", "{\"info\": {} \"keymaps\": []}", 0, false,
         false, // right after the last token
         "failed | JSON Exception | expected ',' or '}' after member value | json | -1 |  |  |  | 1:12"},
        {"keymaps_not_array", "{" + kInfo + ", \"keymaps\": {}}", 0, false, false,
         "failed | Null pointer | missing, or not an object | keymaps | -1 |  | keymaps | keymaps | 0:0"},
        {"no_info", "{\"keymaps\": [" + clickJson(1) + ", " + clickJson(2) + "]}", 2, false, false,
         "failed | Null pointer | missing, or not an object | info | -1 |  | info | info | 0:0 | 0 | 1"},
        {"element_not_object", withKeymaps(clickJson(1) + ", 5"), 1, false, false,
         "failed | Null pointer | the element is not an object | keymaps | 1 |  |  | keymaps[1] | 0:0 | 0"},
        {"element_without_type", withKeymaps(clickJson(1) + ", {}"), 1, false, false,
         "failed | Invalid access | Can not convert empty value. | keymaps | 1 |  | type | keymaps[1].type | "
         "0:0 | 0"},
        {"item_without_icon", withKeymaps(clickJson(1) + R"(, {"type": "Nope"}, )" + clickJson(2, "icon")), 1,
         false, false,
         "failed | Null pointer | missing, or not an object | keymaps | 2 | Click | icon | keymaps[2].icon | "
         "0:0 | 0"},
        {"unknown_type_skipped", withKeymaps(clickJson(1) + R"(, {"type": "Nope"}, )" + clickJson(2)), 2,
         true, false, "ok |  |  |  | -1 |  |  |  | 0:0 | 0 | 2"},
        {"duplicate_keys", "{\"a\": [1], \"a\": {\"b\": [2]},\n  \"c\": tru }", 0, false, false,
         "failed | JSON Exception | expected 'e' instead of byte ' ' | json | -1 |  |  |  | 2:11"},
        {"info_without_visibility", R"({"info": {"background_color": "ABCDEF01"}, )" + kParam + "}", 0, true,
         false,
         "failed | Invalid access | Can not convert empty value. | info | -1 |  | visibility | "
         "info.visibility | 0:0"},
        {"wheel_policy_incomplete",
         "{" + kInfo + R"(, "param": {"wheel_policy": {"zoom_first_interval": 1}}})", 0, true, false,
         "failed | Invalid access | Can not convert empty value. | param | -1 |  | zoom_last_idle | "
         "param.wheel_policy.zoom_last_idle | 0:0"},
        {"bom", "\xEF\xBB\xBF{" + kInfo + "}", 0, true, false, "ok |  |  |  | -1 |  |  |  | 0:0"},
    };
    KeymapLoadReport report;
    bool joystick = true;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = write("doc.json", row.text);
        FailureCounter failures;
        joystick = !joystick; // the kind asked for alternates: the report depends on the text only
        const ConfigPtr config(LoadConfigAndInfoWithReport(file, joystick, &report));
        EXPECT_EQ(config->info->isJoystick, joystick);
        EXPECT_EQ(config->items.size(), row.items);
        EXPECT_EQ(config->info->backgroundColour == QStringLiteral("ABCDEF01"), row.infoRead);
        EXPECT_EQ(config->param->zoomSteps == 99, row.paramRead);
        // The library's text for a root of another kind goes on with compiler-made type names.
        if (std::string(row.report).find(" * ") != std::string::npos)
            report.message = QStringLiteral("*");
        EXPECT_EQ(describe(report), row.report);
        EXPECT_EQ(failures.paths(), report.ok ? QStringList() : QStringList{file});
        EXPECT_EQ(failures.sawOtherThread(), !report.ok);
    }
}

// The elements of a saved document's "keymaps", each in its canonical text.
std::vector<std::string> savedElements(const QByteArray& saved) {
    std::vector<std::string> out;
    const Poco::JSON::Array::Ptr array = testsupport::parseObject(saved.toStdString())->getArray("keymaps");
    for (std::size_t i = 0; i < array->size(); ++i)
        out.push_back(testsupport::stringify(*array->getObject(unsigned(i))));
    return out;
}

// Elements of a type this library does not know are no items, but saving writes them back where
// they stood, member for member, so that a newer host's items survive an older host's save.
TEST_F(DocumentTest, ElementsOfUnknownTypeSurviveLoadAndSave) {
    // Unknown elements at the start, in the middle and at the end, around two items.
    const std::string teleport = R"({"type": "Teleport", "rel_x": 0.25, "big": 12345678901234567890,
        "list": [1, "two", null, {"n": -3}], "text": "caf\u00e9 \"q\""})";
    std::vector<std::string> elements = {
        teleport,     clickJson(1),        R"({"type": 5, "a": true})", R"({"type": {"x": 1}})",
        clickJson(2), R"({"type": false})"};
    std::string list;
    for (std::string& element : elements) {
        list += (list.empty() ? "" : ", ") + element;
        element = testsupport::stringify(*testsupport::parseObject(element));
    }
    FailureCounter failures;
    const ConfigPtr config(LoadKeymapConfigAndInfo(write("k.json", withKeymaps(list))));
    ASSERT_EQ(config->items.size(), 2);
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("saved.json"), config.get()));
    const QByteArray saved = testsupport::readFile(path("saved.json"));
    EXPECT_EQ(savedElements(saved), elements);
    EXPECT_EQ(ConfigAndInfoSavedText(config.get()), saved);
    const ConfigPtr reloaded(LoadKeymapConfigAndInfo(path("saved.json")));
    EXPECT_EQ(documentText(*reloaded), saved);
    EXPECT_EQ(failures.count(), 0);

    // The host removes the first item: each element keeps its count of items before it, and those
    // counting past the end follow the last item.
    delete config->items.takeFirst();
    EXPECT_EQ(savedElements(documentText(*config)),
              (std::vector<std::string>{elements[0], elements[4], elements[2], elements[3], elements[5]}));
    qDeleteAll(config->items);
    config->items.clear();
    EXPECT_EQ(savedElements(documentText(*config)),
              (std::vector<std::string>{elements[0], elements[2], elements[3], elements[5]}));
    // A document the host builds keeps nothing.
    EXPECT_TRUE(KeymapConfig().keptElements().isEmpty());
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
    EXPECT_FALSE(SaveKeymapConfigAndInfo(path("k.json"), nullptr));
    EXPECT_FALSE(QFile::exists(path("k.json")));

    // A file in the way of the directory: nothing can be created below it, the file stays.
    const QString blocker = write("blocker", "keep me");
    EXPECT_FALSE(SaveKeymapConfigAndInfo(blocker + QStringLiteral("/k.json"), config.get()));
    EXPECT_EQ(testsupport::readFile(blocker), QByteArray("keep me"));
}

TEST(DocumentText, NullBlocksAreWrittenAsDefaults) {
    KeymapConfig config;
    delete std::exchange(config.info, nullptr);
    delete std::exchange(config.param, nullptr);
    EXPECT_EQ(documentText(config), documentText(KeymapConfig()));
}
