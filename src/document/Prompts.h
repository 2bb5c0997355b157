#pragma once

#include "format/EncryptedFormat.h"

#include <QString>

#include <functional>
#include <optional>

// What the document asks of the user: a password, a notice, and a file name where a save has none.
// The program answers with its dialogs (caption "Quorril"), the command-line program from standard
// input and error, tests from a script that records every text shown. Everything else a window
// asks goes through the wider UiPrompts of the dialogs.
class Prompts {
public:
    enum class PasswordMode {
        Verify, // one field: the password that opens or unlocks a document
        Set, // two fields: a new password, typed twice alike
        // Set, for a wallet saved encrypted: its password is all that protects the file, so the
        // prompt warns (without refusing) about a short one.
        SetEncrypted,
    };

    virtual ~Prompts() = default;

    // The password dialog; the entered (never empty) password, or nothing on Cancel.
    virtual std::optional<QString> password(PasswordMode mode) = 0;
    // A notice with an information icon and an OK button. A detail, when not empty, is shown below
    // the text as the box's detail (for a failure: the file and the system's reason).
    virtual void notice(const QString& text, const QString& detail) = 0;
    void notice(const QString& text) { notice(text, QString()); }
    // The file dialog of Save As; an empty text when the user cancels.
    virtual QString saveFileName(const QString& suggestedPath) = 0;

    // Whether to open a file whose header asks far more of the key derivation than this program
    // writes (a forged header can keep the program busy for minutes). Where no one can be asked,
    // the answer is No and the file is refused as damaged.
    virtual bool openCostly(const KdfCost& /*asked*/) { return false; }
    // Runs costly work (a key derivation) to its end and returns true, or returns false when the user
    // gave up waiting. The window runs it on another thread, so the work may still be running after
    // false and must own everything it touches. Here it simply runs.
    virtual bool runCostly(const std::function<void()>& work)
    {
        work();
        return true;
    }
};
