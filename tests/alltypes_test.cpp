// Every item type through a whole document, and the example documents in examples/.
#include "support/testsupport.h"

#include <keymapmanager/config/itemfactory_p.h>
#include <keymapmanager/items/allitems.h>

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <typeinfo>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;
using testsupport::ItemPtr;
using testsupport::readFile;
using testsupport::stringify;

namespace {

TEST(AllTypes, ANewItemOfEveryTypeComesBackFromAFileAsItsOwnClass) {
    const QStringList names = configItemTypeNames();
    ASSERT_EQ(names.size(), 24);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    testsupport::FailureCounter failures;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        KeymapConfig document;
        ConfigItem* item = CreateConfigItem(name);
        ASSERT_NE(item, nullptr);
        document.items.append(item);
        const QString path = dir.filePath(name + QStringLiteral(".json"));
        ASSERT_TRUE(SaveKeymapConfigAndInfo(path, &document));

        const ConfigPtr loaded(LoadKeymapConfigAndInfo(path));
        ASSERT_EQ(loaded->items.size(), 1);
        const ConfigItem& back = *loaded->items.first();
        EXPECT_EQ(typeid(back), typeid(*item));
        EXPECT_EQ(back.typeName, name);
        EXPECT_EQ(stringify(back.toJson()), stringify(item->toJson()));
    }
    EXPECT_EQ(failures.count(), 0);
}

struct Example {
    const char* file;
    bool joystick;
};

const Example kExamples[] = {
    {"examples/keymap-landscape-1280x720.json", false},
    {"examples/joystick-virtual-gamepad.json", true},
};

ConfigPtr load(const Example& example) {
    const QString path = testsupport::sourcePath(example.file);
    return ConfigPtr(example.joystick ? LoadJoystickConfigAndInfo(path) : LoadKeymapConfigAndInfo(path));
}

// The files are kept in the text that saving produces, so saving what was loaded gives them back.
TEST(Examples, SavingALoadedExampleGivesTheFileByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    testsupport::FailureCounter failures;
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.file);
        const QByteArray original = readFile(testsupport::sourcePath(example.file));
        ASSERT_FALSE(original.isEmpty());
        const ConfigPtr document = load(example);
        EXPECT_EQ(document->info->isJoystick, example.joystick);
        const QString saved = dir.filePath(QStringLiteral("saved.json"));
        ASSERT_TRUE(example.joystick ? SaveJoystickConfigAndInfo(saved, document.get())
                                     : SaveKeymapConfigAndInfo(saved, document.get()));
        EXPECT_EQ(readFile(saved).toStdString(), original.toStdString());
    }
    EXPECT_EQ(failures.count(), 0);
}

TEST(Examples, TogetherTheExamplesUseEveryTypeName) {
    QSet<QString> used;
    for (const Example& example : kExamples) {
        const ConfigPtr document = load(example);
        for (const ConfigItem* item : document->items)
            used.insert(item->typeName);
    }
    QStringList missing;
    for (const QString& name : configItemTypeNames()) {
        if (!used.contains(name))
            missing.append(name);
    }
    EXPECT_EQ(missing.join(QLatin1Char(' ')).toStdString(), "");
    EXPECT_EQ(used.size(), 24);
}

} // namespace
