#pragma once

#include "core/AccountId.h"
#include "document/PasswordHealth.h"

#include <QDate>
#include <QDialog>

#include <functional>

class CQuorrilDoc;
class QLabel;
class QStandardItemModel;
class QTableView;

// View > Password Health…: every password, user password, PIN and key of the wallet with its grade,
// worst first, and what is wrong with it: reused (in how many places), weak, empty, an expired card
// or policy. Values are never shown. A double-click or Enter on a row asks for the account's dialog.
// The window closes when the document locks: it shows what only an unlocked wallet may show.
class HealthDlg : public QDialog {
    Q_OBJECT
public:
    using Today = std::function<QDate()>;
    enum Column { Account, Type, Secret, Grade, Bits, Problems, ColumnCount };

    HealthDlg(CQuorrilDoc& document, Today today, QWidget* parent = nullptr);

    QStandardItemModel* model() const { return m_model; }
    QTableView* table() const { return m_table; }
    QLabel* note() const { return m_note; }
    // The account of a row.
    AccountId accountAt(int row) const;
    void refresh();

Q_SIGNALS:
    void accountActivated(AccountId id);

private:
    CQuorrilDoc& m_doc;
    Today m_today;
    QStandardItemModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_note = nullptr;
};
