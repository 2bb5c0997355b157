#pragma once

#include "core/AccountId.h"

#include <QDate>
#include <QDialog>

#include <functional>

class CQuorrilDoc;
class QLabel;
class QStandardItemModel;
class QTableView;

// View > Expiring…: every expiry date of the wallet in a table sorted by date, with Title, Type,
// What, Date and how far off it is. What has expired or falls due within 30 days is marked with a
// sign and a colour. The table follows the document: it is empty while the document is locked
// and fills again when it is unlocked. A double-click or Enter asks for the account's dialog.
class ExpiringDlg : public QDialog {
    Q_OBJECT
public:
    using Today = std::function<QDate()>;
    enum Column { Title, Type, What, Date, Due, ColumnCount };
    // Marks the due text of a row that needs attention.
    static constexpr QChar AttentionSign = QChar(u'\u26A0');

    ExpiringDlg(CQuorrilDoc& document, Today today, QWidget* parent = nullptr);

    QStandardItemModel* model() const { return m_model; }
    QTableView* table() const { return m_table; }
    // The account of a row.
    AccountId accountAt(int row) const;
    void refresh();

Q_SIGNALS:
    void accountActivated(AccountId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CQuorrilDoc& m_doc;
    Today m_today;
    QStandardItemModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_note = nullptr;
};
