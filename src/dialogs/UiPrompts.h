#pragma once

#include "document/Prompts.h"

#include <QStringList>

// Every question the windows ask the user and every notice they show: the document's Prompts and
// the questions of the dialogs, the views' commands and the main window. The program answers with
// real dialogs and message boxes (WidgetPrompts); tests answer from a script and record every text
// shown, so that no modal window is ever needed to test behaviour.
class UiPrompts : public Prompts {
public:
    enum class Icon { None, Information, Question, Warning };
    enum class Answer { Yes, No, Cancel };

    using Prompts::notice;
    // A question with Yes and No buttons; true for Yes. escapeMeans is the answer that Esc and the
    // close box give: No for most questions, Yes where No would throw away what the user typed.
    // defaultAnswer is the button Enter presses: Yes, or No where Yes gives something away.
    virtual bool question(const QString& text, Icon icon, Answer escapeMeans, Answer defaultAnswer) = 0;
    bool question(const QString& text, Icon icon, Answer escapeMeans)
    {
        return question(text, icon, escapeMeans, Answer::Yes);
    }
    bool question(const QString& text, Icon icon) { return question(text, icon, Answer::No); }
    // A question with Yes, No and Cancel buttons ("Save changes to %1?").
    virtual Answer questionWithCancel(const QString& text) = 0;
    // The "Warning - Duplicate Account" dialog; true for its "Yes" (go back and change the title),
    // false for "No", Esc or the close box.
    virtual bool duplicateAccount() = 0;
    // The file dialog of Open; an empty text when the user cancels.
    virtual QString openFileName() = 0;

    // Answers every prompt open now as Cancel or No would, whatever Esc means there, and closes it,
    // the innermost first. A lock calls it, so that no answer given later reaches a locked wallet.
    virtual void cancelOpenPrompts() = 0;
    // Whether a password prompt is open now.
    virtual bool passwordPromptOpen() const = 0;
    // The file dialog of File > Import…, offering the filters given (the formats read); an empty
    // text when the user cancels.
    virtual QString importFileName(const QStringList& filters) = 0;
    // The file dialog of File > Export…: the file to write and, in chosenFilter, the index of the
    // filter (the format) chosen; an empty text when the user cancels.
    virtual QString exportFileName(const QStringList& filters, qsizetype& chosenFilter) = 0;
};
