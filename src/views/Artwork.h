#pragma once

#include "core/AccountTypes.h"

#include <QIcon>
#include <QtGlobal>

// The program's own pictures, drawn as SVG and rendered at whatever size is asked for.
namespace Artwork {

// Number of tree images: 0 the root, 1 to 9 and 19 the categories, 10 to 18 and 20 the accounts.
constexpr int TreeImageCount = 21;

// The tree picture of an image index (see TreeImageCount); a null icon for unused indexes.
QIcon treeImage(int index);
// The image index of an account type's category node (1 to 9, or 19 for Reference); -1 for others.
int categoryImageIndex(AccountType type);
// The image index of an account node of the type: its type code; -1 for a type without a picture.
int accountImageIndex(AccountType type);
// The resource path of the picture of an account type, or an empty text for codes without one.
QString typeGlyphPath(AccountType type);
// An icon from one SVG file, or from a base picture with a badge in its lower right quarter.
QIcon svgIcon(const QString& path);
QIcon badgedIcon(const QString& basePath, const QString& badgePath);

} // namespace Artwork
