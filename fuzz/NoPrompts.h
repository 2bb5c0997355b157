#pragma once

#include "document/Prompts.h"

#include <cstdlib>

// The prompts of a harness: loading, storing and merging ask nothing, so a prompt is a fault.
class NoPrompts : public Prompts {
public:
    std::optional<QString> password(PasswordMode) override { std::abort(); }
    void notice(const QString&, const QString&) override { std::abort(); }
    QString saveFileName(const QString&) override { std::abort(); }
};
