#pragma once
// Creating empty databases with the tables this program works on (for the
// set-up of a workstation, the demo and the tests; the system itself never
// creates or alters a table in a pharmacy's database).
#include <QString>
#include <QStringList>

QString ScriptBancoPrincipal();
QString ScriptBancoInterface();
// The statements of a script, without comments, each without its ';'.
QStringList ComandosDoScript(const QString &script);

// Creates the database at a database string and runs the script in it.
void CriaBanco(const QString &banco, const QString &script);

// Under a platform root: "dados/torvenia.bd", "interfac/torvenia.bd" and, for
// each station code, "InterfacNN/torvenia.bd".
void CriaBancosDaRaiz(const QString &raiz, const QStringList &estacoes);
