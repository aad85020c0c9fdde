// Moving a document to another screen through the library: properties over random screens and
// options, and what the report says. The fixture's numbers are held to the rule, computed
// independently, by tests/retarget/check_retarget.py.
#include "support/testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;

namespace {

QString number(double value) {
    return QString::number(value, 'f', 6);
}

// Random screens from phone portrait to ultra-wide, and options of every kind.
struct Draw {
    std::mt19937 random{2026};
    QSize size() {
        return {std::uniform_int_distribution<>(480, 3840)(random),
                std::uniform_int_distribution<>(480, 2400)(random)};
    }
    KeymapRetargetOptions options() {
        KeymapRetargetOptions options;
        options.scale = RetargetScale(std::uniform_int_distribution<>(0, 3)(random));
        options.safeAspect = std::uniform_int_distribution<>(0, 1)(random)
                                 ? 0
                                 : std::uniform_real_distribution<>(0.5, 2.5)(random);
        return options;
    }
    double fraction() { return std::uniform_int_distribution<>(0, 1000000)(random) / 1e6; }
};

ConfigPtr retarget(const KeymapConfig& document, QSize from, QSize to, const KeymapRetargetOptions& options,
                   KeymapRetargetReport* report = nullptr) {
    ConfigPtr moved(RetargetKeymapConfig(&document, from, to, options, report));
    EXPECT_TRUE(moved);
    return moved;
}

} // namespace

// A position in macro running text moves exactly as a Click at that position does, in every
// coordinate command, with "mouse" and other lines kept; one that would go left of or above the
// screen, which running text cannot say, leaves its line as it was and the report says so.
TEST(RetargetTest, MacroPointLandsWhereClickLands) {
    Draw draw;
    for (int round = 0; round < 300; ++round) {
        const double x = draw.fraction();
        const double y = draw.fraction();
        const QString at = QStringLiteral("(%1,%2)").arg(number(x), number(y));
        auto click = std::make_unique<ClickConfigItem>();
        click->workPositionX = x;
        click->workPositionY = y;
        auto macro = std::make_unique<MacroConfigItem>();
        macro->pressActions = QStringList{QStringLiteral("click_rel:") + at, QStringLiteral("sleep:20"),
                                          QStringLiteral("curve_rel:mouse;") + at + QLatin1Char(';') + at};
        macro->releaseActions = QStringList{QStringLiteral("screenshot_rel:") + at + QLatin1Char(';') + at};
        KeymapConfig document({click.release(), macro.release()}, new KeymapInfo, new KeymapParam);
        const QSize from = draw.size();
        const QSize to = draw.size();
        KeymapRetargetReport report;
        const ConfigPtr moved = retarget(document, from, to, draw.options(), &report);

        const ConfigItem& movedClick = *moved->items.at(0);
        const auto& movedMacro = dynamic_cast<const MacroConfigItem&>(*moved->items.at(1));
        SCOPED_TRACE(QStringLiteral("%1 from %2x%3 to %4x%5")
                         .arg(at)
                         .arg(from.width())
                         .arg(from.height())
                         .arg(to.width())
                         .arg(to.height())
                         .toStdString());
        const bool writable = movedClick.workPositionX >= 0 && movedClick.workPositionY >= 0;
        const QString landed = writable ? QStringLiteral("(%1,%2)").arg(number(movedClick.workPositionX),
                                                                        number(movedClick.workPositionY))
                                        : at;
        EXPECT_EQ(movedMacro.pressActions,
                  (QStringList{QStringLiteral("click_rel:") + landed, QStringLiteral("sleep:20"),
                               QStringLiteral("curve_rel:mouse;") + landed + QLatin1Char(';') + landed}));
        EXPECT_EQ(movedMacro.releaseActions,
                  QStringList{QStringLiteral("screenshot_rel:") + landed + QLatin1Char(';') + landed});
        EXPECT_EQ(report.leftSomething(), !writable);
    }
}

// The same screen on both sides changes nothing, whatever the options: saving writes the very
// bytes of the document moved, for both kinds of document and elements of unknown type.
TEST(RetargetTest, SameScreenChangesNothing) {
    Draw draw;
    QStringList files = QDir(testsupport::sourcePath("examples")).entryList({QStringLiteral("*.json")});
    for (QString& file : files)
        file = testsupport::sourcePath("examples/") + file;
    for (const char* name :
         {"retarget-1600x900.json", "unknown-type.json", "with-images.json", "crowded.json"})
        files << testsupport::sourcePath("tests/keymapctl/data/") + QLatin1String(name);
    for (const QString& file : files) {
        const ConfigPtr document(
            LoadConfigAndInfoWithReport(file, file.contains(QLatin1String("joystick")), nullptr));
        for (int round = 0; round < 5; ++round) {
            const QSize size = draw.size();
            const ConfigPtr moved = retarget(*document, size, size, draw.options());
            EXPECT_EQ(ConfigAndInfoSavedText(moved.get()), ConfigAndInfoSavedText(document.get()))
                << file.toStdString();
        }
    }
}

// Narrow to wide and back with the scale of the height: every number of every item and block comes
// back within 1e-9 (macro lines within their six decimals are held by check_retarget.py).
TEST(RetargetTest, ThereAndBackByHeightRestores) {
    Draw draw;
    const ConfigPtr document(
        LoadKeymapConfigAndInfo(testsupport::sourcePath("tests/keymapctl/data/retarget-1600x900.json")));
    KeymapRetargetOptions options;
    options.scale = RetargetScale::Height;
    for (int round = 0; round < 40; ++round) {
        const QSize narrow = draw.size();
        const QSize wide(narrow.width() + std::uniform_int_distribution<>(1, 2000)(draw.random),
                         narrow.height());
        options.safeAspect = round % 2 ? 0 : 16.0 / 9;
        const ConfigPtr there = retarget(*document, narrow, wide, options);
        const ConfigPtr back = retarget(*there, wide, narrow, options);
        for (int i = 0; i < document->items.size(); ++i) {
            const ConfigItem& before = *document->items.at(i);
            const ConfigItem& after = *back->items.at(i);
            EXPECT_NEAR(after.workPositionX, before.workPositionX, 1e-9) << i;
            EXPECT_NEAR(after.workPositionY, before.workPositionY, 1e-9) << i;
            EXPECT_NEAR(after.iconPositionX, before.iconPositionX, 1e-9) << i;
            EXPECT_NEAR(after.iconPositionY, before.iconPositionY, 1e-9) << i;
        }
        const QRectF rect = back->info->featureImages.at(0).at(0).rect;
        const QRectF original = document->info->featureImages.at(0).at(0).rect;
        EXPECT_NEAR(rect.x(), original.x(), 1e-9);
        EXPECT_NEAR(rect.bottom(), original.bottom(), 1e-9);
    }
}

// Each item is reported at its place in "keymaps" (elements of unknown type count), with the anchor
// given for it or the one its third of the screen gives; what cannot be moved is named.
TEST(RetargetTest, ReportsEachItemAndWhatItLeft) {
    const ConfigPtr document(
        LoadKeymapConfigAndInfo(testsupport::sourcePath("examples/keymap-landscape-1280x720.json")));
    auto& macro = dynamic_cast<MacroConfigItem&>(*document->items.at(8));
    macro.pressActions =
        QStringList{QStringLiteral("click_rel:(0.340000,0.500000)"), QStringLiteral("not a command"),
                    QStringLiteral("screenshot_rel:(0.1;0.2)")};
    document->keptElements().append(KeptElement{1, Poco::JSON::Object::Ptr(new Poco::JSON::Object)});
    KeymapRetargetOptions options;
    options.anchors.insert(3, QPointF(1, 1));
    options.scale = RetargetScale::Max;
    KeymapRetargetReport report;
    // Landscape to portrait: the macro's point at (0.34, 0.5), anchored at the middle, would move past the
    // left edge.
    const ConfigPtr moved = retarget(*document, {1280, 720}, {720, 1280}, options, &report);

    ASSERT_EQ(report.items.size(), document->items.size());
    EXPECT_EQ(report.items.at(0).element, 0);
    EXPECT_EQ(report.items.at(1).element, 2);
    EXPECT_EQ(report.items.at(1).anchor, QPointF(1, 0.5)); // Staring at (0.68, 0.42)
    EXPECT_FALSE(report.items.at(1).anchorGiven);
    EXPECT_EQ(report.items.at(1).newPosition,
              QPointF(moved->items.at(1)->workPositionX, moved->items.at(1)->workPositionY));
    EXPECT_EQ(report.items.at(2).element, 3);
    EXPECT_TRUE(report.items.at(2).anchorGiven);
    EXPECT_EQ(report.items.at(2).anchor, QPointF(1, 1));
    EXPECT_EQ(dynamic_cast<const MacroConfigItem&>(*moved->items.at(8)).pressActions, macro.pressActions);
    QStringList left;
    for (const KeymapRetargetFinding& finding : report.findings) {
        if (finding.left)
            left << finding.path;
    }
    EXPECT_EQ(left, (QStringList{QStringLiteral("keymaps[9].press_actions[0]"),
                                 QStringLiteral("keymaps[9].press_actions[1]"),
                                 QStringLiteral("keymaps[9].press_actions[2]"),
                                 QStringLiteral("keymaps[23].rel_all_points_pos")}));
    EXPECT_EQ(moved->keptElements().size(), 1);
}

TEST(RetargetTest, RefusesWhatIsNoScreen) {
    KeymapConfig document;
    KeymapRetargetOptions options;
    EXPECT_TRUE(ConfigPtr(RetargetKeymapConfig(&document, {1280, 720}, {1920, 1080}, options, nullptr)));
    EXPECT_FALSE(RetargetKeymapConfig(nullptr, {1280, 720}, {1920, 1080}, options, nullptr));
    EXPECT_FALSE(RetargetKeymapConfig(&document, {0, 720}, {1920, 1080}, options, nullptr));
    EXPECT_FALSE(RetargetKeymapConfig(&document, {1280, 720}, {1920, -1}, options, nullptr));
    options.safeAspect = -1;
    EXPECT_FALSE(RetargetKeymapConfig(&document, {1280, 720}, {1920, 1080}, options, nullptr));
    options.safeAspect = std::nan("");
    EXPECT_FALSE(RetargetKeymapConfig(&document, {1280, 720}, {1920, 1080}, options, nullptr));
}
