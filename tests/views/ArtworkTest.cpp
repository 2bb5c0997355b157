#include "Artwork.h"
#include "WidgetTestSupport.h"

#include <QImage>
#include <QPixmap>

namespace {

// The share of pixels that are not transparent.
double coverage(const QImage& image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return double(opaque) / (image.width() * image.height());
}

TEST(ArtworkTest, EveryTreeImageIsDrawnAtTheSizeAskedFor)
{
    testApplication();
    QList<QImage> seen;
    for (int index = 0; index < Artwork::TreeImageCount; ++index) {
        SCOPED_TRACE(index);
        const QIcon icon = Artwork::treeImage(index);
        ASSERT_FALSE(icon.isNull());
        for (int side : { 16, 17, 64, 256 }) {
            const QImage image = icon.pixmap(QSize(side, side)).toImage();
            ASSERT_EQ(image.size(), QSize(side, side));
            EXPECT_GT(coverage(image), 0.2) << side;
        }
        // No two images alike.
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        for (const QImage& other : seen)
            EXPECT_NE(image, other);
        seen.append(image);
    }
    EXPECT_TRUE(Artwork::treeImage(Artwork::TreeImageCount).isNull());
    EXPECT_TRUE(Artwork::treeImage(-1).isNull());
}

TEST(ArtworkTest, CategoryImageIndexes)
{
    const std::pair<AccountType, int> expected[]
        = { { AccountType::Email, 1 }, { AccountType::WebSite, 2 }, { AccountType::CreditCard, 3 },
              { AccountType::Bank, 4 }, { AccountType::Insurance, 5 }, { AccountType::Medical, 6 },
              { AccountType::CallingCard, 7 }, { AccountType::PurchasedItem, 8 }, { AccountType::Software, 9 },
              { AccountType::Reference, 19 }, { AccountType::None, -1 }, { AccountType(19), -1 } };
    for (auto [type, index] : expected)
        EXPECT_EQ(Artwork::categoryImageIndex(type), index) << typeCode(type);
}

} // namespace
