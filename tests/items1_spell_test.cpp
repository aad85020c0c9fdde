// Spell and spell-cancel items.
#include "items1_support.h"

#include <gtest/gtest.h>

#include <memory>

using namespace items1;
using testsupport::parseObject;
using testsupport::written;

namespace {

using SwipeholdPtr = std::unique_ptr<SwipeholdConfigItem>;

TEST(SpellDefaults, WrittenValues) {
    const ObjectPtr object = written(SpellConfigItem());
    EXPECT_TRUE(hasMembers(object, R"({
        "type": "Spell",
        "spell_info": {"rel_position": {"rel_x": 0.5, "rel_y": 0.5}, "rel_radius": 0.5, "range": 60},
        "swipehold_info": {"rel_position": {"rel_x": 0, "rel_y": 0}, "rel_radius": 0.1, "interval": 32,
            "steps": 6, "period": 16, "speed": 100,
            "invalid_zone_info": {"enable": false, "rel_radius_inside_invalid_zone": 0.005,
                                  "rel_radius_outside_invalid_zone": 0.01},
            "start_additional_point_info": {"enable": true, "steps": 4, "period": 8, "distance": 0.01}},
        "spell_option": {"need_spell_direction": true, "stop_walk_after_spell": false, "walk_with_spell": true,
            "is_occupy_swipehold_input": false, "left_mouse_control_release": true,
            "spell_trigger_policy": "Spell_Trigger_On_Release_Key",
            "spell_touch_location_policy": "Spell_touch_location_mouse_dependence",
            "spell_mode_policy": "Spell_mode_intelligent"}
    })"));
    EXPECT_TRUE(hasMembers(object->getObject("swipehold_info"), kSwipeholdSettingDefaults));
    EXPECT_FALSE(object->has("tap_info"));
    EXPECT_FALSE(object->has("second_key"));
    EXPECT_EQ(object->getObject("spell_option")->size(), 8u);
}

TEST(SpellDefaults, SwipeholdInfoHoldsNoKeysNorType) {
    for (const ItemPtr& item : {create(TypeName::Spell), changedItem(TypeName::Spell)}) {
        const ObjectPtr info = written(*item)->getObject("swipehold_info");
        for (const char* member : {"top_key", "right_key", "bottom_key", "left_key", "type", "key", "icon",
                                   "rel_work_position", "editor_icon_scale"})
            EXPECT_FALSE(info->has(member)) << member;
        EXPECT_EQ(info->size(), 13u);
    }
}

TEST(SpellTap, WrittenOnlyWhenComplete) {
    const QString sixteen = QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
    const struct {
        const char* name;
        SpellTapInfo tap;
        bool written;
    } cases[] = {
        {"complete", {0.3, 0.7, 1.5, 0.2, sixteen}, true},
        {"only x set", {0.3, 0.0, 1.5, 0.2, sixteen}, true},
        {"only y set", {0.0, 0.7, 1.5, 0.2, sixteen}, true},
        {"empty parts count", {0.3, 0.7, 1.5, 0.2, QStringLiteral(",,,,,,,,,,,,,,,")}, true},
        {"15 parts", {0.3, 0.7, 1.5, 0.2, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15")}, false},
        {"17 parts", {0.3, 0.7, 1.5, 0.2, sixteen + QStringLiteral(",17")}, false},
        {"trailing comma", {0.3, 0.7, 1.5, 0.2, sixteen + QStringLiteral(",")}, false},
        {"semicolons",
         {0.3, 0.7, 1.5, 0.2, QString(sixteen).replace(QLatin1Char(','), QLatin1Char(';'))},
         false},
        {"empty sequence", {0.3, 0.7, 1.5, 0.2, QString()}, false},
        {"centre zero", {0.0, 0.0, 1.5, 0.2, sixteen}, false},
        {"factor zero", {0.3, 0.7, 0.0, 0.2, sixteen}, false},
        {"ratio zero", {0.3, 0.7, 1.5, 0.0, sixteen}, false},
    };
    for (const auto& c : cases) {
        SpellConfigItem item;
        item.tapInfo = c.tap;
        const ObjectPtr object = written(item);
        EXPECT_EQ(object->has("tap_info"), c.written) << c.name;
        if (c.written) {
            EXPECT_TRUE(hasMembers(object->getObject("tap_info"),
                                   parseObject("{\"seq\": \"" + c.tap.sequence.toStdString() +
                                               R"(", "factor": 1.5, "distance_ratio": 0.2})")))
                << c.name;
        }
    }
}

TEST(SpellTap, IncompleteSequenceIsReadAndStored) {
    const ItemPtr source = changedItem(TypeName::Spell);
    ObjectPtr object = written(*source);
    object->getObject("tap_info")->set("seq", std::string("1,2,3"));
    SpellConfigItem item;
    ASSERT_EQ(readError(item, object), "");
    EXPECT_EQ(item.tapInfo.sequence, QStringLiteral("1,2,3"));
    EXPECT_EQ(item.tapInfo.tapCentreY, 0.7);
    EXPECT_FALSE(written(item)->has("tap_info"));
}

TEST(SpellRead, MissingSwipeholdSettingsTakeTheSwipeholdDefaults) {
    const ItemPtr source = changedItem(TypeName::Spell);
    ObjectPtr object = written(*source);
    for (const char* member :
         {"first_point_policy", "subsequent_point_policy", "hold_center_interval_after_release",
          "in_line_policy", "target_point_input_compensatory_policy"})
        without(object, std::string("swipehold_info/") + member);
    ItemPtr item = changedItem(TypeName::Spell); // starts from non-default settings
    ASSERT_EQ(readError(*item, object), "");
    const ObjectPtr info = written(*item)->getObject("swipehold_info");
    EXPECT_TRUE(hasMembers(info, kSwipeholdSettingDefaults));
    EXPECT_TRUE(hasMembers(info, R"({"rel_radius": 0.15, "interval": 10})")); // the spell's own members
}

TEST(SpellRead, SwipeholdMembersTheSpellDropsMustStillBeWellFormed) {
    const ItemPtr source = changedItem(TypeName::Spell);
    ObjectPtr object = written(*source);
    object->getObject("swipehold_info")
        ->set("left_key", parseObject(R"({"device": "keyboard", "text": "A"})"));
    SpellConfigItem item;
    EXPECT_EQ(readError(item, object), kEmptyValue);

    object = written(*source);
    object->getObject("swipehold_info")->set("top_key", parseObject(R"({"device": "keyboard", "text": "W",
        "virtual_key": 87, "scan_code": 17})"));
    EXPECT_EQ(readError(item, object), "");
    EXPECT_EQ(text(item), text(*source));
}

TEST(SpellSwipeholdItem, CarriesTheSettingsAndFallsBackToTheWorkPosition) {
    SpellConfigItem fresh;
    fresh.workPositionX = 0.4;
    fresh.workPositionY = 0.9;
    const SwipeholdPtr plain(fresh.swipeholdItem());
    ASSERT_NE(plain, nullptr);
    SwipeholdConfigItem expected; // the swipe-hold defaults with the spell's radius
    expected.relRadius = 0.1;
    EXPECT_EQ(text(*plain), text(expected));
    const SwipeholdPtr effective(fresh.effectiveSwipeholdItem());
    EXPECT_EQ(effective->workPositionX, 0.4);
    EXPECT_EQ(effective->workPositionY, 0.9);

    const ItemPtr changed = changedItem(TypeName::Spell);
    const auto& spell = dynamic_cast<const SpellConfigItem&>(*changed);
    const SwipeholdPtr item(spell.effectiveSwipeholdItem());
    EXPECT_EQ(item->typeName, QStringLiteral("Swipehold"));
    EXPECT_EQ(item->workPositionX, 0.2); // the swipe-hold position is set, so no fallback
    EXPECT_EQ(item->workPositionY, 0.6);
    EXPECT_EQ(item->relRadius, 0.15);
    EXPECT_TRUE(item->key.isUnset());
    EXPECT_EQ(item->leftKey.text, QStringLiteral("A"));
    // The settings written by the item are the ones the spell writes in "swipehold_info".
    const ObjectPtr info = written(spell)->getObject("swipehold_info");
    const ObjectPtr settings = written(*item);
    for (const char* member :
         {"first_point_policy", "subsequent_point_policy", "hold_center_interval_after_release",
          "in_line_policy", "target_point_input_compensatory_policy", "rel_radius"})
        EXPECT_EQ(info->get(member).toString(), settings->get(member).toString()) << member;

    // The returned item is independent of the spell.
    item->firstPointPolicy.speed = 1;
    EXPECT_EQ(spell.swipeholdInfo.firstPointPolicy.speed, 4);
}

TEST(SpellCancel, Defaults) {
    EXPECT_EQ(ownMembers(SpellCancelConfigItem()), canonical(R"({"is_in_use": true, "type": "SpellCancel",
                                                                  "spell_cancel_delay_info": {"delay_time": 20}})"));
}

} // namespace
