#include <keymapmanager/config/featureimageinfo.h>

#include <keymapmanager/json/json_p.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace ovelkeymapmanager {

FeatureImageInfo::FeatureImageInfo() = default;

FeatureImageInfo::FeatureImageInfo(const QRectF& rect, const QSize& resolution, const QImage& image)
    : rect(rect), resolution(resolution), image(image) {}

FeatureImageInfo::FeatureImageInfo(const FeatureImageInfo& other) = default;
FeatureImageInfo& FeatureImageInfo::operator=(const FeatureImageInfo& other) = default;
FeatureImageInfo::~FeatureImageInfo() = default;

Poco::JSON::Object FeatureImageInfo::toJson() const {
    QByteArray png;
    if (!image.isNull()) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }

    json::Object rectObject;
    json::put(rectObject, "rel_x", rect.x());
    json::put(rectObject, "rel_y", rect.y());
    json::put(rectObject, "rel_width", rect.width());
    json::put(rectObject, "rel_height", rect.height());

    json::Object resolutionObject;
    json::put(resolutionObject, "rel_width", resolution.width());
    json::put(resolutionObject, "rel_height", resolution.height());

    json::Object object;
    object.set("image", png.toBase64().toStdString());
    json::put(object, "rect", std::move(rectObject));
    json::put(object, "resolution", std::move(resolutionObject));
    return object;
}

bool FeatureImageInfo::readGeometry(Poco::JSON::Object& object) {
    if (!object.has("rect") || !object.has("resolution") || !object.has("image"))
        return false;
    const json::ObjectPtr rectObject = json::object(object, "rect");
    double x = 0, y = 0, width = 0, height = 0;
    json::read(rectObject, "rel_x", x);
    json::read(rectObject, "rel_y", y);
    json::read(rectObject, "rel_width", width);
    json::read(rectObject, "rel_height", height);
    rect = QRectF(x, y, width, height);

    const json::ObjectPtr resolutionObject = json::object(object, "resolution");
    int resolutionWidth = 0, resolutionHeight = 0;
    json::read(resolutionObject, "rel_width", resolutionWidth);
    json::read(resolutionObject, "rel_height", resolutionHeight);
    resolution = QSize(resolutionWidth, resolutionHeight);
    return true;
}

void FeatureImageInfo::fromJson(Poco::JSON::Object& object) {
    if (!readGeometry(object))
        return;
    QString base64;
    json::read(object, "image", base64);
    image = decodePng(QByteArray::fromBase64(base64.toLatin1()));
}

void FeatureImageInfo::fromJsonWithoutImage(Poco::JSON::Object& object) {
    if (!readGeometry(object))
        return;
    QString base64;
    json::read(object, "image", base64); // converted as fromJson does, so the same values fail
}

QImage FeatureImageInfo::decodePng(const QByteArray& png) {
    if (png.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    // PNG only. Qt would otherwise try other formats on data that is not PNG, and a GIF reports a
    // small size here while decoding into its whole (huge) logical screen.
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size(); // reads the header only
    if (!size.isValid() || size.width() > kMaxImageSide || size.height() > kMaxImageSide ||
        qint64(size.width()) * size.height() > kMaxImagePixels)
        return QImage();
    QImage decoded;
    if (!reader.read(&decoded))
        return QImage();
    return decoded;
}

} // namespace ovelkeymapmanager
