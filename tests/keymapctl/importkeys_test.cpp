// The key tables of keymapctl import against independent sources: every Qt row's text is what the
// library shows for the row's code and the row is found by Qt's own name of the key; every web key
// code names the Qt key its words name in Qt's enumeration; every HID usage leads to a web code of
// the table, and the usages of the letter, digit and function key runs to Qt's keys in order.
#include "tools/keymapctl/import/import_keys.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QMetaEnum>
#include <QSet>

#include <cstring>

using namespace keymapctl;

namespace {

QString qtKeyName(int qtCode) {
    return QLatin1String(QMetaEnum::fromType<Qt::Key>().valueToKey(qtCode & ~int(Qt::KeypadModifier)));
}

class KeyTable : public testing::TestWithParam<QtKeyTable> {};

TEST_P(KeyTable, EveryRowShowsTheLibrarysTextAndIsFoundByItsQtName) {
    const QtKeyTable table = GetParam();
    const bool keyboard = table.device == QLatin1String(ovelkeymapmanager::Device::Keyboard);
    QSet<int> codes;
    for (int i = 0; i < table.size; ++i) {
        const QtKeyRow& row = table.rows[i];
        SCOPED_TRACE(row.text);
        const ovelkeymapmanager::ConfigKey key =
            ovelkeymapmanager::CreateConfigKey(QLatin1String(table.device), row.virtualKey, row.scanCode);
        EXPECT_EQ(key.text, QString::fromUtf8(row.text));
        EXPECT_EQ(key.scanCode, row.scanCode) << "the library folds this code onto another key";
        EXPECT_FALSE(codes.contains(row.scanCode)) << "two rows share the code " << row.scanCode;
        codes.insert(row.scanCode);

        // Qt names no wheel button, and names keypad keys by the main block's key and a modifier.
        const QString name =
            keyboard ? qtKeyName(row.qtCode)
                     : QLatin1String(QMetaEnum::fromType<Qt::MouseButtons>().valueToKey(row.qtCode));
        if (!keyboard && row.qtCode < 0)
            continue;
        ASSERT_FALSE(name.isEmpty()) << "Qt has no key " << row.qtCode;
        if (row.qtCode & Qt::KeypadModifier)
            continue;
        const QtKey found = keyForQtName(name);
        EXPECT_EQ(found.status, QtKeyStatus::Mapped);
        EXPECT_EQ(found.key.device, QLatin1String(table.device));
        EXPECT_EQ(found.key.virtualKey, row.virtualKey);
        EXPECT_EQ(found.key.scanCode, row.scanCode);
    }
}

INSTANTIATE_TEST_SUITE_P(Devices, KeyTable, testing::Values(qtKeyboardTable(), qtMouseTable()));

// Web key codes are words: "Key"/"Digit"/"Arrow" before the key's word, "Left"/"Right" after a
// modifier's, "Numpad" before a keypad key's. Where the web's word and Qt's differ, this says so.
QString qtWordOfWebCode(QString code, bool& keypad) {
    static const QMap<QString, QString> mainWords{{"Enter", "Return"},
                                                  {"Quote", "Apostrophe"},
                                                  {"Backquote", "QuoteLeft"},
                                                  {"PrintScreen", "Print"},
                                                  {"ContextMenu", "Menu"}};
    static const QMap<QString, QString> keypadWords{{"Decimal", "Period"},
                                                    {"Subtract", "Minus"},
                                                    {"Divide", "Slash"},
                                                    {"Multiply", "Asterisk"},
                                                    {"Add", "Plus"}};
    keypad =
        code.startsWith("Numpad") && code != "NumpadEnter" && code != "NumpadMultiply" && code != "NumpadAdd";
    if (code.startsWith("Numpad")) {
        code.remove(0, 6);
        return keypadWords.value(code, code);
    }
    for (const char* prefix : {"Key", "Digit", "Arrow"}) {
        if (code.startsWith(QLatin1String(prefix)))
            code.remove(0, int(strlen(prefix)));
    }
    for (const char* modifier : {"Shift", "Control", "Alt", "Meta"}) {
        if (code.startsWith(QLatin1String(modifier)) && (code.endsWith("Left") || code.endsWith("Right")))
            return QLatin1String(modifier);
    }
    return mainWords.value(code, code);
}

TEST(WebKeyTable, EveryCodeNamesTheQtKeyOfItsWords) {
    const WebKeyTable table = webKeyTable();
    for (int i = 0; i < table.size; ++i) {
        const WebKeyRow& row = table.rows[i];
        SCOPED_TRACE(row.code);
        bool keypad = false;
        const QString word = qtWordOfWebCode(QLatin1String(row.code), keypad);
        EXPECT_EQ(qtKeyName(row.qtCode).toStdString(), "Key_" + word.toStdString());
        EXPECT_EQ(bool(row.qtCode & Qt::KeypadModifier), keypad);
        const QtKey found = keyForWebCode(QLatin1String(row.code));
        EXPECT_NE(found.status, QtKeyStatus::Unknown);
        EXPECT_EQ(found.key.scanCode, keyForQtCode(qtKeyboardTable(), row.qtCode).key.scanCode);
    }
    EXPECT_EQ(keyForWebCode("keyw").status, QtKeyStatus::Unknown) << "codes are matched exactly";
}

TEST(HidUsageTable, EveryUsageLeadsToAWebCodeAndTheRunsKeepQtsOrder) {
    const HidUsageTable table = hidUsageTable();
    // The usage page's runs: A-Z from 4, 1-9 from 30 and 0 after them, F1-F12 from 58, keypad 1-9
    // from 89 and keypad 0 after them.
    const struct {
        int first, last, qtFirst;
    } runs[] = {{4, 29, Qt::Key_A},   {30, 38, Qt::Key_1},         {39, 39, Qt::Key_0},
                {58, 69, Qt::Key_F1}, {89, 97, keypad(Qt::Key_1)}, {98, 98, keypad(Qt::Key_0)}};
    int previous = -1;
    for (int i = 0; i < table.size; ++i) {
        const HidUsageRow& row = table.rows[i];
        SCOPED_TRACE(row.usage);
        EXPECT_GT(row.usage, previous) << "usages are listed once, rising";
        previous = row.usage;
        const QtKey found = keyForHidUsage(row.usage);
        EXPECT_NE(found.status, QtKeyStatus::Unknown) << row.code << " is no web code of the table";
        for (const auto& run : runs) {
            if (row.usage >= run.first && row.usage <= run.last) {
                EXPECT_EQ(found.key.scanCode,
                          keyForQtCode(qtKeyboardTable(), run.qtFirst + row.usage - run.first).key.scanCode);
            }
        }
    }
    EXPECT_EQ(keyForHidUsage(50).status, QtKeyStatus::Unsupported) << "a usage no key of a keymap has";
}

} // namespace
