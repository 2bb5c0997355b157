#pragma once

#include "core/AccountTypes.h"

#include <QObject>

#include <memory>

class AccountRecord;
class CQuorrilDoc;
class CQuorrilView;
class UiPrompts;

// The account commands: New of each type, Properties and Delete. They change the document, whose
// signals the tree follows, and move the tree's selection: New files the dialog's account and
// selects it, Properties edits the selected account in its dialog, Delete removes it after a
// question. The tree's double-click and Delete key reach Properties and Delete here.
class AccountCommands : public QObject {
    Q_OBJECT
public:
    AccountCommands(CQuorrilDoc& document, CQuorrilView& tree, UiPrompts& prompts, QObject* parent = nullptr);

    // The type's dialog for a new account.
    void OnNewAccount(AccountType type);
    void OnAccountProperties();
    void OnAccountDelete();

private:
    CQuorrilDoc& m_doc;
    CQuorrilView& m_tree;
    UiPrompts& m_prompts;
};
