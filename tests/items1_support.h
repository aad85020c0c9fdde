// Helpers of the item suites: written text, member paths, read failures and items whose every
// field differs from its default.
#pragma once

#include "support/testsupport.h"

#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/items/allitems.h>

#include <Poco/Exception.h>
#include <Poco/JSON/Object.h>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace items1 {

using namespace ovelkeymapmanager;
using testsupport::ItemPtr;
using ObjectPtr = Poco::JSON::Object::Ptr;

// The factory types of this area.
inline const char* const kTypes[] = {TypeName::Click,
                                     TypeName::Tip,
                                     TypeName::BunchClick,
                                     TypeName::Macro,
                                     TypeName::OperationRecorder,
                                     TypeName::Eye,
                                     TypeName::Gravity,
                                     TypeName::Swipehold,
                                     TypeName::VirtualLeftStick,
                                     TypeName::VirtualRightStick,
                                     TypeName::Spell,
                                     TypeName::SpellCancel};

inline std::string text(const ConfigItem& item) {
    return testsupport::stringify(item.toJson());
}

// JSON text in the layout that items are written in, for comparing with literals.
inline std::string canonical(const std::string& json) {
    return testsupport::stringify(*testsupport::parseObject(json));
}

inline ItemPtr create(const char* typeName) {
    return ItemPtr(createConfigItemByType(QLatin1String(typeName)));
}

// The members an item adds to the common ones (its "type" kept), as text.
inline std::string ownMembers(const ConfigItem& item) {
    ObjectPtr object = testsupport::written(item);
    for (const char* common : {"editor_icon_scale", "icon", "key", "rel_work_position"})
        object->remove(common);
    return testsupport::stringify(*object);
}

// The object holding the last step of a path such as "swipehold_info/first_point_policy/speed".
inline ObjectPtr parentOf(ObjectPtr object, const std::string& path, std::string* last) {
    std::string rest = path;
    for (std::size_t slash; (slash = rest.find('/')) != std::string::npos; rest.erase(0, slash + 1))
        object = object->getObject(rest.substr(0, slash));
    *last = rest;
    return object;
}

inline Poco::Dynamic::Var at(const ObjectPtr& object, const std::string& path) {
    std::string last;
    return parentOf(object, path, &last)->get(last);
}

// Whether every leaf of the expected object (JSON text) has its value in the actual object, at the
// same path; numbers compare as numbers. Members the expected object does not name are not looked at.
inline ::testing::AssertionResult hasMembers(const ObjectPtr& actual, const ObjectPtr& expected,
                                             const std::string& path = std::string()) {
    for (const auto& member : *expected) {
        const std::string name = path + member.first;
        if (!actual->has(member.first))
            return ::testing::AssertionFailure() << name << " is missing";
        const Poco::Dynamic::Var& want = member.second;
        const Poco::Dynamic::Var got = actual->get(member.first);
        if (want.type() == typeid(ObjectPtr)) {
            if (got.type() != typeid(ObjectPtr))
                return ::testing::AssertionFailure() << name << " is not an object";
            const auto result = hasMembers(got.extract<ObjectPtr>(), want.extract<ObjectPtr>(), name + "/");
            if (!result)
                return result;
        } else if (want.isNumeric() ? !got.isNumeric() || got.convert<double>() != want.convert<double>()
                                    : got.toString() != want.toString()) {
            return ::testing::AssertionFailure()
                   << name << " is " << got.toString() << ", not " << want.toString();
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult hasMembers(const ObjectPtr& actual, const char* expected) {
    return hasMembers(actual, testsupport::parseObject(expected));
}

// The object with the member at the path removed (the object itself is changed and returned).
inline ObjectPtr without(ObjectPtr object, const std::string& path) {
    std::string last;
    parentOf(object, path, &last)->remove(last);
    return object;
}

// Reads the object into the item; the exception's class name and message ("Invalid access: Can
// not convert empty value."), or empty text when the read succeeds.
inline std::string readError(ConfigItem& item, const ObjectPtr& object) {
    try {
        item.fromJson(object);
    } catch (const Poco::Exception& error) {
        return error.displayText();
    }
    return std::string();
}

// The swipe-hold settings of a new swipe-hold item, and of a new spell's "swipehold_info".
inline const char kSwipeholdSettingDefaults[] = R"({
    "first_point_policy": {"handle_type": "Move", "move_type": "Constant", "interval": 32, "steps": 6,
        "period": 16, "speed": 100, "wait_for_second": 8, "idle_before_first_press": 0,
        "no_press_first_center_point": false},
    "subsequent_point_policy": {"handle_type": "Click", "steps": 6, "period": 16},
    "hold_center_interval_after_release": 0, "in_line_policy": "Use_Both",
    "target_point_input_compensatory_policy": {"enable": false, "distance": 0.01, "count": 3, "steps": 3,
        "period": 8, "x_policy": "Default", "y_policy": "Default", "x_policy_slope_period": 1,
        "y_policy_slope_period": 1, "x_policy_intercept_phaseshift": 0, "y_policy_intercept_phaseshift": 0}
})";

inline const std::string kEmptyValue = "Invalid access: Can not convert empty value.";
inline const std::string kNullPointer = "Null pointer";

// A new item of the type with every field, common and own, away from its default.
inline ItemPtr changedItem(const char* typeName) {
    ItemPtr item = create(typeName);
    item->iconVisible = false;
    item->iconRadiusCorrection = 1.5;
    item->iconPositionX = 0.25;
    item->iconPositionY = 0.75;
    item->iconDescription = QStringLiteral("fire \"now\" \u00e9");
    item->iconBackgroundColour = QStringLiteral("11223344");
    item->key = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("Ctrl"), 17, 29);
    item->workPositionX = 0.125;
    item->workPositionY = 0.875;
    item->editorIconScale = 2.0;
    const FirstPointPolicy first{
        QStringLiteral("Transparent"), QStringLiteral("Big_Variable"), 1, 2, 3, 4, 5, 6, true};
    const SubsequentPointPolicy next{QStringLiteral("Move"), 7, 9};
    const TargetPointCompensatoryPolicy target{
        QStringLiteral("Cos"), 1.25, 0.5, QStringLiteral("X2"), 2.5, -0.75, true, 0.125, 11, 12, 13};
    const QString inLine = QStringLiteral("sideways \u2192"); // no value of the vocabulary
    if (auto* composable = dynamic_cast<ComposableConfigItem*>(item.get()))
        composable->secondKey = makeConfigKey(QStringLiteral("mouse"), QStringLiteral("left_mouse"), 1, 1);
    if (auto* bunch = dynamic_cast<BunchClickConfigItem*>(item.get())) {
        bunch->bunchClickType = QStringLiteral("One_Off");
        bunch->continueNumber = 7;
        bunch->oneOffNumber = 9;
    }
    if (auto* macro = dynamic_cast<MacroConfigItem*>(item.get())) {
        macro->pressActions = QStringList{QStringLiteral("press W"), QString(), QStringLiteral("  sleep 5 ")};
        macro->releaseActions = QStringList{QStringLiteral("release W")};
    }
    if (auto* diamond = dynamic_cast<DiamondConfigItem*>(item.get())) {
        diamond->topKey = makeConfigKey(QStringLiteral("joystick"), QStringLiteral("dpad_up"), 0, 0);
        diamond->rightKey = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("L"), 76, 38);
        diamond->bottomKey = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("K"), 75, 37);
        diamond->leftKey = makeConfigKey(QStringLiteral("keyboard"), QStringLiteral("J"), 74, 36);
    }
    if (auto* eye = dynamic_cast<EyeConfigItem*>(item.get()))
        eye->sensitivity = 55;
    if (auto* gravity = dynamic_cast<GravityConfigItem*>(item.get()))
        gravity->sensitivity = 66;
    if (auto* swipehold = dynamic_cast<SwipeholdConfigItem*>(item.get())) {
        swipehold->firstPointPolicy = first;
        swipehold->subsequentPointPolicy = next;
        swipehold->relRadius = 0.2;
        swipehold->holdCenterIntervalAfterRelease = 40;
        swipehold->inLinePolicy = inLine;
        swipehold->targetPointPolicy = target;
    }
    if (auto* spell = dynamic_cast<SpellConfigItem*>(item.get())) {
        spell->aimInfo = {0.3, 0.4, 0.35, 120.5};
        spell->swipeholdInfo = {0.2, 0.6, 10,   11,    12,   13,   true, 0.04,   0.02,  false,
                                14,  15,  0.03, first, next, 0.15, 16,   inLine, target};
        spell->spellOption = {false,
                              true,
                              false,
                              true,
                              false,
                              QStringLiteral("Spell_Trigger_Immedaite"),
                              QStringLiteral("Spell_touch_location_swipehold_dependence"),
                              QStringLiteral("Spell_mode_curve")};
        spell->tapInfo = {0.3, 0.7, 1.5, 0.2, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16")};
    }
    if (auto* cancel = dynamic_cast<SpellCancelConfigItem*>(item.get())) {
        cancel->isInUse = false;
        cancel->delayTime = 35;
    }
    return item;
}

} // namespace items1
