#pragma once

#include "views/AccountView.h"
#include "views/QuorrilView.h"
#include "views/WidgetTestSupport.h"

#include <QStringList>

inline QStringList childTexts(const QModelIndex& node)
{
    QStringList texts;
    for (int i = 0; node.isValid() && i < node.model()->rowCount(node); ++i)
        texts << CQuorrilView::nodeText(node.model()->index(i, 0, node));
    return texts;
}

inline int childCount(const QModelIndex& node) { return node.isValid() ? node.model()->rowCount(node) : -1; }
inline QModelIndex child(const QModelIndex& node, int row) { return node.model()->index(row, 0, node); }

// The account tree and the property list over one document, as the main window puts them together;
// Base gives the application, the prompts and a private folder.
template <class Base> class TreeAndListTest : public Base {
protected:
    TreeAndListTest()
        : doc(this->prompts)
        , tree(doc)
        , list(doc)
    {
        tree.resize(300, 400);
        tree.show();
    }

    // What the frame does after New and Open.
    void rebuild()
    {
        tree.OnInitialUpdate();
        list.OnInitialUpdate();
    }

    QModelIndex accountNode(AccountType type, const QString& title) const
    {
        const QModelIndex category = tree.categoryNode(type);
        for (int i = 0; i < childCount(category); ++i)
            if (CQuorrilView::nodeText(child(category, i)) == title)
                return child(category, i);
        return QModelIndex();
    }

    CQuorrilDoc doc;
    CQuorrilView tree;
    CAccountView list;
};
