// FeatureImageInfo on hostile data. An input whose first byte is even is JSON text handed to
// fromJson as an object; an odd first byte makes the rest PNG data behind a well-formed record,
// so the image decoder and its size limits see arbitrary bytes.
#include "support/fuzzsupport.h"

#include <keymapmanager/config/featureimageinfo.h>

#include <QByteArray>

using namespace ovelkeymapmanager;

namespace {

void checkDecodedImage(const QImage& image) {
    if (image.isNull())
        return;
    FUZZ_CHECK(image.width() <= FeatureImageInfo::kMaxImageSide &&
               image.height() <= FeatureImageInfo::kMaxImageSide);
    FUZZ_CHECK(qint64(image.width()) * image.height() <= FeatureImageInfo::kMaxImagePixels);
}

// A record that read its object writes one that reads back to the same record.
void checkRoundTrip(const FeatureImageInfo& info) {
    Poco::JSON::Object written = info.toJson();
    FeatureImageInfo copy;
    FUZZ_CHECK(fuzzsupport::raisesOnlyLibraryExceptions([&] { copy.fromJson(written); }));
    FUZZ_CHECK(copy.rect == info.rect || (copy.rect.isNull() && info.rect.isNull()));
    FUZZ_CHECK(copy.resolution == info.resolution);
    FUZZ_CHECK(copy.image.size() == info.image.size());
}

void fuzzObject(const std::string& text) {
    Poco::JSON::Object::Ptr object = fuzzsupport::parseObject(text);
    if (object.isNull())
        return;
    FeatureImageInfo info, withoutImage;
    const bool read = fuzzsupport::raisesOnlyLibraryExceptions([&] { info.fromJson(*object); });
    const bool readWithoutImage =
        fuzzsupport::raisesOnlyLibraryExceptions([&] { withoutImage.fromJsonWithoutImage(*object); });
    FUZZ_CHECK(read == readWithoutImage);
    checkDecodedImage(info.image);
    if (read)
        checkRoundTrip(info);
}

void fuzzPng(const std::uint8_t* data, std::size_t size) {
    Poco::JSON::Object object =
        FeatureImageInfo(QRectF(0.25, 0.5, 0.125, 0.0625), QSize(1920, 1080), QImage()).toJson();
    const QByteArray png = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    object.set("image", png.toBase64().toStdString());
    FeatureImageInfo info;
    FUZZ_CHECK(fuzzsupport::raisesOnlyLibraryExceptions([&] { info.fromJson(object); }));
    checkDecodedImage(info.image);
    checkRoundTrip(info);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0)
        fuzzObject(fuzzsupport::bytes(data + 1, size - 1));
    else
        fuzzPng(data + 1, size - 1);
    return 0;
}
