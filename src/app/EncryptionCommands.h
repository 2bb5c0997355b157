#pragma once

#include "app/CommandActions.h"

#include <QObject>

class CQuorrilDoc;
class Preferences;
class QLabel;
class UiPrompts;

// Whether the open wallet is saved encrypted: File > Encrypt Wallet switches it (unavailable while
// the document is locked), a status-bar pane reads "Encrypted" or "Not Encrypted" ("... at next
// save" while a switch waits for the save), and the document learns the preference "Encrypt new
// wallets" for every new document. Encrypting a wallet whose password a classic file holds asks for
// a new password (keeping the old one is offered, with why it is weaker); saving an encrypted wallet
// as a classic one asks first.
class EncryptionCommands : public QObject {
    Q_OBJECT
public:
    // `pane` is the status-bar pane that shows the state.
    EncryptionCommands(CQuorrilDoc& document, UiPrompts& prompts, Preferences& preferences,
        const CommandActions& actions, QLabel& pane, QObject* parent);

    void updateState();
    // The pane's text for the document's state.
    static QString paneText(bool encrypted, bool pending);

private:
    void OnEncryptWallet(bool encrypted);
    void encrypt();

    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    QAction* m_encrypt;
    QLabel& m_pane;
};
