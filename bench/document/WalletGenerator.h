#pragma once

#include <QtGlobal>

class CQuorrilDoc;

// Fills the document with `count` accounts spread evenly over the ten types, every field filled
// with text of a plausible length and shape for it (names, numbers, phone numbers, web addresses,
// notes), Email accounts with one to three users. The same seed gives the same wallet.
void generateWallet(CQuorrilDoc& doc, int count, quint32 seed);
