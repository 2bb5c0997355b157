#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Warning - Duplicate Account": accepted by "Yes" (back to the account dialog to change the
// title), rejected by "No", Esc or the close box.
class CDuplicateAccountDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDuplicateAccountDlg(QWidget* parent = nullptr);

    QLabel* message() const { return m_message; }
    QPushButton* yesButton() const { return m_yes; }
    QPushButton* noButton() const { return m_no; }

private:
    QLabel* m_message;
    QPushButton* m_yes;
    QPushButton* m_no;
};
