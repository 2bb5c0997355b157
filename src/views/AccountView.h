#pragma once

#include "accounts/PropertyRows.h"

#include <QTableWidget>

#include <memory>
#include <optional>
#include <vector>

class CQuorrilDoc;
class QPrinter;
class QTextDocument;

// The right pane: the document's current account as a read-only "Property" / "Value" table. It
// holds nothing of its own; every refresh lists the account's properties again, and a locked
// document shows an empty table. Secret rows (passwords, PINs, SSN, CD Key) show a row of dots
// unless secrets are shown; copying a row gives its real value.
class CAccountView : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int PropertyColumnWidth = 125;
    static constexpr int ValueColumnWidth = 205;

    explicit CAccountView(CQuorrilDoc& document, QWidget* parent = nullptr);
    ~CAccountView() override;

    // After New and Open: refresh, and the two columns back at their first widths (the Value
    // column then grows to fill a wider pane).
    void OnInitialUpdate();
    // Every update of the document's views.
    void OnUpdate();

    // What a hidden secret shows instead of its value (the same, whatever the value's length).
    static QString maskText();
    bool showSecrets() const { return m_showSecrets; }
    void setShowSecrets(bool show);
    // Whether row `row` holds a secret.
    bool isSecretRow(int row) const;
    // The real value of a row of the shown account, hidden or not; nothing when there is no row.
    std::optional<QString> rowValue(int row) const;
    // The selected row, or -1.
    int selectedRow() const;
    // The index of the user whose rows (blank, "User #:" and fields) hold row `row`; -1 for the
    // account's own rows and when there is no such row.
    int rowUser(int row) const;

    // The print command: the print dialog, then the shown table on the chosen printer.
    void OnFilePrint();
    // The shown table laid out for printing: the account's title, then a ruled table of the rows.
    std::unique_ptr<QTextDocument> printDocument() const;
    // The printer the print command uses; it keeps the user's choices from one print to the next.
    QPrinter& printer();

    // The whole text of the cell at a point of the viewport when its column or row cuts it (what
    // its tooltip shows); empty when it shows whole or there is no cell.
    QString cutText(const QPoint& at) const;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    // The row of the shown account as the account gives it now.
    std::optional<PropertyRow> propertyRow(int row) const;
    void fitValueColumn();
    // Wipes the value texts the table holds before its rows go.
    void wipeValues();
    bool fits(const QModelIndex& index) const;

    CQuorrilDoc& m_doc;
    QString m_shownTitle;
    std::vector<bool> m_secretRows;
    bool m_showSecrets = false;
    std::unique_ptr<QPrinter> m_printer;
};
