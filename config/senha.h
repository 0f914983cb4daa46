#pragma once
#include <QString>

// The family's keyless encoding of user names and passwords: the Windows-1252
// bits of the first (length mod 32) characters, rotated left by three, read
// back byte by byte from the last, each byte written as two letters A..P.
QString CodificaSenha(const QString &texto);
