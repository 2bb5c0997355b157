#include "views/Artwork.h"

#include "core/AccountTypes.h"
#include "views/ArtworkIconEngine.h"

#include <array>

namespace Artwork {
namespace {
// The picture of each type, and the tree image index of its category node (an account node's is
// its type code).
struct TypeArt {
    AccountType type;
    const char* glyph;
    int categoryImage;
};
constexpr TypeArt kTypeArt[] = {
    { AccountType::Email, "email", 1 },
    { AccountType::WebSite, "website", 2 },
    { AccountType::CreditCard, "creditcard", 3 },
    { AccountType::Bank, "bank", 4 },
    { AccountType::Insurance, "insurance", 5 },
    { AccountType::Medical, "medical", 6 },
    { AccountType::CallingCard, "callingcard", 7 },
    { AccountType::PurchasedItem, "purchaseditem", 8 },
    { AccountType::Software, "software", 9 },
    { AccountType::Reference, "reference", 19 },
};

const TypeArt* artOf(AccountType type)
{
    for (const TypeArt& art : kTypeArt)
        if (art.type == type)
            return &art;
    return nullptr;
}

QString resource(const char* name) { return QStringLiteral(":/views/art/%1.svg").arg(QLatin1String(name)); }

QIcon makeTreeImage(int index)
{
    if (index == 0)
        return svgIcon(resource("wallet"));
    for (const TypeArt& art : kTypeArt) {
        if (index == typeCode(art.type))
            return svgIcon(typeGlyphPath(art.type));
        if (index == art.categoryImage) {
            // A folder with the type's picture in front of its lower right part.
            return QIcon(new ArtworkIconEngine({ { resource("folder"), QRectF(0, 0, 1, 1) },
                { typeGlyphPath(art.type), QRectF(0.4, 0.4, 0.6, 0.6) } }));
        }
    }
    return QIcon();
}
} // namespace

int categoryImageIndex(AccountType type)
{
    const TypeArt* art = artOf(type);
    return art ? art->categoryImage : -1;
}

int accountImageIndex(AccountType type) { return artOf(type) ? typeCode(type) : -1; }

QString typeGlyphPath(AccountType type)
{
    const TypeArt* art = artOf(type);
    if (!art)
        return QString();
    return QStringLiteral(":/views/art/type-%1.svg").arg(QLatin1String(art->glyph));
}

QIcon treeImage(int index)
{
    static const std::array<QIcon, TreeImageCount> images = [] {
        std::array<QIcon, TreeImageCount> made;
        for (int i = 0; i < TreeImageCount; ++i)
            made[size_t(i)] = makeTreeImage(i);
        return made;
    }();
    return index >= 0 && index < TreeImageCount ? images[size_t(index)] : QIcon();
}

QIcon svgIcon(const QString& path)
{
    // Qt's SVG icon engine; the file given for the selected mode too keeps a selected node in its own
    // colours, where the style would tint it.
    QIcon icon(path);
    icon.addFile(path, QSize(), QIcon::Selected);
    return icon;
}

QIcon badgedIcon(const QString& basePath, const QString& badgePath)
{
    return QIcon(new ArtworkIconEngine(
        { { basePath, QRectF(0, 0, 0.86, 0.86) }, { badgePath, QRectF(0.48, 0.48, 0.52, 0.52) } }));
}

} // namespace Artwork
