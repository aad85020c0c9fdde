// Where Qt 6 behaves otherwise than Qt 5 in something the library hands on, the library keeps Qt 5's
// result; these cases run in the Qt 5 and the Qt 6 build alike. (The whole saved text of the documents
// is compared between the two builds by the identity test.)
#include "support/forgedpng.h"
#include "support/testsupport.h"

#include <keymapmanager/config/featureimageinfo.h>
#include <keymapmanager/json/json_p.h>

#include <QColorSpace>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace ovelkeymapmanager;

namespace {

QByteArray bigEndian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

struct IccChunk {
    QByteArray name;
    QByteArray creator; // the profile's creator signature; the profile is compressed with zlib
};

// The iCCP chunk of a PNG, or an empty record.
IccChunk iccChunk(const QByteArray& png) {
    for (int at = 8; at + 12 <= png.size();) {
        const int size = int(qFromBigEndian<quint32>(png.constData() + at));
        if (png.mid(at + 4, 4) == "iCCP") {
            const QByteArray data = png.mid(at + 8, size);
            const int nameEnd = data.indexOf('\0');
            // zlib's stream, behind the name and the compression method, with Qt's 4-byte size prefix.
            const QByteArray profile = qUncompress(bigEndian(1 << 20) + data.mid(nameEnd + 2));
            return {data.left(nameEnd), profile.mid(80, 4)};
        }
        at += size + 12;
    }
    return {};
}

// The PNG that a feature image read from png is saved as.
QByteArray savedPng(const QByteArray& png) {
    FeatureImageInfo image;
    image.image = FeatureImageInfo::decodePng(png);
    const auto saved = testsupport::parseObject(testsupport::stringify(image.toJson()));
    return QByteArray::fromBase64(QByteArray::fromStdString(saved->getValue<std::string>("image")));
}

} // namespace

// Colour spaces that Qt turns into ICC profiles of its own are saved with Qt 5.15's signature and
// profile name: Qt 6 signs with its version and names linear sRGB, which Qt 5 calls "Custom".
TEST(QtParity, ColourProfilesAreSavedAsQt5SavesThem) {
    QImage pixels(3, 2, QImage::Format_RGB32);
    pixels.fill(qRgb(200, 30, 10));
    const QByteArray qt5Creator("Qt\x05\x0f", 4);
    const QByteArray chromaticities = bigEndian(31270) + bigEndian(32900) + bigEndian(64000) +
                                      bigEndian(33000) + bigEndian(30000) + bigEndian(60000) +
                                      bigEndian(15000) + bigEndian(6000);
    const struct {
        const char* what;
        QList<QPair<QByteArray, QByteArray>> chunks;
        const char* name;
    } cases[] = {
        {"gamma 2.2", {{"gAMA", bigEndian(45455)}}, "Custom"},
        {"gamma 1", {{"gAMA", bigEndian(100000)}}, "Custom"},
        {"sRGB", {{"sRGB", QByteArray(1, '\0')}}, "sRGB"},
        {"gamma and chromaticities", {{"gAMA", bigEndian(45455)}, {"cHRM", chromaticities}}, "Custom"},
    };
    for (const auto& row : cases) {
        const IccChunk chunk = iccChunk(savedPng(testsupport::pngWithChunks(pixels, row.chunks)));
        EXPECT_EQ(chunk.name, row.name) << row.what;
        EXPECT_EQ(chunk.creator, qt5Creator) << row.what;
    }
    // A profile that Qt did not make is saved as it came.
    QImage linear = pixels;
    linear.setColorSpace(QColorSpace(QColorSpace::SRgbLinear));
    QByteArray foreign = linear.colorSpace().iccProfile();
    foreign.replace(80, 4, "ACME");
    const QByteArray iccp = QByteArray("Mine\0\0", 6) + qCompress(foreign).mid(4);
    const IccChunk kept = iccChunk(savedPng(testsupport::pngWithChunks(pixels, {{"iCCP", iccp}})));
    EXPECT_EQ(kept.creator, QByteArray("ACME"));
}

// Text members keep every leading U+FEFF, which Qt's UTF-8 decoders drop one of; bad bytes become
// U+FFFD as Qt 5's decoder makes them, and writing gives the text's own UTF-8 back.
TEST(QtParity, TextMembersKeepByteOrderMarks) {
    const struct {
        const char* utf8;
        std::u16string text;
    } cases[] = {
        {"\xEF\xBB\xBF", u"\uFEFF"},
        {"\xEF\xBB\xBFx", u"\uFEFFx"},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", u"\uFEFF\uFEFFx"},
        {"x\xEF\xBB\xBF", u"x\uFEFF"},
        {"\xEF\xBB\xBF\xFF"
         "a\xC3",
         u"\uFEFF\uFFFDa\uFFFD"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
    };
    for (const auto& row : cases) {
        json::Object object;
        object.set("t", std::string(row.utf8));
        QString text;
        json::read(object, "t", text);
        EXPECT_EQ(text, QString(reinterpret_cast<const QChar*>(row.text.data()), int(row.text.size())))
            << row.utf8;
        if (!text.contains(QChar(0xFFFD))) {
            json::Object written;
            json::put(written, "t", text);
            EXPECT_EQ(written.getValue<std::string>("t"), row.utf8);
        }
    }
}
