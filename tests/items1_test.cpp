// Every item type of this area: rewriting, required and optional members, and documents.
#include "items1_support.h"

#include <keymapmanager/config/keymapconfig.h>

#include <Poco/JSON/Array.h>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <typeinfo>

using namespace items1;
using testsupport::parseObject;
using testsupport::stringify;
using testsupport::written;

namespace {

std::string valueAt(const ConfigItem& item, const std::string& path) {
    return at(written(item), path).toString();
}

TEST(AllTypes, ChangedItemsRewriteToTheSameTextAndClass) {
    for (const char* type : kTypes) {
        const ItemPtr changed = changedItem(type);
        const ItemPtr read(createConfigItemFromJson(written(*changed)));
        EXPECT_EQ(typeid(*read), typeid(*create(type))) << type;
        EXPECT_EQ(text(*read), text(*changed)) << type;

        // Every member differs from its default, so the rewrite tests each one.
        const ObjectPtr defaults = written(*create(type));
        const ObjectPtr object = written(*changed);
        for (const auto& member : *object) {
            if (!defaults->has(member.first)) {
                EXPECT_TRUE(member.first == "second_key" || member.first == "tap_info") << member.first;
            } else if (member.first != "type") {
                EXPECT_NE(member.second.toString(), defaults->get(member.first).toString())
                    << type << member.first;
            }
        }
    }
}

// One required member per type, removed (or replaced by a number where the member is an optional
// array): the read fails with the library's exception, keeps what it read before and nothing after.
TEST(AllTypes, MissingRequiredMemberStopsTheRead) {
    const struct {
        const char* type;
        const char* member;
        bool replace;
        const std::string& error;
        const char* readBefore;
        const char* notReadAfter;
    } cases[] = {
        {TypeName::Click, "second_key/scan_code", false, kEmptyValue, "key/text", nullptr},
        {TypeName::Tip, "second_key", true, kNullPointer, "icon/description", nullptr},
        {TypeName::BunchClick, "bunch_click_one_off_number", false, kEmptyValue,
         "bunch_click_continue_number", "bunch_click_one_off_number"},
        {TypeName::Macro, "release_actions", true, kNullPointer, "press_actions", "release_actions"},
        {TypeName::OperationRecorder, "press_actions", true, kNullPointer, "key/text", "press_actions"},
        {TypeName::Eye, "left_key", false, kNullPointer, "bottom_key/text", "right_key/text"},
        {TypeName::Eye, "sensitivity", false, kEmptyValue, "right_key/text", "sensitivity"},
        {TypeName::Gravity, "left_key", false, kNullPointer, "bottom_key/text", "right_key/text"},
        {TypeName::Gravity, "sensitivity", false, kEmptyValue, "right_key/text", "sensitivity"},
        {TypeName::Swipehold, "top_key/scan_code", false, kEmptyValue, "subsequent_point_policy/steps",
         "rel_radius"},
        {TypeName::Swipehold, "subsequent_point_policy", true, kNullPointer, "first_point_policy/speed",
         "top_key/text"},
        {TypeName::VirtualLeftStick, "first_point_policy/speed", false, kEmptyValue,
         "first_point_policy/steps", "first_point_policy/wait_for_second"},
        {TypeName::VirtualRightStick, "target_point_input_compensatory_policy/count", false, kEmptyValue,
         "in_line_policy", "target_point_input_compensatory_policy/x_policy"},
        {TypeName::Spell, "spell_option", false, kNullPointer,
         "swipehold_info/start_additional_point_info/steps", "spell_option/walk_with_spell"},
        // The spell takes the swipe-hold settings over only once they were all read.
        {TypeName::Spell, "swipehold_info/target_point_input_compensatory_policy/count", false, kEmptyValue,
         "swipehold_info/speed", "swipehold_info/first_point_policy"},
        {TypeName::Spell, "swipehold_info/invalid_zone_info", true, kNullPointer,
         "swipehold_info/in_line_policy", "swipehold_info/start_additional_point_info"},
        {TypeName::Spell, "spell_info/rel_position/rel_y", false, kEmptyValue,
         "spell_info/rel_position/rel_x", "swipehold_info/interval"},
        {TypeName::SpellCancel, "is_in_use", false, kEmptyValue, "second_key/text", "is_in_use"},
    };
    for (const auto& c : cases) {
        const ItemPtr changed = changedItem(c.type);
        ObjectPtr object = written(*changed);
        std::string last;
        if (c.replace) {
            parentOf(object, c.member, &last)->set(last, 1);
        } else
            without(object, c.member);
        const ItemPtr item = create(c.type);
        EXPECT_EQ(readError(*item, object), c.error) << c.type << " " << c.member;
        EXPECT_EQ(valueAt(*item, c.readBefore), valueAt(*changed, c.readBefore)) << c.type << " " << c.member;
        if (c.notReadAfter) {
            EXPECT_EQ(valueAt(*item, c.notReadAfter), valueAt(*create(c.type), c.notReadAfter)) << c.member;
        }
    }
}

// Optional members left out of a changed item's object read back as in a new item.
TEST(AllTypes, MissingOptionalMembersKeepTheirDefaults) {
    const struct {
        const char* type;
        std::vector<std::string> members;
    } cases[] = {
        {TypeName::Click, {"second_key"}},
        {TypeName::Macro, {"press_actions", "release_actions"}},
        {TypeName::Swipehold,
         {"first_point_policy", "subsequent_point_policy", "top_key", "right_key", "bottom_key", "left_key",
          "rel_radius", "hold_center_interval_after_release", "in_line_policy",
          "target_point_input_compensatory_policy"}},
        {TypeName::VirtualLeftStick,
         {"first_point_policy/wait_for_second", "first_point_policy/move_type",
          "first_point_policy/idle_before_first_press", "first_point_policy/no_press_first_center_point"}},
        {TypeName::VirtualRightStick,
         {"target_point_input_compensatory_policy/x_policy",
          "target_point_input_compensatory_policy/y_policy",
          "target_point_input_compensatory_policy/x_policy_slope_period",
          "target_point_input_compensatory_policy/y_policy_slope_period",
          "target_point_input_compensatory_policy/x_policy_intercept_phaseshift",
          "target_point_input_compensatory_policy/y_policy_intercept_phaseshift"}},
        {TypeName::Spell,
         {"spell_option/spell_mode_policy", "spell_option/spell_touch_location_policy",
          "spell_option/is_occupy_swipehold_input", "spell_option/left_mouse_control_release",
          "swipehold_info/invalid_zone_info", "swipehold_info/start_additional_point_info",
          "swipehold_info/first_point_policy", "swipehold_info/in_line_policy", "tap_info"}},
        {TypeName::SpellCancel, {"spell_cancel_delay_info/delay_time"}},
        {TypeName::SpellCancel, {"spell_cancel_delay_info"}},
    };
    for (const auto& c : cases) {
        ObjectPtr object = written(*changedItem(c.type));
        for (const std::string& member : c.members)
            without(object, member);
        const ItemPtr item = create(c.type);
        ASSERT_EQ(readError(*item, object), "") << c.type;
        EXPECT_EQ(valueAt(*item, "key/text"), "Ctrl");
        const ObjectPtr read = written(*item);
        const ObjectPtr defaults = written(*create(c.type));
        for (const std::string& member : c.members) {
            std::string last;
            const bool inDefaults = parentOf(defaults, member, &last)->has(last);
            ASSERT_EQ(parentOf(read, member, &last)->has(last), inDefaults) << c.type << " " << member;
            if (inDefaults) {
                EXPECT_EQ(at(read, member).toString(), at(defaults, member).toString())
                    << c.type << " " << member;
            }
        }
    }
}

class Documents : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // A file of one changed item of each type, as saving a document that holds them writes it.
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
    const testsupport::ConfigPtr loaded(LoadKeymapConfigAndInfo(path("first.json")));
    ASSERT_EQ(loaded->items.size(), int(std::size(kTypes)));
    for (int i = 0; i < loaded->items.size(); ++i)
        EXPECT_EQ(typeid(*loaded->items[i]), typeid(*create(kTypes[i]))) << kTypes[i];
    ASSERT_TRUE(SaveKeymapConfigAndInfo(path("second.json"), loaded.get()));
    EXPECT_EQ(testsupport::readFile(path("second.json")), first);
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(Documents, BrokenItemKeepsTheItemsBeforeIt) {
    testsupport::FailureCounter failures;
    const ObjectPtr root = parseObject(saveAllTypes(path("all.json")).toStdString());
    root->getArray("keymaps")->getObject(5)->remove("sensitivity"); // the Eye item
    testsupport::writeFile(path("broken.json"), QByteArray::fromStdString(stringify(*root)));

    const testsupport::ConfigPtr loaded(LoadKeymapConfigAndInfo(path("broken.json")));
    ASSERT_EQ(loaded->items.size(), 5);
    for (int i = 0; i < loaded->items.size(); ++i)
        EXPECT_EQ(text(*loaded->items[i]), text(*changedItem(kTypes[i])));
    EXPECT_EQ(failures.count(), 1);
}

} // namespace
