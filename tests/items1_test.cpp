// Every item type of this area: rewriting, classes from the factory, and documents holding them.
#include "items1_support.h"

#include <keymapmanager/config/keymapconfig.h>

#include <Poco/JSON/Array.h>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <typeinfo>

using namespace items1;
using testsupport::parseObject;
using testsupport::written;

namespace {

TEST(AllTypes, ChangedItemsRewriteToTheSameText) {
    for (const char* type : kTypes) {
        const ItemPtr changed = changedItem(type);
        EXPECT_EQ(rewritten(*changed), text(*changed)) << type;

        // Every member was moved away from its default, so the rewrite tests each one.
        const ObjectPtr object = written(*changed);
        const ObjectPtr defaults = written(*create(type));
        for (const auto& member : *object) {
            if (!defaults->has(member.first)) {
                EXPECT_TRUE(member.first == "second_key" || member.first == "tap_info") << member.first;
            } else if (member.first != "type") {
                EXPECT_NE(member.second.toString(), defaults->get(member.first).toString())
                    << type << " " << member.first;
            }
        }
        for (const auto& member : *defaults)
            EXPECT_TRUE(object->has(member.first)) << type << " " << member.first;
    }
}

TEST(AllTypes, FactoryAndReaderGiveTheSameClass) {
    for (const char* type : kTypes) {
        const ItemPtr created = create(type);
        ASSERT_NE(created, nullptr) << type;
        EXPECT_EQ(created->typeName, QLatin1String(type));
        const ItemPtr read(createConfigItemFromJson(written(*changedItem(type))));
        ASSERT_NE(read, nullptr) << type;
        EXPECT_EQ(typeid(*read), typeid(*created)) << type;
        EXPECT_EQ(read->typeName, QLatin1String(type));
    }
}

// A member of each type's own that its reader requires, in the order of kTypes; it is removed, or
// replaced by a number where the member is optional but must be of its kind when present.
const struct {
    const char* member;
    bool replace;
} kRequired[] = {
    {"second_key/device", false}, {"second_key/text", false},
    {"bunch_click_type", false},  {"press_actions", true},
    {"release_actions", true},    {"left_key", false},
    {"sensitivity", false},       {"first_point_policy/speed", false},
    {"top_key/scan_code", false}, {"target_point_input_compensatory_policy/count", false},
    {"spell_option", false},      {"is_in_use", false},
};
static_assert(std::size(kRequired) == std::size(kTypes));

class Documents : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // A file of one changed item of each type, written by saving a document that holds them.
    QByteArray saveAllTypes(const QString& file) {
        KeymapConfig document;
        for (const char* type : kTypes)
            document.items.append(changedItem(type).release());
        EXPECT_TRUE(SaveKeymapConfigAndInfo(file, &document));
        return testsupport::readFile(file);
    }

    QTemporaryDir dir;
};

TEST_F(Documents, OneItemOfEachTypeLoadsAndSavesBackByteIdentical) {
    testsupport::FailureCounter failures;
    const QByteArray first = saveAllTypes(path("first.json"));
    ASSERT_FALSE(first.isEmpty());

    const testsupport::ConfigPtr loaded(LoadKeymapConfigAndInfo(path("first.json")));
    ASSERT_EQ(loaded->items.size(), int(std::size(kTypes)));
    for (int i = 0; i < loaded->items.size(); ++i)
        EXPECT_EQ(typeid(*loaded->items[i]), typeid(*create(kTypes[i]))) << kTypes[i];
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("second.json"), loaded.get()));
    EXPECT_EQ(testsupport::readFile(path("second.json")), first);
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(Documents, BrokenItemKeepsTheItemsBeforeIt) {
    const QByteArray saved = saveAllTypes(path("all.json"));
    for (std::size_t broken = 0; broken < std::size(kTypes); ++broken) {
        testsupport::FailureCounter failures;
        const ObjectPtr root = parseObject(saved.toStdString());
        const Poco::JSON::Array::Ptr items = root->getArray("keymaps");
        const ObjectPtr item = items->getObject(unsigned(broken));
        std::string last;
        if (kRequired[broken].replace)
            parentOf(item, kRequired[broken].member, &last)->set(last, 1);
        else
            without(item, kRequired[broken].member);
        root->getObject("info")->set("background_color", std::string("12345678"));
        testsupport::writeFile(path("broken.json"), QByteArray::fromStdString(testsupport::stringify(*root)));

        const testsupport::ConfigPtr loaded(LoadKeymapConfigAndInfo(path("broken.json")));
        ASSERT_EQ(loaded->items.size(), int(broken)) << kTypes[broken];
        for (int i = 0; i < loaded->items.size(); ++i)
            EXPECT_EQ(text(*loaded->items[i]), text(*changedItem(kTypes[i]))) << kTypes[broken];
        EXPECT_EQ(loaded->info->backgroundColour, QStringLiteral("000000FF")); // info is read after the items
        EXPECT_EQ(failures.count(), 1) << kTypes[broken];
    }
}

} // namespace
