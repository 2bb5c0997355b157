#pragma once

#include <QObject>

class CMainFrame;
class QLabel;

// Whether the open wallet is saved encrypted: File > Encrypt Wallet switches it (unavailable while
// the document is locked), a status-bar pane reads "Encrypted" or "Not Encrypted", and the document
// learns the preference "Encrypt new wallets" for every new document.
class EncryptionCommands : public QObject {
    Q_OBJECT
public:
    explicit EncryptionCommands(CMainFrame& frame);

    void updateState();

private:
    void OnEncryptWallet(bool encrypted);

    CMainFrame& m_frame;
    QLabel* m_pane;
};
