#pragma once
// Module-level values shared by the whole system.
#include <QString>

// Login values: empty until a login succeeds.
inline QString NomeUsuario;   // upper-cased user name, up to 60 characters
inline QString CodEstacao;    // station code, 2 characters
inline QString CnpjLoja;      // the store's CNPJ, 14 characters
inline QString AcessoUsuario; // the user's access string, up to 20 characters

// Settings read once at start-up from TORVENIA.INI.
inline QString IpServidorCentral;
inline int CorFundo = 0;
inline QString ConteudoLivro;
inline QString LaboratorioPadrao; // a book run may replace it with the store's laboratory
inline QString OrdenarPorCodLivro;
inline QString SoEnderecoCompleto;
inline QString DataValidadeOuFabricacao;
inline QString ProgramaFarmaciaDeMinas = QStringLiteral("N");
inline QString DiretorioPrograma; // the executable's folder, ending in a separator

// Starting values of every module-level value (used by a fresh start and by tests).
void ReiniciaGlobais();
