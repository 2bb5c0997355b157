#pragma once

#include <QString>
#include <QTreeWidgetItem>

// A node of the account tree: its text, image index and account id (0 for the root and the
// categories). Nodes sort by their text without regard to case, as titles and captions are listed.
class TreeNode : public QTreeWidgetItem {
public:
    static constexpr int AccountIdRole = Qt::UserRole;
    static constexpr int ImageRole = Qt::UserRole + 1;

    TreeNode(const QString& text, int image, qint32 accountId = 0);

    bool operator<(const QTreeWidgetItem& other) const override;

    // The order of titles and captions in the tree.
    static bool textLess(const QString& a, const QString& b);
};
