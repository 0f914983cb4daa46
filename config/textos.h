#pragma once
// Text helpers shared by the whole system. Text is single-byte Windows-1252
// everywhere outside the program; QString inside.
#include <QByteArray>
#include <QString>

// Windows-1252 <-> QString. Characters without a Windows-1252 code become '?'.
QByteArray ParaWin1252(const QString &texto);
QString DeWin1252(const QByteArray &bytes);
QString DeWin1252(const char *dados, int tamanho);

// Upper-casing as the family of programs does it: only 'a'..'z' change;
// accented letters stay as they are.
QString MaiusculasAZ(const QString &texto);

// Cuts a text to a fixed capacity of Windows-1252 characters.
QString Corta(const QString &texto, int largura);

// Removes leading and trailing blanks (character 32 only; tabs stay).
QString TiraEspacos(const QString &texto);

// Doubles every single quote of a text value that goes between single quotes
// in an SQL statement, so the value can never change the statement.
QString EscapaSql(const QString &valor);

// Delphi-style whole-number conversion: optional leading blanks, optional sign,
// decimal digits or hexadecimal digits after "$", "x", "X", "0x" or "0X"; the
// value must fit a signed 32-bit integer. Otherwise EConvertError
// "'%s' is not a valid integer value".
int StrToInt(const QString &texto);
bool TentaStrToInt(const QString &texto, int &valor);

// The system's messages separate their lines with a carriage return alone;
// screens and terminals want a line feed.
QString QuebrasDeLinha(const QString &texto);

// "Sim" settings: first character, upper-cased, is "S".
bool ConfiguracaoSim(const QString &valor);
