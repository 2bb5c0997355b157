#include "dialogs/DialogTest.h"

#include "core/AccountTypes.h"
#include "dialogs/DuplicateAccountDlg.h"
#include "support/ImageCoverage.h"

#include <QIcon>

namespace {

// The icons are resources of the dialogs' static library: they are drawn only if the program took them in.
using DialogIcons = DialogTest;

TEST_F(DialogIcons, EveryDialogDrawsItsOwnIcon)
{
    QList<QImage> seen;
    for (const auto type : kAccountTypes) {
        SCOPED_TRACE(accountTypeName(type).toStdString());
        const QImage image = open(type)->windowIcon().pixmap(QSize(32, 32)).toImage();
        EXPECT_GT(coverage(image), 0.1);
        EXPECT_FALSE(seen.contains(image));
        seen.append(image);
    }
    const CDuplicateAccountDlg duplicate;
    EXPECT_GT(coverage(duplicate.windowIcon().pixmap(QSize(32, 32)).toImage()), 0.1);
}

} // namespace
