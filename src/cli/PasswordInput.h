#pragma once

#include <QString>

#include <optional>

class QTextStream;

// Reads the document password from standard input: on a terminal it is asked for without echo
// (twice alike when `confirm`), otherwise it is the first line. Nothing when the input ends before
// a line or when the two typed passwords differ; the reason is then written to err.
std::optional<QString> readPassword(bool confirm, QTextStream& err);
