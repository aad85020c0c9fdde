// The item base: common members, the key tests and the factory.
#include "support/testsupport.h"

#include <keymapmanager/config/itemfactory_p.h>

#include <Poco/Exception.h>
#include <gtest/gtest.h>

#include <typeinfo>

using namespace ovelkeymapmanager;
using testsupport::ItemPtr;

TEST(ConfigItemBase, NewItemWritesEveryCommonMemberWithItsDefault) {
    ConfigItem item(QStringLiteral("Anything"));
    EXPECT_EQ(testsupport::stringify(item.toJson()), R"({
    "editor_icon_scale": 1,
    "icon": {
        "background_color": "00000066",
        "description": "",
        "radius_correction": 1,
        "rel_position": {
            "rel_x": 0,
            "rel_y": 0
        },
        "visibility": true
    },
    "key": {
        "device": "",
        "scan_code": 2147483647,
        "text": "",
        "virtual_key": 2147483647
    },
    "rel_work_position": {
        "rel_x": 0,
        "rel_y": 0
    },
    "type": "Anything"
})");
}

TEST(ConfigItemBase, WriteReadWriteKeepsEveryChangedField) {
    ConfigItem item(QStringLiteral("Click"));
    item.iconVisible = false;
    item.iconRadiusCorrection = 0.75;
    item.iconPositionX = 0.125;
    item.iconPositionY = 0.5;
    item.iconDescription = QStringLiteral("jump \"high\" é");
    item.iconBackgroundColour = QStringLiteral("11223344");
    item.key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("A"), 65, 30);
    item.workPositionX = 0.3;
    item.workPositionY = 1.25;
    item.editorIconScale = 2.5;
    const std::string first = testsupport::stringify(item.toJson());

    ConfigItem copy(QStringLiteral("Other"));
    copy.fromJson(testsupport::parseObject(first));
    EXPECT_EQ(copy.typeName, QStringLiteral("Click"));
    EXPECT_EQ(copy.iconDescription, item.iconDescription);
    EXPECT_EQ(testsupport::stringify(copy.toJson()), first);
}

TEST(ConfigItemBase, MissingIconFailsAfterEarlierMembersWereTaken) {
    ConfigItem source(QStringLiteral("Click"));
    source.workPositionX = 0.4;
    source.editorIconScale = 3;
    source.key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("A"), 65, 30);
    source.iconDescription = QStringLiteral("kept");
    Poco::JSON::Object::Ptr object = testsupport::written(source);
    object->remove("icon");

    ConfigItem target(QStringLiteral("Tip"));
    EXPECT_THROW(target.fromJson(object), Poco::NullPointerException);
    EXPECT_EQ(target.typeName, QStringLiteral("Click"));
    EXPECT_DOUBLE_EQ(target.workPositionX, 0.4);
    EXPECT_DOUBLE_EQ(target.editorIconScale, 3);
    EXPECT_EQ(target.key.scanCode, 30);
    EXPECT_TRUE(target.iconDescription.isEmpty());
}

TEST(ConfigItemBase, MissingOrMistypedScalarsRaiseTheJsonLibrarysExceptions) {
    ConfigItem source(QStringLiteral("Click"));
    Poco::JSON::Object::Ptr object = testsupport::written(source);
    object->remove("editor_icon_scale");
    ConfigItem target(QStringLiteral("Click"));
    try {
        target.fromJson(object);
        FAIL() << "no exception";
    } catch (const Poco::InvalidAccessException& error) {
        EXPECT_EQ(error.message(), "Can not convert empty value.");
    }

    object = testsupport::written(source);
    object->getObject("key")->set("scan_code", "not a number");
    EXPECT_THROW(target.fromJson(object), Poco::Exception);
    EXPECT_THROW(target.fromJson(nullptr), Poco::NullPointerException);
}

TEST(ConfigItemBase, KeyUnsetAndMatchRules) {
    ConfigItem item(QStringLiteral("Click"));
    EXPECT_TRUE(item.isKeyUnset());
    item.key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("A"), 65, kUnsetKeyCode);
    EXPECT_TRUE(item.isKeyUnset());
    item.key.scanCode = 30;
    EXPECT_FALSE(item.isKeyUnset());

    EXPECT_TRUE(item.isKeyMatch(makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("Z"), 1, 30)));
    EXPECT_FALSE(item.isKeyMatch(makeConfigKey(QStringLiteral("mouse"), QStringLiteral("A"), 65, 30)));
    EXPECT_FALSE(item.isKeyMatch(makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("A"), 65, 31)));

    item.key = makeConfigKey(QStringLiteral("joystick"), QStringLiteral("LT"), kUnsetKeyCode, kUnsetKeyCode);
    EXPECT_FALSE(item.isKeyUnset());
    EXPECT_TRUE(item.isKeyMatch(makeConfigKey(QStringLiteral("joystick"), QStringLiteral("LT"), 5, 9)));
    EXPECT_FALSE(item.isKeyMatch(makeConfigKey(QStringLiteral("joystick"), QStringLiteral("lt"), 5, 9)));
    item.key.text.clear();
    EXPECT_TRUE(item.isKeyUnset());
}

TEST(ItemFactory, MakesTheClassOfEachTypeNameAndNothingElse) {
    const QStringList names = configItemTypeNames();
    ASSERT_EQ(names.size(), 24);
    for (const QString& name : names) {
        ItemPtr item(CreateConfigItem(name));
        ASSERT_TRUE(item) << name.toStdString();
        EXPECT_EQ(item->typeName, name);
        EXPECT_EQ(QString::fromStdString(item->toJson().getValue<std::string>("type")), name);
    }
    for (const char* name : {"click", " Click", "", "Diamond", "Pair", "Composable", "VirtualStick"})
        EXPECT_EQ(CreateConfigItem(QString::fromLatin1(name)), nullptr) << name;

    ItemPtr recorder(CreateConfigItem(QStringLiteral("OperationRecorder")));
    EXPECT_NE(dynamic_cast<MacroConfigItem*>(recorder.get()), nullptr);
    EXPECT_EQ(typeid(*recorder), typeid(OperationRecorderConfigItem));
    ItemPtr gravity(CreateConfigItem(QStringLiteral("Gravity")));
    EXPECT_EQ(dynamic_cast<EyeConfigItem*>(gravity.get()), nullptr);
    EXPECT_NE(dynamic_cast<DiamondConfigItem*>(gravity.get()), nullptr);
    ItemPtr shift(CreateConfigItem(QStringLiteral("VirtualLeftStickShiftButton")));
    EXPECT_EQ(typeid(*shift), typeid(VirtualStickLeftShiftButtonConfigItem));
    ItemPtr walk(CreateConfigItem(QStringLiteral("RightWalk")));
    EXPECT_EQ(typeid(*walk), typeid(MouseRightWalkConfigItem));
}

TEST(ItemFactory, FromJsonSkipsUnknownTypesAndRequiresType) {
    EXPECT_EQ(createConfigItemFromJson(testsupport::parseObject(R"({"type": "Nope"})")), nullptr);
    EXPECT_THROW(createConfigItemFromJson(testsupport::parseObject(R"({"kind": "Click"})")),
                 Poco::InvalidAccessException);
    EXPECT_THROW(createConfigItemFromJson(nullptr), Poco::NullPointerException);
    // An item whose own reading fails is not returned (and, under the sanitizers, not leaked).
    EXPECT_THROW(createConfigItemFromJson(testsupport::parseObject(R"({"type": "Click"})")), Poco::Exception);
}
