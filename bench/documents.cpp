#include "documents.h"

#include <keymapmanager/keymapmanager.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>

namespace benchdata {

using namespace ovelkeymapmanager;

namespace {

const char* const kTypes[] = {"Click", "BunchClick", "Fire", "RightWalk", "Spell", "Staring", "Swipehold", "Eye",
                              "Curve", "SpellCancel", "LeftStickWalk", "RightStickEye", "Macro", "Gravity",
                              "Wheel", "Zoom", "Observe", "OperationRecorder", "Tip", "VirtualLeftStick",
                              "VirtualLeftStickShiftButton", "VirtualRightStick", "VirtualJoystickButton",
                              "VirtualJoystickBunchButton"};

const char* const kMacroLines[] = {
    "click 640,360",        "sleep 50",           "key_press ctrl",        "key_press a",
    "key_release a",        "key_release ctrl",   "press 100,200 mouse",   "sleep",
    "release 100,200",      "mouse_press left",   "mouse_release left",    "switch 300,300",
    "curve 10,10 20,20 30,30", "curve_first_time 20", "curve_last_time untilcmd", "curve_release",
    "loop 3",               "mouse_wheelup 2",    "loop_end",              "text \"gg wp\"",
    "default_sleep_time 16", "joystick_press A",  "joystick_release A",    "key_switch space",
    "mouse_switch right",   "enter_staring",      "exit_staring",          "release_all",
    "hold_switch",          "mouselocked_switch", "swipehold_radius_increased_switch 1.5",
    "mouse_wheeldown 1",    "screenshot 100,100 500,300"};

QString makeTempDir() {
    static QTemporaryDir dir;
    return dir.path();
}

QByteArray savedText(KeymapConfig& config) {
    const QString path = makeTempDir() + QStringLiteral("/generated.json");
    SaveKeymapConfigAndInfo(path, &config);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

QStringList editingMacro(int lineCount) {
    QStringList lines;
    const int kinds = int(sizeof(kMacroLines) / sizeof(kMacroLines[0]));
    for (int i = 0; i < lineCount; ++i)
        lines.append(QString::fromLatin1(kMacroLines[i % kinds]));
    return lines;
}

QByteArray keymapText(int itemCount) {
    KeymapConfig config;
    const int kinds = int(sizeof(kTypes) / sizeof(kTypes[0]));
    for (int i = 0; i < itemCount; ++i) {
        ConfigItem* item = CreateConfigItem(QString::fromLatin1(kTypes[i % kinds]));
        item->key = CreateConfigKey(QStringLiteral("keyboard"), 65 + i % 26, 16 + i % 40);
        item->workPositionX = (i % 97) / 97.0;
        item->workPositionY = (i % 89) / 89.0;
        item->iconDescription = QStringLiteral("item %1").arg(i);
        if (auto* chord = dynamic_cast<ComposableConfigItem*>(item); chord && i % 3 == 0)
            chord->secondKey = CreateConfigKey(QStringLiteral("keyboard"), 17, 29);
        if (auto* macro = dynamic_cast<MacroConfigItem*>(item)) {
            const QStringList lines = editingMacro(15);
            macro->pressActions = lines.mid(0, 10);
            macro->releaseActions = lines.mid(10, 5);
        }
        config.items.append(item);
    }
    return savedText(config);
}

QByteArray imageKeymapText(int imageCount, int width, int height) {
    KeymapConfig config;
    QList<FeatureImageInfo> groups[2];
    for (int i = 0; i < imageCount; ++i) {
        // A screen-like picture: gradients and shapes compress like a game screenshot, not like noise.
        QImage image(width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, width, height);
        gradient.setColorAt(0, QColor::fromHsv((i * 40) % 360, 200, 200));
        gradient.setColorAt(1, QColor::fromHsv((i * 40 + 120) % 360, 120, 60));
        painter.fillRect(image.rect(), gradient);
        for (int k = 0; k < 40; ++k)
            painter.fillRect((k * 97) % width, (k * 53) % height, 60 + k, 40 + k, QColor::fromHsv((k * 23) % 360, 255, 255));
        painter.end();
        groups[i % 2].append(FeatureImageInfo(QRectF(0.1, 0.1, 0.2, 0.2), QSize(width, height), image));
    }
    config.info->featureImages = {groups[0], groups[1]};
    for (int i = 0; i < 24; ++i)
        config.items.append(CreateConfigItem(QString::fromLatin1(kTypes[i])));
    return savedText(config);
}

QString writeTemporary(const char* name, const QByteArray& bytes) {
    const QString path = makeTempDir() + QLatin1Char('/') + QString::fromLatin1(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

} // namespace benchdata
