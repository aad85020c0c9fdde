// Values that items keep in their own way: macro lines, the spell's tap sequence and swipe-hold settings.
#include "items_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace items;

namespace {

using SwipeholdPtr = std::unique_ptr<SwipeholdConfigItem>;

const TypeCase& row(const std::string& type) {
    return *std::find_if(std::begin(kTypes), std::end(kTypes),
                         [&](const TypeCase& c) { return c.type == type; });
}

// Lines of every kind (control characters, right-to-left text, emoji, injection strings...) come back
// unchanged, and reading adds them after the lines the item already holds.
TEST(MacroLines, AreKeptByteForByteAndReadingAppends) {
    KEYMAP_NEEDS_SHARED_TESTDATA();
    const QByteArray naughty =
        testsupport::readFile(testsupport::sharedPath("testdata/naughty-strings/blns.txt"));
    const QStringList lines = QString::fromUtf8(naughty).split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 700);
    MacroConfigItem item;
    item.releaseActions = lines;
    MacroConfigItem read;
    read.releaseActions = QStringList{QStringLiteral("kept")};
    ASSERT_EQ(readError(read, written(item)), "");
    EXPECT_EQ(read.releaseActions, QStringList{QStringLiteral("kept")} + lines);
    EXPECT_TRUE(read.pressActions.isEmpty());
}

TEST(MacroLines, ElementsAreReadAsTextAndANullStopsTheRead) {
    MacroConfigItem item;
    ObjectPtr object = written(item);
    object->set("press_actions", parseObject(R"({"a": [5, 2.5, true, "x", null, "y"]})")->getArray("a"));
    EXPECT_EQ(readError(item, object), kEmptyValue);
    EXPECT_EQ(item.pressActions, (QStringList{QStringLiteral("5"), QStringLiteral("2.5"),
                                              QStringLiteral("true"), QStringLiteral("x")}));
}

// The tap sequence is written only when complete: a centre away from 0,0, a factor and a distance
// ratio, and 16 comma-separated parts (whatever they hold). An incomplete one is still read and kept.
TEST(SpellTap, IsWrittenOnlyWhenComplete) {
    const QString sixteen = QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
    const struct {
        SpellTapInfo tap;
        bool complete;
    } cases[] = {
        {{0.3, 0.7, 1.5, 0.2, sixteen}, true},
        {{0.3, 0.0, 1.5, 0.2, sixteen}, true},
        {{0.0, 0.7, 1.5, 0.2, sixteen}, true},
        {{0.3, 0.7, 1.5, 0.2, QStringLiteral(",,,,,,,,,,,,,,,")}, true},
        {{0.3, 0.7, 1.5, 0.2, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15")}, false},
        {{0.3, 0.7, 1.5, 0.2, sixteen + QStringLiteral(",")}, false},
        {{0.3, 0.7, 1.5, 0.2, QString()}, false},
        {{0.0, 0.0, 1.5, 0.2, sixteen}, false},
        {{0.3, 0.7, 0.0, 0.2, sixteen}, false},
        {{0.3, 0.7, 1.5, 0.0, sixteen}, false},
    };
    for (const auto& c : cases) {
        SpellConfigItem item;
        item.tapInfo = c.tap;
        EXPECT_EQ(valueAt(written(item), "tap_info/seq"),
                  c.complete ? c.tap.sequence.toStdString() : "(absent)")
            << &c - cases;
    }
    ObjectPtr object = parseObject(stringify(*changedObject(row("Spell"))));
    object->getObject("tap_info")->set("seq", std::string("1,2,3"));
    SpellConfigItem read;
    ASSERT_EQ(readError(read, object), "");
    EXPECT_EQ(read.tapInfo.sequence, QStringLiteral("1,2,3"));
    EXPECT_FALSE(written(read)->has("tap_info"));
}

// The settings go through a new swipe-hold item: those left out take the swipe-hold defaults, not the
// spell's previous values, and the members the spell drops (keys) must still be well-formed.
TEST(SpellSwipehold, SettingsAreReadThroughANewSwipeholdItem) {
    const ObjectPtr changed = changedObject(row("Spell"));
    SpellConfigItem item;
    ASSERT_EQ(readError(item, changed), "");
    ObjectPtr object = parseObject(stringify(*changed));
    ObjectPtr info = object->getObject("swipehold_info");
    const std::vector<std::string> settings = words(row("Spell").takenTogether);
    for (const std::string& path : settings)
        info->remove(path.substr(path.find('/') + 1));
    ASSERT_EQ(readError(item, object), "");
    for (const std::string& path : settings)
        EXPECT_EQ(valueAt(written(item), path), valueAt(written(SpellConfigItem()), path)) << path;
    EXPECT_EQ(valueAt(written(item), "swipehold_info/interval"), valueAt(changed, "swipehold_info/interval"));
    info->set("left_key", parseObject(R"({"device": "keyboard", "text": "A"})"));
    EXPECT_EQ(readError(item, object), kEmptyValue);
    info->set("left_key", written(SwipeholdConfigItem())->getObject("left_key"));
    EXPECT_EQ(readError(item, object), "");
    EXPECT_FALSE(written(item)->getObject("swipehold_info")->has("left_key"));
}

TEST(SpellSwipehold, ItemCarriesTheSettingsAndFallsBackToTheWorkPosition) {
    SpellConfigItem fresh;
    fresh.workPositionX = 0.4;
    fresh.workPositionY = 0.9;
    EXPECT_EQ(SwipeholdPtr(fresh.swipeholdItem())->workPositionX, 0.0);
    const SwipeholdPtr effective(fresh.effectiveSwipeholdItem());
    EXPECT_EQ(effective->workPositionX, 0.4);
    EXPECT_EQ(effective->workPositionY, 0.9);

    SpellConfigItem spell;
    ASSERT_EQ(readError(spell, changedObject(row("Spell"))), "");
    spell.swipeholdInfo.swipeholdPositionX = 0.0; // one coordinate set is enough to keep the position
    const SwipeholdPtr item(spell.effectiveSwipeholdItem());
    EXPECT_EQ(item->workPositionX, 0.0);
    EXPECT_EQ(item->workPositionY, spell.swipeholdInfo.swipeholdPositionY);
    EXPECT_TRUE(item->key.isUnset());
    EXPECT_EQ(item->leftKey.text, QStringLiteral("A"));
    for (const std::string& path : words(row("Spell").takenTogether + " swipehold_info/rel_radius")) {
        const std::string member = path.substr(path.find('/') + 1);
        EXPECT_EQ(valueAt(written(spell), path), valueAt(written(*item), member)) << member;
    }
    item->firstPointPolicy.speed = 1; // the returned item is the caller's own
    EXPECT_NE(spell.swipeholdInfo.firstPointPolicy.speed, 1);
}

} // namespace
