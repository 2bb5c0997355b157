#pragma once

#include "dialogs/UiPrompts.h"
#include "support/ScriptedDocumentPrompts.h"

#include <utility>
#include <vector>

// The scripted prompts of the windows: the document's prompts and the questions of the dialogs,
// the commands and the main window, answered in the order the test queued them.
class ScriptedPrompts : public BasicScriptedPrompts<UiPrompts> {
public:
    // Queue a yes/no (also for duplicateAccount), or a Yes/No/Cancel answer; the file dialog of
    // Open takes addFileName.
    void addAnswer(bool yes) { addReply(yes); }
    void addAnswer(Answer answer) { addReply(answer); }

    using UiPrompts::question;
    bool question(const QString& text, Icon icon, Answer escapeMeans, Answer defaultAnswer) override
    {
        shown << text;
        icons.push_back(icon);
        escapes.push_back(escapeMeans);
        defaults.push_back(defaultAnswer);
        return next<bool>("question", false);
    }
    Answer questionWithCancel(const QString& text) override
    {
        shown << text;
        return next<Answer>("questionWithCancel", Answer::Cancel);
    }
    bool duplicateAccount() override
    {
        shown << QStringLiteral("[duplicate account]");
        return next<bool>("duplicateAccount", false);
    }
    QString openFileName() override
    {
        shown << QStringLiteral("[open file]");
        return next<QString>("openFileName", QString());
    }
    void cancelOpenPrompts() override { cancelHeldOpen(); }
    bool passwordPromptOpen() const override { return passwordHeldOpen(); }

    // File > Import…'s dialog takes addFileName; File > Export…'s the file and the filter's index.
    QString importFileName(const QStringList& filters) override
    {
        shown << QStringLiteral("[import file]");
        offeredFilters = filters;
        return next<QString>("importFileName", QString());
    }
    void addExportFile(const QString& path, qsizetype filter) { addReply(std::pair { path, filter }); }
    QString exportFileName(const QStringList& filters, qsizetype& chosenFilter) override
    {
        shown << QStringLiteral("[export file]");
        offeredFilters = filters;
        const auto [path, filter] = next<std::pair<QString, qsizetype>>("exportFileName", { QString(), 0 });
        chosenFilter = filter;
        return path;
    }

    // The filters of the last import or export file dialog.
    QStringList offeredFilters;
    std::vector<Icon> icons;
    // What Esc would answer, for every yes/no question, in order.
    std::vector<Answer> escapes;
    // What Enter would answer, for every yes/no question, in order.
    std::vector<Answer> defaults;
};
