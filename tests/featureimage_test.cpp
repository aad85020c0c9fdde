// Feature images: the record's JSON form and the intelligent-config queries.
#include "support/forgedpng.h"
#include "support/testsupport.h"

#include <keymapmanager/config/documentio_p.h>

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace ovelkeymapmanager;
using testsupport::ConfigPtr;

namespace {

QImage testImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(FeatureImage, RoundTripsImageRectangleAndResolution) {
    const FeatureImageInfo original(QRectF(0.25, 0.5, 0.1, 0.2), QSize(1920, 1080), testImage(1, 1, qRgba(9, 8, 7, 255)));
    const Poco::JSON::Object json = original.toJson();
    auto parsed = testsupport::parseObject(testsupport::stringify(json));
    EXPECT_DOUBLE_EQ(parsed->getObject("rect")->getValue<double>("rel_x"), 0.25);
    EXPECT_DOUBLE_EQ(parsed->getObject("rect")->getValue<double>("rel_height"), 0.2);
    EXPECT_EQ(parsed->getObject("resolution")->getValue<int>("rel_width"), 1920);
    EXPECT_EQ(parsed->getObject("resolution")->getValue<int>("rel_height"), 1080);

    FeatureImageInfo copy;
    copy.fromJson(*parsed);
    EXPECT_EQ(copy.rect, original.rect);
    EXPECT_EQ(copy.resolution, original.resolution);
    EXPECT_EQ(copy.image.convertToFormat(QImage::Format_ARGB32), original.image);
}

TEST(FeatureImage, IncompleteOrBadObjectsReadAsEmptyOrNullImages) {
    FeatureImageInfo info;
    Poco::JSON::Object partial;
    partial.set("rect", Poco::JSON::Object::Ptr(new Poco::JSON::Object));
    partial.set("image", std::string(""));
    info.fromJson(partial);
    EXPECT_TRUE(info.rect.isNull());
    EXPECT_FALSE(info.resolution.isValid());
    EXPECT_TRUE(info.image.isNull());

    auto object = testsupport::parseObject(testsupport::stringify(
        FeatureImageInfo(QRectF(0, 0, 1, 1), QSize(2, 2), testImage(1, 1, 0)).toJson()));
    object->set("image", std::string("!!not base64 or png!!"));
    info.fromJson(*object);
    EXPECT_TRUE(info.image.isNull());
    EXPECT_EQ(info.resolution, QSize(2, 2));

    object->getObject("rect")->remove("rel_y");
    EXPECT_THROW(info.fromJson(*object), Poco::InvalidAccessException);
}

TEST(FeatureImage, HeaderClaimingHugeDimensionsIsNotDecoded) {
    QBuffer header;
    header.setData(testsupport::pngWithClaimedSize(100000, 100000));
    ASSERT_EQ(QImageReader(&header, "PNG").size(), QSize(100000, 100000)); // the header itself is valid
    EXPECT_TRUE(FeatureImageInfo::decodePng(testsupport::pngWithClaimedSize(100000, 100000)).isNull());
    EXPECT_TRUE(FeatureImageInfo::decodePng(testsupport::pngWithClaimedSize(20000, 1)).isNull());
    EXPECT_FALSE(FeatureImageInfo::decodePng(testsupport::pngWithClaimedSize(1, 1)).isNull());
}

class IntelligentConfig : public ::testing::Test {
protected:
    QString save(const KeymapConfig& config) {
        const QString file = dir.filePath(QStringLiteral("f.json"));
        EXPECT_TRUE(SaveKeymapConfigAndInfo(file, const_cast<KeymapConfig*>(&config)));
        return file;
    }
    QTemporaryDir dir;
};

TEST_F(IntelligentConfig, GroupsComeBackInFileOrder) {
    KeymapConfig config;
    QList<FeatureImageInfo> first;
    for (int i = 0; i < 3; ++i)
        first.append(FeatureImageInfo(QRectF(0.1 * i, 0, 0.1, 0.1), QSize(i + 1, 1), testImage(i + 1, 1, qRgb(i, 0, 0))));
    config.info->featureImages = {first, {FeatureImageInfo(QRectF(), QSize(7, 7), testImage(2, 2, 0))}};
    const QString file = save(config);

    const auto groups = getFeatureImageInfo(file, true);
    ASSERT_EQ(groups.size(), 2);
    ASSERT_EQ(groups[0].size(), 3);
    EXPECT_EQ(groups[1].size(), 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(groups[0][i].resolution, QSize(i + 1, 1));
        EXPECT_EQ(groups[0][i].image.width(), i + 1);
    }
    EXPECT_TRUE(isIntelligentConfig(file, true));
}

TEST_F(IntelligentConfig, FalseWithoutGroupsTrueWithOneEmptyGroup) {
    KeymapConfig config;
    EXPECT_FALSE(isIntelligentConfig(save(config), true));
    EXPECT_FALSE(isIntelligentConfig(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300"), true));
    EXPECT_FALSE(isIntelligentConfig(dir.filePath(QStringLiteral("missing.json")), false));
    config.info->featureImages.append(QList<FeatureImageInfo>());
    EXPECT_TRUE(isIntelligentConfig(save(config), true));
}

TEST_F(IntelligentConfig, BrokenItemHidesTheImagesAndNotifies) {
    KeymapConfig config;
    config.info->featureImages = {{FeatureImageInfo(QRectF(), QSize(1, 1), testImage(1, 1, 0))}};
    const QString file = save(config);
    QByteArray text = testsupport::readFile(file);
    text.replace("\"keymaps\": [\n\n    ]", "\"keymaps\": [{\"type\": \"Click\"}]");
    testsupport::writeFile(file, text);

    testsupport::FailureCounter failures;
    EXPECT_TRUE(getFeatureImageInfo(file, true).isEmpty());
    EXPECT_FALSE(isIntelligentConfig(file, true));
    EXPECT_EQ(failures.count(), 2);
}
