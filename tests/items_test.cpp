// Every item type against its row of the table (what a new item writes, how each member is read), and
// the example documents in examples/, which together hold every type.
#include "items_support.h"

#include <keymapmanager/document/documentio_p.h>
#include <keymapmanager/config/keymapconfig.h>

#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>

using namespace items;
using testsupport::ConfigPtr;
using testsupport::readFile;

namespace {

bool isUnder(const std::string& path, const std::string& object) {
    return path == object || path.rfind(object + "/", 0) == 0;
}

// Where each member stands in reading order; members read into a temporary stand where the last of
// them does, as they are taken over together.
std::vector<std::size_t> readingPlaces(const TypeCase& row, const std::vector<std::string>& paths) {
    std::vector<std::size_t> places;
    std::vector<std::size_t> together;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        places.push_back(i);
        for (const std::string& object : words(row.takenTogether)) {
            if (isUnder(paths[i], object))
                together.push_back(i);
        }
    }
    for (const std::size_t i : together)
        places[i] = together.back();
    return places;
}

// The object written only when complete that holds the path, or empty text: what was read of it
// before a failure may not show.
std::string completeOnly(const std::string& path) {
    for (const std::string object : {"second_key", "tap_info"}) {
        const std::size_t at = path.find(object);
        if (at != std::string::npos)
            return path.substr(0, at + object.size());
    }
    return std::string();
}

TEST(ItemTypes, NewItemsWriteTheirRowLessTheMembersWrittenOnlyWhenComplete) {
    for (const TypeCase& row : kTypes) {
        ObjectPtr expected = rowObject(row);
        expected->remove("second_key");
        expected->remove("tap_info");
        for (const char* side : {"positive_key", "negative_key"}) {
            if (expected->has(side))
                expected->getObject(side)->remove("second_key");
        }
        EXPECT_EQ(stringify(create(row.type)->toJson()), canonical(*expected)) << row.type;
    }
}

TEST(ItemTypes, EveryChangedValueIsReadAndWrittenBack) {
    for (const TypeCase& row : kTypes) {
        const ObjectPtr changed = changedObject(row);
        const ItemPtr item = create(row.type);
        ASSERT_EQ(readError(*item, changed), "") << row.type;
        EXPECT_EQ(stringify(item->toJson()), canonical(*changed)) << row.type;
    }
}

// Each member of a changed item left out in turn. Without an optional member the read succeeds and
// that member keeps the new item's value; an optional object of another kind fails the read. Without a
// required member the read fails with the JSON library's exception, after taking the members before
// it in reading order and none after it.
TEST(ItemTypes, EachMemberLeftOut) {
    for (const TypeCase& row : kTypes) {
        std::vector<std::string> optionalPaths;
        const ObjectPtr changed = changedObject(row, &optionalPaths);
        const ObjectPtr defaults = written(*create(row.type));
        std::vector<std::string> paths;
        collectPaths(*changed, "", paths);
        const std::vector<std::size_t> places = readingPlaces(row, paths);
        for (std::size_t i = 0; i < paths.size(); ++i) {
            SCOPED_TRACE(row.type + " without " + paths[i]);
            ObjectPtr input = parseObject(stringify(*changed));
            std::string last;
            ObjectPtr parent = parentOf(input, paths[i], &last);
            const bool isObject = isObjectAt(input, paths[i]) || parent->isArray(last);
            parent->remove(last);
            const ItemPtr item = create(row.type);
            const std::string error = readError(*item, input);
            const bool optional =
                std::find(optionalPaths.begin(), optionalPaths.end(), paths[i]) != optionalPaths.end();
            EXPECT_EQ(error, optional ? "" : isObject ? kNullPointer : kEmptyValue);
            const ObjectPtr read = written(*item);
            for (std::size_t j = 0; j < paths.size(); ++j) {
                if (isObjectAt(changed, paths[j]) || (!optional && !completeOnly(paths[i]).empty() &&
                                                      completeOnly(paths[i]) == completeOnly(paths[j])))
                    continue; // objects show through their members; part of a complete-only one may not
                const bool taken = optional ? !isUnder(paths[j], paths[i]) : places[j] < i;
                EXPECT_EQ(valueAt(read, paths[j]), valueAt(taken ? changed : defaults, paths[j])) << paths[j];
            }
            if (optional && isObject) {
                parent->set(last, 1);
                EXPECT_EQ(readError(*create(row.type), input), kNullPointer) << "member of another kind";
            }
        }
    }
}

// The factory's one table gives the names in its order and the class of each; no other name (the
// base classes' among them) makes an item. The class made shows in the members its new item writes.
TEST(ItemFactory, NamesTheTypesInItsOrderAndTheClassOfEach) {
    QStringList types;
    for (const TypeCase& row : kTypes) {
        types.append(QString::fromStdString(row.type));
        EXPECT_EQ(ConfigItemClassName(types.back()).toStdString(), row.className);
    }
    EXPECT_EQ(ConfigItemTypeNames(), types);
    for (const char* name :
         {"click", " Click", "", "Diamond", "Pair", "Composable", "VirtualStick", "ClickConfigItem"}) {
        EXPECT_EQ(ItemPtr(CreateConfigItem(QLatin1String(name))), nullptr) << name;
        EXPECT_EQ(ConfigItemClassName(QLatin1String(name)), QString()) << name;
    }
}

// The files are kept in the text that saving produces, so the text of what was loaded is the file;
// together they use every type.
TEST(Examples, SavingALoadedExampleGivesTheFileByteForByte) {
    testsupport::FailureCounter failures;
    const QStringList names = ConfigItemTypeNames();
    QSet<QString> unused(names.begin(), names.end());
    for (const char* example :
         {"examples/keymap-landscape-1280x720.json", "examples/joystick-virtual-gamepad.json"}) {
        const QString path = testsupport::sourcePath(example);
        const ConfigPtr document(LoadKeymapConfigAndInfo(path));
        for (const ConfigItem* item : document->items)
            unused.remove(item->typeName);
        EXPECT_EQ(documentText(*document).toStdString(), readFile(path).toStdString()) << example;
    }
    EXPECT_EQ(failures.count(), 0);
    EXPECT_EQ(QStringList(unused.values()).join(QLatin1Char(' ')).toStdString(), "");
}

} // namespace
