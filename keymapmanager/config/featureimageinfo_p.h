// The JSON members of a feature image: "rect", "resolution" and "image". A record is read only when
// the object holds all three.
#pragma once

#include <keymapmanager/config/featureimageinfo.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

// "image": the picture as Base64 PNG; reading decodes it only when asked to.
struct PngImage : json::Hook {
    QImage& image;
    bool decode;

    PngImage(QImage& image, bool decode) : image(image), decode(decode) {}
    void read(json::Members parent, const char* name);
    void write(json::Object& target, const char* name) const;
    static const char* kind() { return "string"; }
    template <typename Describer> void describeInside(Describer&, const char*) const {}
};

struct StoredFeatureImage {
    FeatureImageInfo& info;
    bool decodeImage;
};

template <typename Io> void jsonMembers(Io& io, StoredFeatureImage& stored) {
    io.required("rect", stored.info.rect);
    io.required("resolution", stored.info.resolution);
    io.required("image", PngImage(stored.info.image, stored.decodeImage));
}

} // namespace ovelkeymapmanager
