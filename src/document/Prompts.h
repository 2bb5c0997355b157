#pragma once

#include <QString>

#include <optional>

// Every question the program asks the user and every notice it shows goes through this interface.
// The application answers with real dialogs and message boxes (caption "Quorril"); tests answer from
// a script and record every text shown, so that no modal window is ever needed to test behaviour.
class Prompts {
public:
    enum class PasswordMode {
        Verify, // one field: the password that opens or unlocks a document
        Set,    // two fields: a new password, typed twice alike
    };
    enum class Icon { None, Information, Question };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    // The password dialog; the entered (never empty) password, or nothing on Cancel.
    virtual std::optional<QString> password(PasswordMode mode) = 0;
    // A notice with an information icon and an OK button. A detail, when not empty, is shown below
    // the text as the box's detail (for a failure: the file and the system's reason).
    virtual void notice(const QString& text, const QString& detail) = 0;
    void notice(const QString& text) { notice(text, QString()); }
    // A question with Yes and No buttons; true for Yes. escapeMeans is the answer that Esc and the
    // close box give: No for most questions, Yes where No would throw away what the user typed.
    virtual bool question(const QString& text, Icon icon, Answer escapeMeans) = 0;
    bool question(const QString& text, Icon icon) { return question(text, icon, Answer::No); }
    // A question with Yes, No and Cancel buttons ("Save changes to %1?").
    virtual Answer questionWithCancel(const QString& text) = 0;
    // The "Warning - Duplicate Account" dialog; true for its "Yes" (go back and change the title),
    // false for "No", Esc or the close box.
    virtual bool duplicateAccount() = 0;
    // The file dialogs of Open and Save As; an empty text when the user cancels.
    virtual QString openFileName() = 0;
    virtual QString saveFileName(const QString& suggestedPath) = 0;
};
