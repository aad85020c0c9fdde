// Test probe for keymapctl render: checks that a PNG has the expected size, that its corner
// shows the background colour, and that the pixel at every item's work position does not.
//   keymapctl_pngprobe IMAGE WIDTHxHEIGHT RRGGBB KEYMAP.json
// Exit 0 when all holds, 1 otherwise (each failure is printed).
#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: keymapctl_pngprobe IMAGE WxH RRGGBB KEYMAP.json\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    const QStringList size = QString::fromLatin1(argv[2]).split(QLatin1Char('x'));
    const QColor background(QLatin1Char('#') + QString::fromLatin1(argv[3]));
    QFile keymap(QString::fromLocal8Bit(argv[4]));
    if (image.isNull() || size.size() != 2 || !background.isValid() || !keymap.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read the arguments\n");
        return 2;
    }
    int failures = 0;
    if (image.width() != size[0].toInt() || image.height() != size[1].toInt()) {
        std::printf("size is %dx%d, not %s\n", image.width(), image.height(), argv[2]);
        return 1;
    }
    if (image.pixelColor(0, 0).rgb() != background.rgb()) {
        std::printf("corner is %s, not the background\n", qPrintable(image.pixelColor(0, 0).name()));
        ++failures;
    }
    const QJsonArray items =
        QJsonDocument::fromJson(keymap.readAll()).object().value(QLatin1String("keymaps")).toArray();
    for (int i = 0; i < items.size(); ++i) {
        const QJsonObject position = items[i].toObject().value(QLatin1String("rel_work_position")).toObject();
        const int x = qBound(0, int(position.value(QLatin1String("rel_x")).toDouble() * image.width()),
                             image.width() - 1);
        const int y = qBound(0, int(position.value(QLatin1String("rel_y")).toDouble() * image.height()),
                             image.height() - 1);
        if (image.pixelColor(x, y).rgb() == background.rgb()) {
            std::printf("item %d: pixel %d,%d shows the background\n", i, x, y);
            ++failures;
        }
    }
    std::printf("%d items probed, %d failures\n", int(items.size()), failures);
    return failures == 0 ? 0 : 1;
}
