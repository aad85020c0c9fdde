#include <keymapmanager/config/featureimageinfo.h>

#include <keymapmanager/config/featureimageinfo_p.h>

#include <QBuffer>
#include <QByteArray>
#include <QColorSpace>
#include <QImageReader>

#include <cstring>

namespace ovelkeymapmanager {

namespace {

// The image as Qt 5.15 writes it. An image's colour space is saved as an ICC profile; the profiles
// Qt makes itself (for PNGs read with gAMA, cHRM or sRGB chunks, or a colour space a host built) carry
// Qt's version in their creator field, and Qt 6 names some of them where Qt 5 wrote "Custom". Qt 6
// gets Qt 5.15's signature and name here, so that saving gives the same bytes on both.
QImage imageToSave(const QImage& image) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QColorSpace space = image.colorSpace();
    if (!space.isValid())
        return image;
    constexpr int creator = 80; // offset of the profile creator signature in the ICC header
    const char qtSignature[] = {'Q', 't', char(QT_VERSION_MAJOR), char(QT_VERSION_MINOR)};
    QByteArray profile = space.iccProfile();
    if (profile.size() < creator + 4 || std::memcmp(profile.constData() + creator, qtSignature, 4) != 0)
        return image;
    profile[creator + 2] = char(5);
    profile[creator + 3] = char(15);
    QColorSpace qt5Space = QColorSpace::fromIccProfile(profile);
    qt5Space.setDescription(space.description().isEmpty() ? QStringLiteral("Custom") : space.description());
    QImage copy = image;
    copy.setColorSpace(QColorSpace()); // a colour space equal to the current one would be ignored
    copy.setColorSpace(qt5Space);
    return copy;
#else
    return image;
#endif
}

} // namespace

FeatureImageInfo::FeatureImageInfo() = default;

FeatureImageInfo::FeatureImageInfo(const QRectF& rect, const QSize& resolution, const QImage& image)
    : rect(rect), resolution(resolution), image(image) {}

FeatureImageInfo::FeatureImageInfo(const FeatureImageInfo& other) = default;
FeatureImageInfo& FeatureImageInfo::operator=(const FeatureImageInfo& other) = default;
FeatureImageInfo::~FeatureImageInfo() = default;

void PngImage::read(json::Members parent, const char* name) {
    QString base64;
    json::read(parent, name, base64); // converted alike either way, so the same values fail
    if (decode)
        image = FeatureImageInfo::decodePng(QByteArray::fromBase64(base64.toLatin1()));
}

void PngImage::write(json::Object& target, const char* name) const {
    QByteArray png;
    if (!image.isNull()) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        imageToSave(image).save(&buffer, "PNG");
    }
    target.set(name, png.toBase64().toStdString());
}

Poco::JSON::Object FeatureImageInfo::toJson() const {
    json::Object object;
    json::writeMembers(object, StoredFeatureImage{const_cast<FeatureImageInfo&>(*this), false});
    return object;
}

// Whether the object holds the three members of an image record.
bool FeatureImageInfo::readGeometry(Poco::JSON::Object& object) {
    return object.has("rect") && object.has("resolution") && object.has("image");
}

void FeatureImageInfo::fromJson(Poco::JSON::Object& object) {
    StoredFeatureImage stored{*this, true};
    if (readGeometry(object))
        json::readMembers(object, stored);
}

void FeatureImageInfo::fromJsonWithoutImage(Poco::JSON::Object& object) {
    StoredFeatureImage stored{*this, false};
    if (readGeometry(object))
        json::readMembers(object, stored);
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
