#include "data/login.h"
#include "config/globais.h"
#include "config/senha.h"
#include "config/textos.h"
#include "data/udm.h"
#include "data/udm2.h"

QString FormataCnpj(const QString &c)
{
    return c.mid(0, 2) + QLatin1Char('.') + c.mid(2, 3) + QLatin1Char('.') + c.mid(5, 3) + QLatin1Char('/')
           + c.mid(8, 4) + QLatin1Char('-') + c.mid(12, 2);
}

ResultadoLogin ConfereUsuario(TDM &dm, const QString &nomeDigitado, const QString &senhaDigitada)
{
    if (nomeDigitado.isEmpty())
        return {SituacaoLogin::NomeVazio, QStringLiteral("Não foi informado o Nome do Usuário.")};
    const QString naoAutorizado = QStringLiteral("Usuário ") + nomeDigitado + QStringLiteral(" não autorizado");
    ClientDataSet &usuarios = dm.Usuarios;
    usuarios.Open();
    const QString inicial = MaiusculasAZ(nomeDigitado).left(1);
    const QString codigoNome = Corta(CodificaSenha(MaiusculasAZ(nomeDigitado)), 60);
    if (!usuarios.Locate(QStringLiteral("USUARIO"), codigoNome)) {
        usuarios.Close();
        return {SituacaoLogin::UsuarioNaoAutorizado, naoAutorizado};
    }
    if (CodificaSenha(MaiusculasAZ(senhaDigitada)) != Corta(usuarios.FieldByName(QStringLiteral("SENHA")).AsString(), 20)) {
        usuarios.Close();
        return {SituacaoLogin::SenhaIncorreta, QStringLiteral("Senha incorreta. Tente novamente.")};
    }
    AcessoUsuario = Corta(usuarios.FieldByName(QStringLiteral("ACESSO")).AsString(), 20);
    usuarios.Close();

    // The program's access mark: the 13th character minus 14 is the name's initial.
    const QByteArray acesso = ParaWin1252(AcessoUsuario);
    const QByteArray primeira = ParaWin1252(inicial);
    if (acesso.size() < 13 || primeira.isEmpty()
        || char((static_cast<unsigned char>(acesso[12]) - 14) & 0xFF) != primeira[0])
        return {SituacaoLogin::SemMarcaDeAcesso, naoAutorizado};
    return {SituacaoLogin::Admitido, QString()};
}

QString AdmiteUsuario(TDM &dm, TDM2 &dm2, const QString &nomeDigitado)
{
    NomeUsuario = Corta(MaiusculasAZ(nomeDigitado), 60);
    ClientDataSet &estacoes = dm.Estacoes;
    estacoes.Close();
    dm.SQLDS_Estacoes.CommandText =
        QStringLiteral("Select ESTACAO, DATBASNAM, TIPO, ATCAIXA, ESVAZIAR, EMUSO, CAMINHOREQUISICAO, CAMINHOOM, "
                       "CAMINHOECF, CAMINHOSEQUENCIAL1, CAMINHO2, ROTULO1, ROTULO2, ROTULO3, ROTULO4, ROTULO5, "
                       "ROTULO6, USUARIO, CNPJ from ESTACOES where upper(USUARIO) = '")
        + EscapaSql(MaiusculasAZ(NomeUsuario)) + QStringLiteral("'");
    estacoes.Open();
    QString titulo;
    if (estacoes.RecordCount() > 0
        && MaiusculasAZ(estacoes.FieldByName(QStringLiteral("USUARIO")).AsString()) == MaiusculasAZ(NomeUsuario)) {
        CodEstacao = Corta(estacoes.FieldByName(QStringLiteral("ESTACAO")).AsString(), 2);
        CnpjLoja = Corta(estacoes.FieldByName(QStringLiteral("CNPJ")).AsString(), 14);
        dm2.SQLConnection1.desconecta();
        dm2.SQLConnection1.defineParametro(QStringLiteral("DataBase"), IpServidorCentral
                                               + QStringLiteral(":C:\\torvenia\\Interfac") + CodEstacao
                                               + QStringLiteral("\\torvenia.bd"));
        titulo = QStringLiteral("  LIVRO DE RECEITUÁRIO  -  Usuário: \"") + NomeUsuario + QStringLiteral("\"   Estação: ")
                 + CodEstacao + QStringLiteral("  Loja: ") + FormataCnpj(CnpjLoja);
    }
    estacoes.Close();
    return titulo;
}
