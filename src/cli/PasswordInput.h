#pragma once

#include <QString>

#include <functional>
#include <optional>

class QTextStream;

// Reads the document password from standard input: on a terminal it is asked for without echo
// (twice alike when `confirm`), otherwise it is the first line. Nothing when the input ends before
// a line or when the two typed passwords differ; the reason is then written to err.
std::optional<QString> readPassword(bool confirm, QTextStream& err);

// The program's password reader. When the environment variable QUORRIL_PASSWORD_FILE names a file
// (a merge driver has no terminal and git gives it no input), each call gives the next line of that
// file, the first line first, never asking twice for a new one. The file must be a regular file
// that neither its group nor others may read or write, as a private key must; otherwise nothing is
// read from it and err says why. Without the variable, readPassword().
std::function<std::optional<QString>(bool confirm)> passwordReader(QTextStream& err);
