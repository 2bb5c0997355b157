#include "TreeNode.h"

#include "Artwork.h"

TreeNode::TreeNode(const QString& text, int image, qint32 accountId)
{
    setText(0, text);
    setIcon(0, Artwork::treeImage(image));
    setData(0, ImageRole, image);
    if (accountId != 0)
        setData(0, AccountIdRole, accountId);
}

bool TreeNode::operator<(const QTreeWidgetItem& other) const { return textLess(text(0), other.text(0)); }

bool TreeNode::textLess(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }
