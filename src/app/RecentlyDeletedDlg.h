#pragma once

#include "core/AccountId.h"

#include <QDialog>

class CQuorrilDoc;
class QPushButton;
class QTreeWidget;

// Edit > Recently Deleted…: the accounts deleted since the wallet was opened (the history's Delete
// steps that nothing has undone), latest first, with their type; Restore (or a double-click) asks
// for one to come back. The list follows the document; Restore is unavailable while it is locked.
class RecentlyDeletedDlg : public QDialog {
    Q_OBJECT
public:
    explicit RecentlyDeletedDlg(CQuorrilDoc& document, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QPushButton* restoreButton() const { return m_restore; }
    void refresh();

Q_SIGNALS:
    void restoreRequested(AccountId id);

private:
    void requestRestore();
    void updateButton();

    CQuorrilDoc& m_doc;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_restore = nullptr;
};
