#pragma once

#include "dialogs/TableAccountDialog.h"

class QComboBox;
class UserEntry;

// The Email dialog: title, log-in URL and a user editor. Add, Update and Remove change the account
// at once (Add and Update store the title and URL as well), all of them and the final OK as one step
// of the document for an existing account; after the first such change Cancel is
// disabled, and Esc or the close box end the dialog of an existing account with OK. The dialog has
// no default button: Enter presses the focused push button, and means OK anywhere else.
//
// Each item of the users box stands for one user entry (its index in the account's list), so that
// of two users with the same log-in id each can be seen, updated and removed.
class CEmailAccountDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CEmailAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);

public Q_SLOTS:
    void OnAddUser();
    void OnUpdateUser();
    void OnRemoveUser();
    void OnSelchangeUsers();
    void OnClearUser();
    void OnCancel() override;

protected:
    void LoadAccount() override;
    void afterStore() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QComboBox* usersBox() const;
    // The user the selected item stands for, and its index; null when none is selected.
    UserEntry* selectedUser(int* index = nullptr) const;
    // Refills the users box from the account (sorted by log-in id) and selects the item of the user
    // at the index; -1 selects the first item.
    void fillUsers(int selectIndex);
    bool loadSelectedUser();
    void UpdateUserCount();
    // After Add, Update or Remove changed the account: disables Cancel, sets the changed flag and
    // shows the user count.
    void markChanged();
    bool userFieldsFilled() const;

    bool m_accountChanged = false;
};
