#pragma once

#include <QDialog>

class ImportPlan;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

// The preview of File > Import…: what the file holds and what it becomes, before anything is
// added. It shows the summary of the import (the detected format, the counts by type, the values
// that go to notes or "(more)" accounts, the renamed titles, the refused rows with the reason) and
// one line per row, where a login can be switched between WebSite and Email. The user's choices
// change the plan at once; OK is available only while the plan can be imported as it is.
class ImportPreviewDlg : public QDialog {
    Q_OBJECT
public:
    ImportPreviewDlg(ImportPlan& plan, QWidget* parent = nullptr);

    // The columns of the row table.
    enum Column { WhereColumn, TypeColumn, TitleColumn, NotesColumn, MoreColumn, RefusalColumn, ColumnCount };

private:
    void fillRows();
    // Brings the summary, the titles and the OK button up to date with the plan.
    void refresh();

    ImportPlan& m_plan;
    QLabel* m_format;
    QPlainTextEdit* m_summary;
    QTableWidget* m_rows;
    QCheckBox* m_more;
    QCheckBox* m_skipRefused;
    QDialogButtonBox* m_buttons;
};
