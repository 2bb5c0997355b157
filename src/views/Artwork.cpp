#include "views/Artwork.h"

#include "core/AccountTypes.h"
#include "views/ArtworkIconEngine.h"

#include <array>

namespace Artwork {
namespace {
const char* const kGlyphFiles[] = { "email", "website", "creditcard", "bank", "insurance", "medical", "callingcard",
    "purchaseditem", "software", "reference" };
static_assert(std::size(kGlyphFiles) == kAccountTypes.size());

QString resource(const char* name) { return QStringLiteral(":/views/art/%1.svg").arg(QLatin1String(name)); }

QIcon makeTreeImage(int index)
{
    if (index == 0)
        return svgIcon(resource("wallet"));
    for (AccountType type : kAccountTypes) {
        if (index == typeCode(type))
            return svgIcon(typeGlyphPath(type));
        if (index == categoryImageIndex(type)) {
            // A folder with the type's picture in front of its lower right part.
            return QIcon(new ArtworkIconEngine(
                { { resource("folder"), QRectF(0, 0, 1, 1) }, { typeGlyphPath(type), QRectF(0.4, 0.4, 0.6, 0.6) } }));
        }
    }
    return QIcon();
}
} // namespace

int categoryImageIndex(AccountType type)
{
    if (type == AccountType::Reference)
        return 19;
    const int position = accountTypeIndex(type);
    return position < 0 ? -1 : position + 1;
}

QString typeGlyphPath(AccountType type)
{
    const int position = accountTypeIndex(type);
    if (position < 0)
        return QString();
    return QStringLiteral(":/views/art/type-%1.svg").arg(QLatin1String(kGlyphFiles[position]));
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
