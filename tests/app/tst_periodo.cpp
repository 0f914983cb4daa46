// The "Livro" menu and the period panel on the offscreen platform, and one
// preparation from the login to the book through the window.
#include "app/dbedit.h"
#include "app/interfacejanela.h"
#include "app/utombario.h"
#include "app/janelateste.h"
#include "book/mascaradata.h"
#include "comum/cenariolivro.h"
#include "config/globais.h"
#include "config/regional.h"
#include "config/senha.h"
#include "data/udm.h"
#include "data/udm2.h"
#include "reports/urm.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString kPeriodo = QStringLiteral("interfac/torvenia.bd");

// Rows of a statement on another database file, columns joined by '|', rows by '/'.
QString Linhas(const QString &banco, const QString &sql)
{
    ConexaoFirebird c(QStringLiteral("teste"));
    DefineParametrosPadrao(c);
    c.defineParametro(QStringLiteral("RoleName"), QString());
    c.defineParametro(QStringLiteral("Database"), banco);
    QStringList linhas;
    for (const auto &l : c.consulta(sql).linhas) {
        QStringList cols;
        for (const QVariant &v : l)
            cols << (v.isNull() ? QString()
                     : v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("yyyy-MM-dd"))
                                                      : v.toString());
        linhas << cols.join(QLatin1Char('|'));
    }
    return linhas.join(QLatin1Char('/'));
}

const JanelaTeste::Ini kIni = {{QStringLiteral("IP DO SERVIDOR CENTRAL"), QString()},
                                {QStringLiteral("CONTEUDO DO LIVRO DE RECEITUARIO MEDICO"), QStringLiteral("COMPLETO")}};

// The window as start-up builds it, shown and active, the store logged in.
class PeriodoTeste : public ::testing::Test, public JanelaTeste {
protected:
    explicit PeriodoTeste(bool saltaLogin = true) : JanelaTeste(kIni, saltaLogin)
    {
        DefineRegionais(ConfiguracoesRegionais{});
        ambiente.instalaProjetoRelatorios();
        if (saltaLogin)
            CnpjLoja = kLoja;
        mostra();
    }

    QString periodo(const QString &colunas) const
    {
        return Linhas(ambiente.caminho(kPeriodo), QStringLiteral("select ") + colunas + QStringLiteral(" from PERIODO"));
    }
    void abrePainel() { janela->Preparar1->trigger(); }
    void digita(DBEdit *campo, const QString &texto)
    {
        campo->setFocus();
        campo->selectAll();
        QTest::keyClick(campo, Qt::Key_Backspace);
        campo->home(false);
        QTest::keyClicks(campo, texto);
    }

    CenarioLivro cenario{ambiente};
};

class PainelPeriodoTeste : public PeriodoTeste {
protected:
    PainelPeriodoTeste()
    {
        ambiente.executaEm(ambiente.caminho(kPeriodo),
                      QStringLiteral("insert into PERIODO (DATAINICIAL, DATAFINAL, ESTACAO, NPEDIDO, NFORMULA) values "
                                     "('2024-02-01', '2024-02-29', '01', 500, 2)"));
    }
};

TEST_F(PainelPeriodoTeste, AbreComOPeriodoAnterior)
{
    abrePainel();
    ASSERT_TRUE(janela->PainelPeriodo5->isVisible());
    EXPECT_EQ(janela->PainelPeriodo5->geometry(), QRect(204, 134, 374, 203));
    EXPECT_EQ(janela->PainelPeriodo5->parentWidget(), janela->PainelLivro);
    EXPECT_EQ(janela->BotDesfPrep->text(), QStringLiteral("Preparação"));
    EXPECT_EQ(DM2->Periodo.FieldByName(QStringLiteral("DATAINICIAL")).EditMask, MascaraData());
    EXPECT_EQ(DM2->Periodo.FieldByName(QStringLiteral("DATAFINAL")).EditMask, MascaraData());
    EXPECT_EQ(janela->DBEditDataInicial5->text(), QStringLiteral("01/02/2024"));
    EXPECT_EQ(janela->DBEditDataFinal5->text(), QStringLiteral("29/02/2024"));
    EXPECT_EQ(janela->DBEditEst->text(), QStringLiteral("01"));
    EXPECT_EQ(janela->DBEditNPed->text(), QStringLiteral("500"));
    EXPECT_EQ(janela->DBEditNForm->text(), QStringLiteral("2"));
    EXPECT_EQ(janela->DBEditNForm->toolTip(),
              QStringLiteral("Digite o número da última fórmula do último pedido do livro anteior"));
    EXPECT_TRUE(janela->DBEditDataInicial5->hasFocus());
    // Enter moves on in tab order, through all five fields to the button.
    QWidget *esperados[] = {janela->DBEditDataFinal5, janela->DBEditEst, janela->DBEditNPed, janela->DBEditNForm,
                            janela->BotDesfPrep};
    for (QWidget *proximo : esperados) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), proximo) << proximo->objectName().toStdString();
    }
}

TEST_F(PainelPeriodoTeste, MenuLivroVoltaAManterNumeros)
{
    janela->PrepararLivroLimparNmFrmulas1->trigger();
    EXPECT_TRUE(janela->RenumerarFormulas);
    EXPECT_TRUE(janela->PainelPeriodo5->isVisible());
    emit janela->CapasLivro1->aboutToShow();
    EXPECT_FALSE(janela->RenumerarFormulas);
}

struct CasoValidacao {
    const char *inicial, *final_, *pedido, *formula;
    const char *mensagem;
    const char *campo;
};

class ValidacaoTeste : public PainelPeriodoTeste, public ::testing::WithParamInterface<CasoValidacao> {};

TEST_P(ValidacaoTeste, MensagemEFocoNoCampo)
{
    cenario.insere(QStringLiteral("LIVROSC"), {{QStringLiteral("LOJA"), kLoja}, {QStringLiteral("CODLIVRO"), QStringLiteral("A01")}, {QStringLiteral("NUMERO"), 1}})
        .grava();
    abrePainel();
    const CasoValidacao &c = GetParam();
    digita(janela->DBEditDataInicial5, QString::fromUtf8(c.inicial));
    digita(janela->DBEditDataFinal5, QString::fromUtf8(c.final_));
    digita(janela->DBEditNPed, QString::fromUtf8(c.pedido));
    digita(janela->DBEditNForm, QString::fromUtf8(c.formula));
    janela->BotDesfPrep->click();
    EXPECT_EQ(ui.textos(QStringLiteral("mensagem")), QStringList{QString::fromUtf8(c.mensagem)});
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.campo));
    EXPECT_TRUE(janela->PainelPeriodo5->isVisible());
    EXPECT_TRUE(DM2->Periodo.Active());
    EXPECT_EQ(ambiente.valor(QStringLiteral("select count(*) from LIVROSC")), QStringLiteral("1"));
    EXPECT_EQ(periodo(QStringLiteral("DATAINICIAL, NPEDIDO")), QStringLiteral("2024-02-01|500"));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidacaoTeste,
    ::testing::Values(
        CasoValidacao{"31022024", "31032024", "1", "1",
                      "Data Inicial incorreta. Se a data estiver correta, verifique as configurações regionais: O formato "
                      "correto é \"dd/mm/aa\".",
                      "DBEditDataInicial5"},
        CasoValidacao{"01032024", "", "1", "1",
                      "Data Final incorreta. Se a data estiver correta, verifique as configurações regionais: O formato "
                      "correto é \"dd/mm/aa\".",
                      "DBEditDataFinal5"},
        CasoValidacao{"01032024", "31032024", "", "1", "Nº Pedido incorreto. Corrija e tente novamente.", "DBEditNPed"},
        CasoValidacao{"01032024", "31032024", "12", "1a", "Nº Fórmula incorreto. Corrija e tente novamente.",
                      "DBEditNForm"}));

TEST_F(PainelPeriodoTeste, CancelarGuardaOPeriodoAnterior)
{
    abrePainel();
    digita(janela->DBEditDataInicial5, QStringLiteral("01032024"));
    digita(janela->DBEditEst, QStringLiteral("07"));
    QTest::keyClick(janela->DBEditEst, Qt::Key_Return);
    QTest::keyClick(janela.get(), Qt::Key_Escape); // Esc presses "Cancelar"
    EXPECT_FALSE(janela->PainelPeriodo5->isVisible());
    EXPECT_FALSE(DM2->Periodo.Active());
    EXPECT_EQ(periodo(QStringLiteral("DATAINICIAL, DATAFINAL, ESTACAO, NPEDIDO, NFORMULA")),
              QStringLiteral("2024-02-01|2024-02-29|01|500|2"));
}

// Confirming stores the period, deletes the components without a name (every
// store) and this store's book lines, hides the panel and runs the preparation.
TEST_F(PainelPeriodoTeste, ConfirmarGuardaApagaERoda)
{
    const QString outra = QStringLiteral("99888777000166");
    cenario.pedido(QStringLiteral("05"), 1, QDate(2023, 1, 1)).formula(1)
        .componente(QString(QLatin1String("")), 1, QStringLiteral("g"))
        .componente(QStringLiteral("Fica"), 1, QStringLiteral("g"))
        .insere(QStringLiteral("LIVROSC"), {{QStringLiteral("LOJA"), kLoja}, {QStringLiteral("CODLIVRO"), QStringLiteral("A01")}, {QStringLiteral("NUMERO"), 1}})
        .insere(QStringLiteral("LIVROSC"), {{QStringLiteral("LOJA"), outra}, {QStringLiteral("CODLIVRO"), QStringLiteral("A01")}, {QStringLiteral("NUMERO"), 1}})
        .grava();
    abrePainel();
    digita(janela->DBEditDataInicial5, QStringLiteral("01032024"));
    digita(janela->DBEditDataFinal5, QStringLiteral("31032024"));
    digita(janela->DBEditEst, QStringLiteral("ab"));
    QTest::keyClick(janela->DBEditEst, Qt::Key_Return); // leaving upper-cases the station
    EXPECT_EQ(janela->DBEditEst->text(), QStringLiteral("AB"));
    digita(janela->DBEditNPed, QStringLiteral("812"));
    QTest::mouseClick(janela->BotDesfPrep, Qt::LeftButton);

    EXPECT_FALSE(janela->PainelPeriodo5->isVisible());
    EXPECT_FALSE(DM2->Periodo.Active());
    EXPECT_EQ(periodo(QStringLiteral("DATAINICIAL, DATAFINAL, ESTACAO, NPEDIDO, NFORMULA")),
              QStringLiteral("2024-03-01|2024-03-31|AB|812|2"));
    EXPECT_EQ(ambiente.linhas(QStringLiteral("select COMPONENTE from COMPEDID")), QStringList{QStringLiteral("Fica")});
    EXPECT_EQ(ambiente.linhas(QStringLiteral("select LOJA from LIVROSC")), QStringList{outra});
    // The run found no order in March: its two messages.
    ASSERT_EQ(ui.mensagens.size(), 2);
    EXPECT_EQ(ui.mensagens[0].titulo, QStringLiteral("Tombario: Não há pedidos neste período!!!"));
    EXPECT_TRUE(ui.mensagens[1].texto.contains(QStringLiteral("between '03/01/24' and '03/31/24'")));
}

TEST_F(PainelPeriodoTeste, SemBancoDeInterfaceOPainelNaoAparece)
{
    QFile::remove(ambiente.caminho(kPeriodo));
    abrePainel();
    EXPECT_FALSE(janela->PainelPeriodo5->isVisible());
    ASSERT_EQ(ui.mensagens.size(), 1);
    EXPECT_EQ(ui.mensagens[0].tipo, QStringLiteral("erro"));
}

class PreparacaoPelaJanelaTeste : public PeriodoTeste {
protected:
    PreparacaoPelaJanelaTeste() : PeriodoTeste(false) {}
};

// From the login to the book: the user logs in, opens "Livro", chooses
// "Preparar Livro - Manter Núm. Fórmulas", types the period and confirms.
TEST_F(PreparacaoPelaJanelaTeste, DoLoginAoLivro)
{
    cenario
        .insere(QStringLiteral("USUARIOS"), {{QStringLiteral("USUARIO"), CodificaSenha(QStringLiteral("JOAO"))},
                                             {QStringLiteral("SENHA"), CodificaSenha(QStringLiteral("ABC123"))},
                                             {QStringLiteral("ACESSO"), QStringLiteral("AAAAAAAAAAAAX")}})
        .insere(QStringLiteral("ESTACOES"), {{QStringLiteral("ESTACAO"), QStringLiteral("01")},
                                             {QStringLiteral("USUARIO"), QStringLiteral("JOAO")},
                                             {QStringLiteral("CNPJ"), kLoja}})
        .loja(kLoja, QStringLiteral("A01"), 200)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 4))
        .formula(1).componente(QStringLiteral("Fluoxetina"), 20, QStringLiteral("mg")).componente(QStringLiteral("Lactose"), 100, QStringLiteral("QSP"))
        .pedido(QStringLiteral("01"), 2, QDate(2024, 3, 5))
        .formula(1).componente(QStringLiteral("Cafeína"), 50, QStringLiteral("mg"))
        .grava();

    ASSERT_TRUE(janela->PainelLogin->isVisible());
    janela->EditNome->setText(QStringLiteral("joao"));
    janela->EditSenhaU->setFocus();
    QTest::keyClicks(janela->EditSenhaU, QStringLiteral("abc123"));
    QTest::keyClick(janela->EditSenhaU, Qt::Key_Return);
    ASSERT_FALSE(janela->PainelLogin->isVisible()) << ui.textos().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(CnpjLoja, kLoja);

    // Open "Livro" on the menu bar and choose the item.
    janela->RenumerarFormulas = true;
    const QRect livro = janela->mm1->actionGeometry(janela->CapasLivro1->menuAction());
    QTest::mouseClick(janela->mm1, Qt::LeftButton, {}, livro.center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(janela->CapasLivro1));
    EXPECT_FALSE(janela->RenumerarFormulas);
    QTest::mouseClick(janela->CapasLivro1, Qt::LeftButton, {}, janela->CapasLivro1->actionGeometry(janela->Preparar1).center());
    ASSERT_TRUE(janela->PainelPeriodo5->isVisible());
    ASSERT_EQ(foco(), QStringLiteral("DBEditDataInicial5"));

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("01032024"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("31032024"));
    for (const char *t : {"01", "10", "1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(t));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), janela->BotDesfPrep);
    QTest::keyClick(janela->BotDesfPrep, Qt::Key_Space);

    EXPECT_TRUE(ui.textos().isEmpty()) << ui.textos().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(ambiente.linhas(QStringLiteral("select NUMERO, NPEDIDO, PRESCRICOES from LIVROSC where LOJA = '%1' order by NUMERO").arg(kLoja)),
              (QStringList{QStringLiteral("200|01.1.1|Fluoxetina 20mg, Lactose QSP. Qde Cáps:30. Posologia: 1 ao dia"),
                           QStringLiteral("201|01.2.1|Cafeína 50mg. Qde Cáps:30. Posologia: 1 ao dia")}));
    EXPECT_EQ(Linhas(ambiente.caminho(QStringLiteral("Interfac01/torvenia.bd")),
                     QStringLiteral("select DATAINICIAL, DATAFINAL, NPEDIDO from PERIODO")),
              QStringLiteral("2024-03-01|2024-03-31|10"));
    // The book report was shown over the store's lines.
    EXPECT_EQ(DM->sqlLivroSC.RecordCount(), 2);
    ASSERT_EQ(ui.relatorios.size(), 1);
    EXPECT_TRUE(ui.relatorios[0].texto.contains(QStringLiteral("Fluoxetina 20mg"))) << ui.relatorios[0].texto.toStdString();
    EXPECT_TRUE(ui.relatorios[0].texto.contains(QStringLiteral("Cafeína 50mg")));
    EXPECT_EQ(ui.titulosProgresso, (QStringList{QStringLiteral("Preparando Livro"), QStringLiteral("Montando Livro")}));
}

// The progress panel as the runs drive it through the window.
TEST_F(PainelPeriodoTeste, PainelDeProgresso)
{
    InterfaceJanela interface(janela.get());
    interface.progressoMostra(QStringLiteral("Montando Livro"), 7);
    interface.progressoPosicao(3);
    interface.progressoPedido(QStringLiteral("Data: 02/03/24   Pedido: 01.1"));
    interface.processaMensagensPendentes();
    EXPECT_TRUE(janela->PainelTermLivro->isVisible());
    EXPECT_EQ(janela->PainelTermLivro->parentWidget(), janela->PainelLivro);
    EXPECT_EQ(janela->PainelTermLivro->geometry(), QRect(40, 153, 705, 180));
    EXPECT_EQ(janela->PainelCabTerm->text(), QStringLiteral("Montando Livro"));
    EXPECT_EQ(janela->LabelAguarde->text(), QStringLiteral("Aguarde..."));
    EXPECT_EQ(janela->TermLivro->maximum(), 7);
    EXPECT_EQ(janela->TermLivro->value(), 3);
    EXPECT_TRUE(janela->LabelPedido->isVisible());
    EXPECT_EQ(janela->LabelPedido->text(), QStringLiteral("Data: 02/03/24   Pedido: 01.1"));
    interface.progressoOcultaPedido();
    interface.progressoOculta();
    EXPECT_FALSE(janela->LabelPedido->isVisible());
    EXPECT_FALSE(janela->PainelTermLivro->isVisible());
}
} // namespace
