#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QTreeWidget;

// File > Restore Backup…: the backups kept of one wallet, latest first, with the time the kept file
// was saved and its size. Open (or a double-click) chooses one; chosenPath() gives it after exec().
class RestoreBackupDlg : public QDialog {
    Q_OBJECT
public:
    RestoreBackupDlg(const QString& walletPath, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QString chosenPath() const;

private:
    QTreeWidget* m_list = nullptr;
    QLabel* m_note = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
