// Test probe for keymapctl render: checks that a PNG has the expected size, that its corner
// shows the background colour, and that the pixel at every item's work position (at the nearest
// edge for one off the screen) does not, nor one on the ring of each stick, nor Fire's drag area.
//   keymapctl_pngprobe IMAGE WIDTHxHEIGHT RRGGBB KEYMAP.json
// Prints each failure and a count; exit 0 when all holds, 1 otherwise.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtMath>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    const QImage image(QString::fromLocal8Bit(argv[1]));
    const QRgb background = QColor(QLatin1Char('#') + QLatin1String(argv[3])).rgb();
    QFile keymap(QString::fromLocal8Bit(argv[4]));
    const QString size = QStringLiteral("%1x%2").arg(image.width()).arg(image.height());
    if (size != QLatin1String(argv[2]) || !keymap.open(QIODevice::ReadOnly)) {
        std::printf("the picture is %s, not %s, or the keymap is unreadable\n", qPrintable(size), argv[2]);
        return 1;
    }
    int failures = 0;
    if (image.pixelColor(0, 0).rgb() != background) {
        std::printf("corner is %s, not the background\n", qPrintable(image.pixelColor(0, 0).name()));
        ++failures;
    }
    // The pixel at the point must show the item drawn there, not the background.
    auto drawn = [&](int item, const QPointF& point) {
        const int x = qBound(0, int(point.x()), image.width() - 1);
        const int y = qBound(0, int(point.y()), image.height() - 1);
        if (image.pixelColor(x, y).rgb() == background) {
            std::printf("item %d: pixel %d,%d shows the background\n", item, x, y);
            ++failures;
        }
    };
    const QJsonArray items =
        QJsonDocument::fromJson(keymap.readAll()).object().value(QLatin1String("keymaps")).toArray();
    for (int i = 0; i < items.size(); ++i) {
        const QJsonObject item = items[i].toObject();
        const QJsonObject position = item.value(QLatin1String("rel_work_position")).toObject();
        const QPointF centre(position.value(QLatin1String("rel_x")).toDouble() * image.width(),
                             position.value(QLatin1String("rel_y")).toDouble() * image.height());
        drawn(i, centre);
        // A stick's ring has its radius (of the shorter side): probed between two direction keys' labels.
        const double ring = item.value(QLatin1String("rel_radius")).toDouble() *
                            qMin(image.width(), image.height()) * M_SQRT1_2;
        if (ring > 0)
            drawn(i, centre + QPointF(ring, -ring));
        // Fire's drag area is filled: its centre shows it.
        const QJsonObject area = item.value(QLatin1String("swipehold_info")).toObject();
        const QJsonObject areaCentre = area.value(QLatin1String("rel_position")).toObject();
        if (item.value(QLatin1String("type")).toString() == QLatin1String("Fire"))
            drawn(i, QPointF(areaCentre.value(QLatin1String("rel_x")).toDouble() * image.width(),
                             areaCentre.value(QLatin1String("rel_y")).toDouble() * image.height()));
    }
    std::printf("%d items probed, %d failures\n", int(items.size()), failures);
    return failures == 0 ? 0 : 1;
}
