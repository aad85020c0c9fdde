// Feature images: the record's JSON form, the decoding limits and the intelligent-config queries.
#include "support/forgedpng.h"
#include "support/testsupport.h"

#include <keymapmanager/document/documentio_p.h>

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
    const FeatureImageInfo original(QRectF(0.25, 0.5, 0.125, 0.75), QSize(1920, 1080),
                                    testImage(2, 1, qRgba(9, 8, 7, 255)));
    auto parsed = testsupport::parseObject(testsupport::stringify(original.toJson()));
    FeatureImageInfo copy;
    copy.fromJson(*parsed);
    EXPECT_EQ(copy.rect, original.rect);
    EXPECT_EQ(copy.resolution, original.resolution);
    EXPECT_EQ(copy.image.convertToFormat(QImage::Format_ARGB32), original.image);

    parsed->remove("image");
    EXPECT_EQ(testsupport::stringify(*parsed),
              testsupport::stringify(*testsupport::parseObject(
                  R"({"rect": {"rel_height": 0.75, "rel_width": 0.125, "rel_x": 0.25, "rel_y": 0.5},
                      "resolution": {"rel_height": 1080, "rel_width": 1920}})")));
}

TEST(FeatureImage, RecordStaysUnchangedUnlessAllThreeMembersArePresent) {
    auto full = testsupport::parseObject(testsupport::stringify(
        FeatureImageInfo(QRectF(0.5, 0.5, 1, 1), QSize(2, 2), testImage(1, 1, 0)).toJson()));
    for (const char* member : {"rect", "resolution", "image"}) {
        auto object = testsupport::parseObject(testsupport::stringify(*full));
        object->remove(member);
        FeatureImageInfo info;
        EXPECT_NO_THROW(info.fromJson(*object)) << member;
        EXPECT_TRUE(info.rect.isNull() && !info.resolution.isValid() && info.image.isNull()) << member;
    }
    // Present but unreadable: data that is no PNG gives a null image; a missing number throws.
    FeatureImageInfo info;
    full->set("image", std::string("!!not base64 or png!!"));
    info.fromJson(*full);
    EXPECT_TRUE(info.image.isNull());
    EXPECT_EQ(info.resolution, QSize(2, 2));
    full->getObject("rect")->remove("rel_y");
    EXPECT_THROW(info.fromJson(*full), Poco::InvalidAccessException);
}

// Real pixel data on both sides of each limit: the side, and the pixels in all.
TEST(FeatureImage, PngIsDecodedOnlyWithinTheSizeLimits) {
    const struct {
        quint32 width, height;
        bool decoded;
    } rows[] = {{8192, 4096, true}, {8192, 4097, false}, {16384, 2048, true},
                {16385, 1, false},  {1, 16385, false},   {16384, 1, true}};
    for (const auto& row : rows) {
        const QImage image = FeatureImageInfo::decodePng(testsupport::blackGreyPng(row.width, row.height));
        EXPECT_EQ(image.size(), row.decoded ? QSize(int(row.width), int(row.height)) : QSize(0, 0))
            << row.width << "x" << row.height;
    }
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

// Any group, even a single empty one, makes a document an intelligent config.
TEST_F(IntelligentConfig, AnyImageGroupCountsAndGroupsComeBackInFileOrder) {
    QList<FeatureImageInfo> three;
    for (int i = 0; i < 3; ++i)
        three.append(FeatureImageInfo(QRectF(0.125 * i, 0, 0.5, 0.25), QSize(i + 1, 1),
                                      testImage(i + 1, 1, qRgb(i, 0, 0))));
    const QList<QList<FeatureImageInfo>> cases[] = {{}, {{}}, {three.mid(1, 1)}, {three, three.mid(2)}};
    for (const auto& groups : cases) {
        SCOPED_TRACE(groups.size());
        KeymapConfig config;
        config.info->featureImages = groups;
        const QString file = save(config);
        EXPECT_EQ(isIntelligentConfig(file, true), !groups.isEmpty());
        const QList<QList<FeatureImageInfo>> loaded = getFeatureImageInfo(file, true);
        ASSERT_EQ(loaded.size(), groups.size());
        for (int g = 0; g < groups.size(); ++g) {
            ASSERT_EQ(loaded[g].size(), groups[g].size());
            for (int i = 0; i < groups[g].size(); ++i) {
                EXPECT_EQ(loaded[g][i].rect, groups[g][i].rect);
                EXPECT_EQ(loaded[g][i].resolution, groups[g][i].resolution);
                EXPECT_EQ(loaded[g][i].image.size(), groups[g][i].image.size());
            }
        }
    }
    EXPECT_FALSE(isIntelligentConfig(QStringLiteral("sanitary-4EA33DC3-6C4B-46A2-A180-6F2597234300"), true));
    EXPECT_FALSE(isIntelligentConfig(dir.filePath(QStringLiteral("missing.json")), false));
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
