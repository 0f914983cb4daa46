#pragma once
#include <QString>

// The system's fixed folder "c:\torvenia" is one platform root: C:\TORVENIA on
// Windows, elsewhere $TORVENIA_DIR or /var/lib/torvenia.
QString RaizPlataforma();

// Maps a system path such as "c:\torvenia\rpt\rptTombario.rav" (any letter
// case, backslashes) to the local file. Paths outside the root only get their
// separators converted. This is the one place that builds local paths.
QString CaminhoLocal(const QString &caminhoSistema);
