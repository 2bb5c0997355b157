#pragma once

#include "document/Prompts.h"

#include <cstdio>

// The prompts of a benchmark: every password prompt gets the wallet's password, every notice is
// printed to standard error (a benchmark that shows one has gone wrong), and no file dialog opens.
// Interface is the document's Prompts, or a wider interface for a benchmark of the windows, which
// adds the answers of its own.
template <class Interface = Prompts> class FixedPasswordPrompts : public Interface {
public:
    using PasswordMode = Prompts::PasswordMode;

    static QString walletPassword() { return QStringLiteral("bench password"); }

    std::optional<QString> password(PasswordMode) override { return walletPassword(); }
    using Interface::notice;
    void notice(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "notice: %s\n", qPrintable(text));
    }
    QString saveFileName(const QString&) override { return {}; }
};

using BenchPrompts = FixedPasswordPrompts<>;
