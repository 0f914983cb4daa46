// The login panel against a real user and station table.
#include "app/janelateste.h"
#include "config/senha.h"
#include "config/textos.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <gtest/gtest.h>

namespace {
const QString kTituloInicial = QStringLiteral("Receituário Médico Geral");

// ACESSO whose 13th character admits names beginning with `inicial`.
QString acessoPara(QChar inicial) { return QStringLiteral("SSSSSSSSSSSS") + QChar(inicial.unicode() + 14) + QStringLiteral("SSSSSSS"); }

QString usuario(const QString &nome, const QString &senha, const QString &acesso)
{
    return QStringLiteral("INSERT INTO USUARIOS (USUARIO, SENHA, ACESSO) VALUES ('%1', '%2', '%3')")
        .arg(CodificaSenha(nome), CodificaSenha(senha), EscapaSql(acesso));
}

QString estacao(const QString &codigo, const QString &usuario, const QString &cnpj)
{
    return QStringLiteral("INSERT INTO ESTACOES (ESTACAO, USUARIO, CNPJ) VALUES ('%1', '%2', '%3')")
        .arg(codigo, EscapaSql(usuario), cnpj);
}

void preparaUsuarios(const AmbienteTeste &a)
{
    a.executa({
        usuario(QStringLiteral("ANA"), QStringLiteral("ABC"), acessoPara(QLatin1Char('A'))),
        usuario(QStringLiteral("ADA"), QStringLiteral("ABC"), acessoPara(QLatin1Char('A'))),
        usuario(QStringLiteral("BETO"), QStringLiteral("ABC"), acessoPara(QLatin1Char('A'))), // mark for A, not B
        usuario(QStringLiteral("CAIO"), QStringLiteral("ABC"), QStringLiteral("SSSSSSSSSSSQ")), // 12 characters
        usuario(QStringLiteral("JOãO"), QStringLiteral("ABC"), acessoPara(QLatin1Char('J'))),
        usuario(QStringLiteral("MARIA"), QStringLiteral("ABC"), acessoPara(QLatin1Char('M'))),
        usuario(QStringLiteral("PEDRO"), QStringLiteral("ABC"), acessoPara(QLatin1Char('P'))),
        usuario(QStringLiteral("ZECA"), QStringLiteral("ABC"), acessoPara(QLatin1Char('Z'))),
        usuario(QStringLiteral("D'AVILA"), QStringLiteral("ABC"), acessoPara(QLatin1Char('D'))),
        // Stations: the plain name in any letter case.
        estacao(QStringLiteral("01"), QStringLiteral("ana"), QStringLiteral("12345678000195")),
        estacao(QStringLiteral("07"), QStringLiteral("Maria"), QStringLiteral("1234567890")),
        estacao(QStringLiteral("03"), QStringLiteral("PEDRO"), QStringLiteral("33333333000133")),
        estacao(QStringLiteral("02"), QStringLiteral("PEDRO"), QStringLiteral("22222222000122")),
        estacao(QStringLiteral("04"), QStringLiteral("D'AVILA"), QStringLiteral("44444444000144")),
    });
}

struct CasoLogin {
    const char *nome;
    QString usuario;
    QString senha;
    QString mensagem; // empty: admitted
    QString foco;     // where the focus goes after a refusal
    QString estacao;  // after an admission
    QString loja;
    QString titulo;
};

void PrintTo(const CasoLogin &c, std::ostream *os) { *os << c.nome; }

class Login : public ::testing::TestWithParam<CasoLogin> {};

TEST_P(Login, VerificaLogin)
{
    const CasoLogin &c = GetParam();
    JanelaTeste t;
    preparaUsuarios(t.ambiente);
    t.mostra();
    TFormLivros &j = *t.janela;
    ASSERT_TRUE(j.PainelLogin->isVisible());
    ASSERT_FALSE(j.menuNaJanela());
    // Values of a previous login stay when no station is found.
    CodEstacao = QStringLiteral("99");
    CnpjLoja = QStringLiteral("99999999999999");
    const QString bancoAntes = DM2->SQLConnection1.parametro(QStringLiteral("Database"));

    // Typed straight into the fields: the name field is never left.
    j.EditNome->setText(c.usuario);
    j.EditSenhaU->setText(c.senha);
    j.BotOkSenha->click();

    if (!c.mensagem.isEmpty()) {
        EXPECT_EQ(t.ui.textos(), QStringList{c.mensagem});
        EXPECT_EQ(JanelaTeste::foco(), c.foco);
        EXPECT_TRUE(j.PainelLogin->isVisible());
        EXPECT_FALSE(j.menuNaJanela());
        EXPECT_EQ(j.EditNome->text(), c.usuario); // typed texts kept
        EXPECT_EQ(j.EditSenhaU->text(), c.senha);
        EXPECT_FALSE(DM->Usuarios.Active());
        EXPECT_EQ(j.windowTitle(), kTituloInicial);
        return;
    }
    EXPECT_TRUE(t.ui.mensagens.isEmpty()) << t.ui.textos().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(j.menuNaJanela());
    EXPECT_FALSE(j.PainelLogin->isVisible());
    EXPECT_TRUE(j.EditNome->text().isEmpty());
    EXPECT_TRUE(j.EditSenhaU->text().isEmpty());
    EXPECT_NE(j.botaoCancelar, j.BotCancSenha);
    EXPECT_EQ(NomeUsuario, MaiusculasAZ(c.usuario));
    EXPECT_FALSE(DM->Estacoes.Active());
    if (c.estacao.isEmpty()) {
        EXPECT_EQ(CodEstacao, QStringLiteral("99"));
        EXPECT_EQ(CnpjLoja, QStringLiteral("99999999999999"));
        EXPECT_EQ(DM2->SQLConnection1.parametro(QStringLiteral("Database")), bancoAntes);
        EXPECT_EQ(j.windowTitle(), kTituloInicial);
        return;
    }
    EXPECT_EQ(CodEstacao, c.estacao);
    EXPECT_EQ(CnpjLoja, c.loja);
    EXPECT_EQ(DM2->SQLConnection1.parametro(QStringLiteral("Database")),
              QStringLiteral(":C:\\torvenia\\Interfac") + c.estacao + QStringLiteral("\\torvenia.bd"));
    EXPECT_EQ(j.windowTitle(), c.titulo);
}

const QString kNaoAut = QStringLiteral(" não autorizado");

INSTANTIATE_TEST_SUITE_P(
    Casos, Login,
    ::testing::Values(
        CasoLogin{"NomeVazio", QString(), QStringLiteral("abc"), QStringLiteral("Não foi informado o Nome do Usuário."),
                  QStringLiteral("EditNome")},
        CasoLogin{"NomeDeBrancosNaoEhVazio", QStringLiteral("   "), QStringLiteral("abc"),
                  QStringLiteral("Usuário    ") + kNaoAut, QStringLiteral("EditNome")},
        CasoLogin{"UsuarioDesconhecidoRepeteONomeComoDigitado", QStringLiteral("fulano"), QStringLiteral("abc"),
                  QStringLiteral("Usuário fulano") + kNaoAut, QStringLiteral("EditNome")},
        CasoLogin{"SenhaErrada", QStringLiteral("ANA"), QStringLiteral("abd"),
                  QStringLiteral("Senha incorreta. Tente novamente."), QStringLiteral("EditSenhaU")},
        CasoLogin{"MarcaDeOutraInicial", QStringLiteral("beto"), QStringLiteral("abc"),
                  QStringLiteral("Usuário beto") + kNaoAut, QStringLiteral("EditNome")},
        CasoLogin{"AcessoDeDozeCaracteres", QStringLiteral("CAIO"), QStringLiteral("abc"),
                  QStringLiteral("Usuário CAIO") + kNaoAut, QStringLiteral("EditNome")},
        // Ã typed in upper case is another name than the stored JOãO.
        CasoLogin{"AcentoMaiusculoNaoEhOMesmoNome", QStringLiteral("JOÃO"), QStringLiteral("abc"),
                  QStringLiteral("Usuário JOÃO") + kNaoAut, QStringLiteral("EditNome")},
        // Name and password in lower case: both are upper-cased (a-z) before encoding.
        CasoLogin{"MinusculasComEstacao", QStringLiteral("ana"), QStringLiteral("abc"), QString(), QString(),
                  QStringLiteral("01"), QStringLiteral("12345678000195"),
                  QStringLiteral("  LIVRO DE RECEITUÁRIO  -  Usuário: \"ANA\"   Estação: 01  Loja: 12.345.678/0001-95")},
        CasoLogin{"MesmaMarcaOutroNomeComA", QStringLiteral("Ada"), QStringLiteral("ABC"), QString(), QString()},
        CasoLogin{"AcentoMinusculoPermanece", QStringLiteral("joão"), QStringLiteral("abc"), QString(), QString()},
        CasoLogin{"SemEstacao", QStringLiteral("zeca"), QStringLiteral("abc"), QString(), QString()},
        CasoLogin{"CnpjCurto", QStringLiteral("maria"), QStringLiteral("abc"), QString(), QString(),
                  QStringLiteral("07"), QStringLiteral("1234567890"),
                  QStringLiteral("  LIVRO DE RECEITUÁRIO  -  Usuário: \"MARIA\"   Estação: 07  Loja: 12.345.678/90-")},
        CasoLogin{"DuasEstacoesValeAPrimeira", QStringLiteral("pedro"), QStringLiteral("abc"), QString(), QString(),
                  QStringLiteral("03"), QStringLiteral("33333333000133"),
                  QStringLiteral("  LIVRO DE RECEITUÁRIO  -  Usuário: \"PEDRO\"   Estação: 03  Loja: 33.333.333/0001-33")},
        CasoLogin{"AspasNoNome", QStringLiteral("d'avila"), QStringLiteral("abc"), QString(), QString(),
                  QStringLiteral("04"), QStringLiteral("44444444000144"),
                  QStringLiteral("  LIVRO DE RECEITUÁRIO  -  Usuário: \"D'AVILA\"   Estação: 04  Loja: 44.444.444/0001-44")}),
    [](const ::testing::TestParamInfo<CasoLogin> &i) { return std::string(i.param.nome); });

// After a refused access mark the user's access string is already taken.
TEST(LoginMarca, RecusaGuardaOAcesso)
{
    JanelaTeste t;
    preparaUsuarios(t.ambiente);
    t.mostra();
    t.janela->EditNome->setText(QStringLiteral("BETO"));
    t.janela->EditSenhaU->setText(QStringLiteral("ABC"));
    t.janela->VerificaLogin();
    EXPECT_EQ(AcessoUsuario, acessoPara(QLatin1Char('A')));
    EXPECT_FALSE(t.janela->menuNaJanela());
}

// Keyboard: Enter in the name moves on (the name is upper-cased as it is
// left), Enter in the password presses "OK"; Esc presses "Cancela".
TEST(LoginTeclado, EnterAvancaEConfirma)
{
    JanelaTeste t;
    preparaUsuarios(t.ambiente);
    t.mostra();
    TFormLivros &j = *t.janela;
    ASSERT_EQ(JanelaTeste::foco(), QStringLiteral("EditNome"));
    j.EditNome->clear();
    QTest::keyClicks(j.EditNome, QStringLiteral("ana"));
    QTest::keyClick(j.EditNome, Qt::Key_Return);
    EXPECT_EQ(JanelaTeste::foco(), QStringLiteral("EditSenhaU"));
    EXPECT_EQ(j.EditNome->text(), QStringLiteral("ANA"));
    QTest::keyClicks(j.EditSenhaU, QStringLiteral("abc"));
    QTest::keyClick(j.EditSenhaU, Qt::Key_Return);
    EXPECT_TRUE(t.ui.mensagens.isEmpty());
    EXPECT_EQ(NomeUsuario, QStringLiteral("ANA"));
    EXPECT_TRUE(j.menuNaJanela());
    // Esc no longer cancels anything.
    QTest::keyClick(&j, Qt::Key_Escape);
    EXPECT_TRUE(j.isVisible());
}

TEST(LoginTeclado, EscFechaAJanela)
{
    JanelaTeste t;
    t.mostra();
    QTest::keyClick(t.janela->EditNome, Qt::Key_Escape);
    EXPECT_FALSE(t.janela->isVisible());
    EXPECT_FALSE(t.janela->PainelLogin->isVisible());
}

// The password shows as "#".
TEST(LoginTeclado, SenhaOculta)
{
    JanelaTeste t;
    EXPECT_EQ(t.janela->EditSenhaU->echoMode(), QLineEdit::Password);
    EXPECT_EQ(t.janela->EditSenhaU->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                      t.janela->EditSenhaU),
              int('#'));
}

// A database error while reading the users goes to the general error report
// and ends the attempt; the panel stays.
TEST(LoginFalhas, ErroDeBancoNoUsuarios)
{
    JanelaTeste t;
    t.mostra();
    DM->sqlcon1.defineParametro(QStringLiteral("Database"), QStringLiteral(":C:\\torvenia\\naoexiste\\torvenia.bd"));
    t.janela->EditNome->setText(QStringLiteral("ANA"));
    t.janela->BotOkSenha->click();
    ASSERT_EQ(t.ui.mensagens.size(), 1);
    EXPECT_EQ(t.ui.mensagens.first().tipo, QStringLiteral("erro"));
    EXPECT_TRUE(t.janela->PainelLogin->isVisible());
    EXPECT_FALSE(t.janela->menuNaJanela());
}

// The login-skip start: no panel, the menu at once, no store.
TEST(LoginSaltado, SemPainelESemLoja)
{
    JanelaTeste t({{QStringLiteral("IP DO SERVIDOR CENTRAL"), QString()}}, true);
    t.mostra();
    EXPECT_FALSE(t.janela->PainelLogin->isVisible());
    EXPECT_TRUE(t.janela->menuNaJanela());
    EXPECT_TRUE(CnpjLoja.isEmpty());
    EXPECT_TRUE(NomeUsuario.isEmpty());
}
}
