// FeatureImageInfo: one feature image of a document, with its relative rectangle and resolution.
#pragma once

#include <keymapmanager/export.h>

#include <Poco/JSON/Object.h>
#include <QImage>
#include <QRectF>
#include <QSize>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT FeatureImageInfo {
public:
    // Images whose PNG header claims more than this many pixels per side, or in all, are not
    // decoded: they read as a null image, as bad PNG data does.
    static constexpr int kMaxImageSide = 16384;
    static constexpr qint64 kMaxImagePixels = 32LL * 1024 * 1024;

    FeatureImageInfo();
    FeatureImageInfo(const QRectF& rect, const QSize& resolution, const QImage& image);
    FeatureImageInfo(const FeatureImageInfo& other);
    FeatureImageInfo& operator=(const FeatureImageInfo& other);
    ~FeatureImageInfo();

    // "image" (PNG as Base64), "rect" and "resolution".
    Poco::JSON::Object toJson() const;
    // Leaves the record unchanged unless all three members are present.
    void fromJson(Poco::JSON::Object& object);
    // As fromJson, but keeps the PNG undecoded; the image stays null.
    void fromJsonWithoutImage(Poco::JSON::Object& object);

    // Decodes PNG bytes within the size limits above; a null image for anything else.
    static QImage decodePng(const QByteArray& png);

    QRectF rect;
    QSize resolution;
    QImage image;

private:
    bool readGeometry(Poco::JSON::Object& object);
};

} // namespace ovelkeymapmanager
