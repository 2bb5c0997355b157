#pragma once

#include "document/QuorrilDoc.h"

#include <memory>
#include <vector>

// Files the accounts into the document in one step, as an import does: no committed or duplicate
// check, a later account with an id in place of an earlier one.
template <class... Accounts> void fileAccounts(CQuorrilDoc& doc, Accounts&&... accounts)
{
    std::vector<std::unique_ptr<AccountRecord>> list;
    (list.push_back(std::forward<Accounts>(accounts)), ...);
    doc.changeAccounts(QStringLiteral("Import"), std::move(list));
}
