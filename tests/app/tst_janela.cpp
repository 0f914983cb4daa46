// The main window's life: creation, first showing with and without the
// login-skip marker, activation, closing, and the general error report.
#include "app/utombario.h"
#include "comum/ambiente.h"
#include "comum/interfaceteste.h"
#include "config/configuracao.h"
#include "config/globais.h"
#include "config/regional.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {
std::string s(const QString &q) { return q.toStdString(); }

struct Janela {
    AmbienteTeste amb;
    InterfaceTeste ui;
    QString pasta;
    std::unique_ptr<TFormLivros> janela;

    explicit Janela(const QList<QPair<QString, QString>> &ini = {}, bool criarIni = true)
    {
        ReiniciaGlobais();
        DefineRegionais(ConfiguracoesRegionais{});
        pasta = criarIni ? amb.escreveIni(ini) : amb.caminho(QStringLiteral("vazio"));
        QDir().mkpath(pasta);
    }
    TFormLivros &cria()
    {
        janela = std::make_unique<TFormLivros>(&ui, pasta);
        return *janela;
    }
    TFormLivros &mostra()
    {
        cria().show();
        QApplication::processEvents();
        return *janela;
    }
    void marca(const QString &nome) const
    {
        QFile f(amb.caminho(nome));
        f.open(QIODevice::WriteOnly);
    }
};
}

TEST(Janela, CriacaoTamanhoTituloECor)
{
    Janela j({{QStringLiteral("COR DE FUNDO DAS TELAS"), QStringLiteral("$00FF0000")}});
    TFormLivros &w = j.mostra();
    EXPECT_FALSE(w.encerrarPrograma());
    EXPECT_EQ(w.width(), 800);
    EXPECT_EQ(w.height(), 580);
    EXPECT_EQ(s(w.windowTitle()), s(QStringLiteral("Receituário Médico Geral")));
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0, 0, 255)); // 0x00BBGGRR: blue
    EXPECT_EQ(w.PainelLivro->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(w.PainelLivro->geometry(), w.areaCliente->rect());
    EXPECT_TRUE(j.ui.textos().isEmpty());
}

struct CasoCor {
    const char *valor;
    QColor esperada;
};

class CorJanela : public ::testing::TestWithParam<CasoCor> {};

TEST_P(CorJanela, CorDeFundo)
{
    QList<QPair<QString, QString>> ini;
    if (GetParam().valor)
        ini << qMakePair(QStringLiteral("COR DE FUNDO DAS TELAS"), QString::fromLatin1(GetParam().valor));
    Janela j(ini);
    TFormLivros &w = j.mostra();
    EXPECT_EQ(w.PainelLivro->palette().color(QPalette::Window), GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(Tabela, CorJanela,
                         ::testing::Values(CasoCor{"16711680", QColor(0, 0, 255)},
                                           CasoCor{"$000080FF", QColor(255, 128, 0)},
                                           CasoCor{"-16777201", QApplication::palette().color(QPalette::Button)},
                                           CasoCor{nullptr, QColor(0, 0, 0)}));

TEST(Janela, SemMarcadorPedeLogin)
{
    Janela j;
    TFormLivros &w = j.mostra();
    EXPECT_FALSE(w.menuNaJanela());
    EXPECT_TRUE(w.PainelLogin->isVisible());
    EXPECT_EQ(w.PainelLogin->geometry(), QRect(243, 136, 256, 163));
    EXPECT_EQ(s(w.EditNome->text()), s(NomeUsuarioWindows()));
    EXPECT_EQ(s(NomeUsuario), s(NomeUsuarioWindows()));
    EXPECT_EQ(w.EditSenhaU->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w.botaoCancelar, w.BotCancSenha);
    EXPECT_FALSE(QFile::exists(j.amb.caminho(QStringLiteral("ULTATIV.LLF"))));
    // Esc presses "Cancela", which closes the window.
    QTest::keyClick(&w, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
}

TEST(Janela, ComMarcadorTrabalhaSemLogin)
{
    Janela j;
    j.marca(QStringLiteral("SaltaLiv.db"));
    const QDateTime antes = QDateTime::currentDateTime();
    TFormLivros &w = j.mostra();
    EXPECT_TRUE(w.menuNaJanela());
    EXPECT_FALSE(w.PainelLogin->isVisible());
    EXPECT_TRUE(CnpjLoja.isEmpty());
    EXPECT_TRUE(NomeUsuario.isEmpty());
    QFile f(j.amb.caminho(QStringLiteral("ULTATIV.LLF")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray conteudo = f.readAll();
    const QList<QByteArray> linhas = conteudo.split('\n');
    ASSERT_EQ(linhas.size(), 3) << conteudo.constData(); // two lines, each ending in CR LF
    EXPECT_TRUE(conteudo.endsWith("\r\n"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d\r$")).match(QString::fromLatin1(linhas[0])).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\r$")).match(QString::fromLatin1(linhas[1])).hasMatch());
    EXPECT_EQ(s(QString::fromLatin1(linhas[0]).trimmed()), s(antes.toString(QStringLiteral("dd/MM/yy"))));
}

TEST(Janela, UltativIlegivelVaiAoRelatorioGeralEPulaOResto)
{
    Janela j;
    j.marca(QStringLiteral("SaltaLiv.db"));
    QDir().mkpath(j.amb.caminho(QStringLiteral("ULTATIV.LLF"))); // a folder cannot be written as a file
    TFormLivros &w = j.mostra();
    ASSERT_EQ(j.ui.textos(QStringLiteral("erro")).size(), 1);
    EXPECT_TRUE(j.ui.textos(QStringLiteral("erro")).first().contains(QStringLiteral("ULTATIV.LLF")));
    EXPECT_FALSE(w.PainelLogin->isVisible());
    QFile log(j.amb.caminho(QStringLiteral("ErrosReceituario.log")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("ULTATIV.LLF"));
}

struct CasoTitulo {
    const char *programa;
    bool produtosProntos;
};

class TituloAtivacao : public ::testing::TestWithParam<CasoTitulo> {};

TEST_P(TituloAtivacao, TituloAposCadaAtivacao)
{
    Janela j({{QStringLiteral("PROGRAMA FARMACIA DE MINAS?"), QString::fromLatin1(GetParam().programa)}});
    TFormLivros &w = j.mostra();
    w.FormActivate();
    const QString prontos = QStringLiteral("Receituário Médico Geral - Produtos Prontos");
    EXPECT_EQ(w.windowTitle() == prontos, GetParam().produtosProntos);
    // A caption set later (by the login) is replaced again on the next activation.
    w.setWindowTitle(QStringLiteral("  LIVRO DE RECEITUÁRIO  -  Usuário: \"ANA\""));
    w.FormActivate();
    EXPECT_EQ(w.windowTitle() == prontos, GetParam().produtosProntos);
}

INSTANTIATE_TEST_SUITE_P(Tabela, TituloAtivacao,
                         ::testing::Values(CasoTitulo{"s", true}, CasoTitulo{"S", true}, CasoTitulo{"N", false},
                                           CasoTitulo{"X", false}));

class EmUso : public ::testing::TestWithParam<bool> {};

TEST_P(EmUso, FecharApagaOMarcadorExistaOuNao)
{
    Janela j;
    if (GetParam())
        j.marca(QStringLiteral("Em_Uso.txt"));
    j.marca(QStringLiteral("SaltaLiv.db"));
    TFormLivros &w = j.mostra();
    w.Sair1Click();
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(QFile::exists(j.amb.caminho(QStringLiteral("Em_Uso.txt"))));
    EXPECT_TRUE(j.ui.mensagens.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tabela, EmUso, ::testing::Bool());

TEST(Janela, SemArquivoDeConfiguracaoEncerra)
{
    Janela j({}, false);
    TFormLivros &w = j.cria();
    EXPECT_TRUE(w.encerrarPrograma());
    EXPECT_EQ(j.ui.textos(), QStringList{QStringLiteral(
                                 "Arquivo TORVENIA.INI não encontrado. Execute o programa Crisolar.exe para criá-lo.")});
    EXPECT_FALSE(w.isVisible());
}

TEST(Janela, CorInvalidaVaiAoRelatorioGeralEAJanelaSegue)
{
    Janela j({{QStringLiteral("COR DE FUNDO DAS TELAS"), QStringLiteral("azul")},
              {QStringLiteral("PROGRAMA FARMACIA DE MINAS?"), QStringLiteral("S")}});
    TFormLivros &w = j.cria();
    EXPECT_FALSE(w.encerrarPrograma());
    EXPECT_EQ(j.ui.textos(QStringLiteral("erro")), QStringList{QStringLiteral("'azul' is not a valid integer value")});
    EXPECT_EQ(w.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(s(ProgramaFarmaciaDeMinas), "N"); // the lines after it were not read
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.PainelLogin->isVisible());
    EXPECT_EQ(w.PainelLivro->palette().color(QPalette::Window), QColor(0, 0, 0)); // FormShow applies CorFundo 0
}

TEST(Janela, MenuTemOsItensDoSistema)
{
    Janela j;
    TFormLivros &w = j.cria();
    QStringList menus;
    for (QAction *a : w.mm1->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("Arquivo"), QStringLiteral("Livro"), QStringLiteral("Utilitários"),
                                  QStringLiteral("Sair")}));
    EXPECT_EQ(s(w.Preparar1->text()), s(QStringLiteral("Preparar Livro - Manter Núm. Fórmulas")));
    EXPECT_EQ(s(w.PrepararLivroLimparNmFrmulas1->text()), s(QStringLiteral("Preparar Livro - Renumerar Fórmulas")));
    EXPECT_TRUE(w.Configurao2->shortcut().isEmpty());
}
