#pragma once
// The marker files of the program family under the platform root.

// "c:\torvenia\SaltaLiv.db" exists: the program starts without a login.
bool LoginDispensado();
// Rewrites "c:\torvenia\ULTATIV.LLF" with two lines ending in CR LF: today's
// date "dd/mm/yy" and the time "hh:nn:ss" (regional separators). Raises
// EInOutError when the file cannot be written.
void GravaUltimaAtividade();
// Deletes "C:\TORVENIA\Em_Uso.txt"; a missing file or a failure is ignored.
void ApagaMarcadorEmUso();
