#pragma once
// The login rules, shared by the window and the command-line front end: the
// user found by the code of the upper-cased name, the password compared code
// to code, the program's access mark, then the user's station and store.
#include <QString>

class TDM;
class TDM2;

enum class SituacaoLogin { NomeVazio, UsuarioNaoAutorizado, SenhaIncorreta, SemMarcaDeAcesso, Admitido };

struct ResultadoLogin {
    SituacaoLogin situacao = SituacaoLogin::NomeVazio;
    QString mensagem; // the message to show; empty when admitted
};

// Checks the typed name and password against USUARIOS (AcessoUsuario is set
// once the password matched). Changes nothing else.
ResultadoLogin ConfereUsuario(TDM &dm, const QString &nomeDigitado, const QString &senhaDigitada);

// After an admitted check: NomeUsuario, then the user's station (CodEstacao,
// CnpjLoja and DM2's database). Returns the window caption for the station, or
// an empty text when the user has no station (nothing else then changes).
QString AdmiteUsuario(TDM &dm, TDM2 &dm2, const QString &nomeDigitado);

// 99.999.999/9999-99; missing pieces stay empty between the separators.
QString FormataCnpj(const QString &cnpj);
