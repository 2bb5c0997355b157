#pragma once

#include "app/CommandActions.h"

#include <QObject>

class CQuorrilDoc;
class QStatusBar;
class QWidget;
class UiPrompts;

// File > Import… and File > Export…. An import reads another program's export (or Quorril's own
// JSON), shows its preview, and files the accounts into the open wallet as one undoable step. An
// export writes every account, after a warning, as Quorril's JSON (what quorril-cli export prints)
// or KeePassXC's CSV, in a file private to its owner. Neither is available while the wallet is
// locked.
class ImportCommands : public QObject {
    Q_OBJECT
public:
    // `window` is the parent of the preview.
    ImportCommands(CQuorrilDoc& document, UiPrompts& prompts, const CommandActions& actions, QStatusBar& statusBar,
        QWidget& window);

    void updateState();
    void OnFileImport();
    void OnFileExport();

    // Imports the file as File > Import… does once its name is chosen: the preview, then the
    // accounts. The number of accounts added (0 when refused, cancelled or unreadable).
    int importFile(const QString& path);
    // Writes the export to the file: filter 0 is Quorril's JSON, 1 KeePassXC's CSV. False with a
    // notice when the write failed.
    bool exportFile(const QString& path, qsizetype filter);

    // The filters of the export's file dialog, in the order of exportFile's filter.
    static QStringList exportFilters();

private:
    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    const CommandActions& m_actions;
    QStatusBar& m_statusBar;
    QWidget& m_window;
};
