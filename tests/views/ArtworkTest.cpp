#include "views/Artwork.h"
#include "support/ImageCoverage.h"
#include "views/WidgetTestSupport.h"

#include <QImage>
#include <QPixmap>

namespace {

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

// Plain and composed pictures alike: a selected node or a hovered button keeps its colours (the style
// would tint a selected one), and only a disabled button is greyed.
TEST(ArtworkTest, OnlyTheDisabledModeChangesAPicture)
{
    testApplication();
    for (int index = 0; index < Artwork::TreeImageCount; ++index) {
        SCOPED_TRACE(index);
        const QIcon icon = Artwork::treeImage(index);
        const QImage normal = icon.pixmap(QSize(24, 24)).toImage();
        EXPECT_EQ(icon.pixmap(QSize(24, 24), QIcon::Selected).toImage(), normal);
        EXPECT_EQ(icon.pixmap(QSize(24, 24), QIcon::Active).toImage(), normal);
        const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
        EXPECT_GT(coverage(disabled), 0.2);
        EXPECT_NE(disabled, normal);
    }
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
