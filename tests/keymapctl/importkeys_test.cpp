// The key table of keymapctl import against the library: every row's text is what the library
// shows for the row's code, and every row is reached from its Qt name.
#include "tools/keymapctl/import_keys.h"

#include <gtest/gtest.h>

#include <QMetaEnum>
#include <QSet>

using namespace keymapctl;

namespace {

class KeyTable : public testing::TestWithParam<QtKeyTable> {};

TEST_P(KeyTable, EveryRowShowsTheLibrarysTextAndIsFoundByItsQtName) {
    const QtKeyTable table = GetParam();
    const QMetaEnum names = table.device == QLatin1String(ovelkeymapmanager::Device::Keyboard)
                                ? QMetaEnum::fromType<Qt::Key>()
                                : QMetaEnum::fromType<Qt::MouseButtons>();
    QSet<int> codes;
    for (int i = 0; i < table.size; ++i) {
        const QtKeyRow& row = table.rows[i];
        const QString name = QLatin1String(names.valueToKey(row.qtCode));
        SCOPED_TRACE(name.toStdString());
        const ovelkeymapmanager::ConfigKey key =
            ovelkeymapmanager::CreateConfigKey(QLatin1String(table.device), row.virtualKey, row.scanCode);
        EXPECT_EQ(key.text, QString::fromUtf8(row.text));
        EXPECT_EQ(key.scanCode, row.scanCode) << "the library folds this code onto another key";
        EXPECT_FALSE(codes.contains(row.scanCode)) << "two rows share the code " << row.scanCode;
        codes.insert(row.scanCode);

        ASSERT_FALSE(name.isEmpty());
        const QtKey found = keyForQtName(name);
        EXPECT_EQ(found.status, QtKeyStatus::Mapped);
        EXPECT_EQ(found.key.device, QLatin1String(table.device));
        EXPECT_EQ(found.key.virtualKey, row.virtualKey);
        EXPECT_EQ(found.key.scanCode, row.scanCode);
    }
}

INSTANTIATE_TEST_SUITE_P(Devices, KeyTable, testing::Values(qtKeyboardTable(), qtMouseTable()));

} // namespace
