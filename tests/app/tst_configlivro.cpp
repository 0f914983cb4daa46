// The book configuration panel over a real DADOSGER table.
#include "app/dbedit.h"
#include "app/janelateste.h"

#include <QAction>
#include <optional>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
const QString kLoja = QStringLiteral("11222333000181");
const QString kOutraLoja = QStringLiteral("99888777000166");

class ConfigLivro : public ::testing::Test {
protected:
    explicit ConfigLivro(const QString &conteudo = QStringLiteral("COMPLETO"))
        : t({{QStringLiteral("IP DO SERVIDOR CENTRAL"), QString()},
             {QStringLiteral("CONTEUDO DO LIVRO DE RECEITUARIO MEDICO"), conteudo}},
            true),
          j(*t.janela)
    {
        t.mostra();
        CnpjLoja = kLoja;
    }

    void linha(const QString &cgc, const QString &codigo, const QString &firma, int numero = 100)
    {
        t.ambiente.executa(QStringLiteral("INSERT INTO DADOSGER (CGC, CODIGOLIVRO, FIRMA, NUMEROINICIAL, QDEFOLHAS) "
                                          "VALUES ('%1', %2, '%3', %4, 50)")
                               .arg(cgc, codigo.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + codigo + QLatin1Char('\''),
                                    firma)
                               .arg(numero));
    }
    // The columns the panel edits most, of the rows of a store.
    QStringList dados(const QString &cgc) const
    {
        return t.ambiente.linhas(QStringLiteral("select CODIGOLIVRO, NUMEROINICIAL, QDEFOLHAS, FIRMA from DADOSGER "
                                                "where CGC = '%1'")
                                     .arg(cgc));
    }
    void abre() { j.Configurao2->trigger(); }
    void sair() { QTest::mouseClick(j.BitBtn36, Qt::LeftButton); }
    // Types into a field as a user does: focus, replace the text.
    static void digita(DBEdit *campo, const QString &texto)
    {
        campo->setFocus(Qt::MouseFocusReason);
        campo->selectAll();
        if (texto.isEmpty())
            QTest::keyClick(campo, Qt::Key_Delete);
        else if (texto.toLatin1() == texto.toUtf8())
            QTest::keyClicks(campo, texto);
        else
            campo->insert(texto); // the test keyboard knows only ASCII keys
    }
    static void sai(QWidget *campo) { QTest::keyClick(campo, Qt::Key_Tab); }

    JanelaTeste t;
    TFormLivros &j;
};

TEST_F(ConfigLivro, LojaSemLinhaGanhaUmaComSeuCnpj)
{
    abre();
    EXPECT_TRUE(j.PainelConfigLivro->isVisible());
    EXPECT_EQ(j.PainelConfigLivro->geometry(), j.areaCliente->rect());
    EXPECT_EQ(JanelaTeste::foco(), QStringLiteral("DBEdit29"));
    EXPECT_EQ(DM->DadosGer.State(), EstadoDataSet::Insercao);
    EXPECT_EQ(j.DBEdit39->text(), kLoja);
    EXPECT_EQ(j.botaoCancelar, j.BitBtn36);

    digita(j.DBEdit29, QStringLiteral("150"));
    digita(j.DBEdit48, QStringLiteral("L01"));
    sair();
    EXPECT_TRUE(t.ui.mensagens.isEmpty()) << t.ui.textos().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(j.PainelConfigLivro->isVisible());
    EXPECT_FALSE(DM->DadosGer.Active());
    EXPECT_EQ(dados(kLoja), QStringList{QStringLiteral("L01||150|")});
}

TEST_F(ConfigLivro, LinhaExistenteEditadaSemTocarAOutraLoja)
{
    linha(kLoja, QStringLiteral("A"), QStringLiteral("Firma"));
    linha(kOutraLoja, QStringLiteral("A"), QStringLiteral("Firma")); // the same values but the CNPJ
    abre();
    EXPECT_EQ(DM->DadosGer.State(), EstadoDataSet::Edicao);
    EXPECT_EQ(j.DBEdit31->text(), QStringLiteral("Firma"));
    EXPECT_EQ(j.DBEdit47->text(), QStringLiteral("100"));
    digita(j.DBEdit31, QStringLiteral("Drogaria D'Ávila"));
    digita(j.DBEdit29, QStringLiteral("300"));
    digita(j.DBEdit43, QStringLiteral("março"));
    sair();
    EXPECT_TRUE(t.ui.mensagens.isEmpty()) << t.ui.textos().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(dados(kLoja), QStringList{QStringLiteral("A|100|300|Drogaria D'Ávila")});
    EXPECT_EQ(t.ambiente.valor(QStringLiteral("select MESDESPACHO from DADOSGER where CGC = '%1'").arg(kLoja)),
              QStringLiteral("março"));
    EXPECT_EQ(dados(kOutraLoja), QStringList{QStringLiteral("A|100|50|Firma")});
}

TEST_F(ConfigLivro, SemCodigoDoLivroGravaEApagaDeTodasAsLojas)
{
    // A log proves that the new row did reach the table before the delete.
    t.ambiente.executa({QStringLiteral("CREATE TABLE LOGDG (CGC VARCHAR(18))"),
                        QStringLiteral("CREATE TRIGGER DG_AI FOR DADOSGER AFTER INSERT AS BEGIN "
                                       "INSERT INTO LOGDG VALUES (NEW.CGC); END")});
    linha(kOutraLoja, QString(), QStringLiteral("Outra"));
    abre();
    digita(j.DBEdit31, QStringLiteral("Farmácia Nova"));
    sair();
    EXPECT_TRUE(t.ui.mensagens.isEmpty()) << t.ui.textos().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(j.PainelConfigLivro->isVisible());
    EXPECT_TRUE(t.ambiente.linhas(QStringLiteral("select CGC from LOGDG")).contains(kLoja));
    EXPECT_EQ(t.ambiente.valor(QStringLiteral("select count(*) from DADOSGER")), QStringLiteral("0"));
}

TEST_F(ConfigLivro, EscSalvaEFecha)
{
    linha(kLoja, QStringLiteral("A"), QStringLiteral("Firma"));
    abre();
    digita(j.DBEdit33, QStringLiteral("Dra. Helena"));
    QTest::keyClick(j.DBEdit33, Qt::Key_Escape);
    EXPECT_FALSE(j.PainelConfigLivro->isVisible());
    EXPECT_EQ(t.ambiente.valor(QStringLiteral("select FARMACEUTICO from DADOSGER where CGC = '%1'").arg(kLoja)),
              QStringLiteral("Dra. Helena"));
    // Without a panel Esc does nothing.
    QTest::keyClick(&j, Qt::Key_Escape);
    EXPECT_TRUE(j.isVisible());
    EXPECT_TRUE(t.ui.mensagens.isEmpty()) << t.ui.textos().join(QLatin1Char('|')).toStdString();
}

// Esc with the focus in "Nº Últ. Fórm.": the panel closing is no leaving of
// the field, so the number is saved as shown and nothing is reported.
TEST_F(ConfigLivro, EscNoNumeroNaoSoma)
{
    linha(kLoja, QStringLiteral("A"), QStringLiteral("Firma"));
    abre();
    j.DBEdit47->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(j.DBEdit47, Qt::Key_Escape);
    EXPECT_FALSE(j.PainelConfigLivro->isVisible());
    EXPECT_TRUE(t.ui.mensagens.isEmpty()) << t.ui.textos().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(dados(kLoja), QStringList{QStringLiteral("A|100|50|Firma")});
}

TEST_F(ConfigLivro, ReabrirDescartaOQueNaoFoiGravado)
{
    linha(kLoja, QStringLiteral("A"), QStringLiteral("Firma"));
    abre();
    digita(j.DBEdit31, QStringLiteral("Outra Firma"));
    digita(j.DBEdit29, QStringLiteral("77")); // typed, not yet in the row
    abre();
    EXPECT_EQ(j.DBEdit31->text(), QStringLiteral("Firma"));
    EXPECT_EQ(j.DBEdit29->text(), QStringLiteral("50"));
    sair();
    EXPECT_EQ(dados(kLoja), QStringList{QStringLiteral("A|100|50|Firma")});
}

TEST_F(ConfigLivro, EnterSegueAOrdemDosCampos)
{
    abre();
    QStringList visitados;
    for (int i = 0; i < 17; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visitados << JanelaTeste::foco();
    }
    QStringList esperados;
    for (int n = 30; n <= 44; ++n)
        esperados << QStringLiteral("DBEdit%1").arg(n);
    esperados << QStringLiteral("DBEdit48") << QStringLiteral("DBEdit47");
    EXPECT_EQ(visitados, esperados);
}

// A refused write is reported and nothing typed is lost: the panel stays and
// "Sair" can be pressed again.
TEST_F(ConfigLivro, GravacaoRecusadaMantemOPainel)
{
    linha(kLoja, QStringLiteral("A"), QStringLiteral("Firma"));
    t.ambiente.executa({QStringLiteral("CREATE EXCEPTION RECUSA 'recusada'"),
                        QStringLiteral("CREATE TRIGGER DG_BU FOR DADOSGER BEFORE UPDATE AS BEGIN "
                                       "IF (NEW.FIRMA = 'RECUSADA') THEN EXCEPTION RECUSA; END")});
    abre();
    digita(j.DBEdit30, QStringLiteral("Receitas"));
    digita(j.DBEdit31, QStringLiteral("RECUSADA"));
    sair();
    EXPECT_EQ(t.ui.textos(QStringLiteral("erro")).size(), 1);
    EXPECT_TRUE(j.PainelConfigLivro->isVisible());
    EXPECT_EQ(j.DBEdit30->text(), QStringLiteral("Receitas"));
    EXPECT_EQ(dados(kLoja), QStringList{QStringLiteral("A|100|50|Firma")});

    digita(j.DBEdit31, QStringLiteral("Aceita"));
    sair();
    EXPECT_FALSE(j.PainelConfigLivro->isVisible());
    EXPECT_EQ(dados(kLoja), QStringList{QStringLiteral("A|100|50|Aceita")});
    EXPECT_EQ(t.ambiente.valor(QStringLiteral("select REGISTRO from DADOSGER where CGC = '%1'").arg(kLoja)),
              QStringLiteral("Receitas"));
}

TEST_F(ConfigLivro, ExclusaoRecusadaMantemOPainel)
{
    linha(kLoja, QStringLiteral("A"), QStringLiteral("Firma"));
    linha(kOutraLoja, QString(), QStringLiteral("Outra"));
    t.ambiente.executa({QStringLiteral("CREATE EXCEPTION RECUSA 'recusada'"),
                        QStringLiteral("CREATE TRIGGER DG_BD FOR DADOSGER BEFORE DELETE AS BEGIN EXCEPTION RECUSA; END")});
    abre();
    digita(j.DBEdit31, QStringLiteral("Nova"));
    sair();
    ASSERT_EQ(t.ui.textos(QStringLiteral("erro")).size(), 1);
    EXPECT_TRUE(j.PainelConfigLivro->isVisible());
    EXPECT_EQ(dados(kLoja), QStringList{QStringLiteral("A|100|50|Nova")});
}

// The login-skip start has no store: the row with an empty CNPJ is the one edited.
TEST_F(ConfigLivro, SemLoginUsaALinhaDeCnpjVazio)
{
    CnpjLoja.clear();
    linha(QString(), QStringLiteral("Z"), QStringLiteral("Sem loja"));
    abre();
    EXPECT_EQ(j.DBEdit48->text(), QStringLiteral("Z"));
    EXPECT_EQ(j.DBEdit31->text(), QStringLiteral("Sem loja"));
}

// "Nº Últ. Fórm.": every leaving turns the text into its number plus one.
struct CasoNumero {
    const char *nome;
    std::optional<QString> digitado; // none: left without typing
    int saidas;
    QString texto;                   // shown afterwards
    QString erro;                    // reported when it is left
    std::optional<QString> gravado;  // NUMEROINICIAL after "Sair" (empty: NULL); none: the panel stays
};
void PrintTo(const CasoNumero &c, std::ostream *os) { *os << c.nome; }

class NumeroInicial : public ConfigLivro, public ::testing::WithParamInterface<CasoNumero> {};

TEST_P(NumeroInicial, Saida)
{
    const CasoNumero &c = GetParam();
    linha(kLoja, QStringLiteral("A"), QStringLiteral("Firma"));
    abre();
    for (int i = 0; i < c.saidas; ++i) {
        if (i == 0 && c.digitado)
            digita(j.DBEdit47, *c.digitado);
        else
            j.DBEdit47->setFocus(Qt::MouseFocusReason);
        sai(j.DBEdit47);
    }
    EXPECT_EQ(j.DBEdit47->text(), c.texto);
    EXPECT_EQ(t.ui.textos(), c.erro.isEmpty() ? QStringList() : QStringList{c.erro});
    sair();
    EXPECT_EQ(j.PainelConfigLivro->isVisible(), !c.gravado);
    if (c.gravado)
        EXPECT_EQ(t.ambiente.valor(QStringLiteral("select NUMEROINICIAL from DADOSGER where CGC = '%1'").arg(kLoja)),
                  *c.gravado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, NumeroInicial,
    ::testing::Values(
        CasoNumero{"DuasSaidasSobemDois", std::nullopt, 2, QStringLiteral("102"), QString(), QStringLiteral("102")},
        CasoNumero{"DigitadoMaisUm", QStringLiteral("250"), 1, QStringLiteral("251"), QString(), QStringLiteral("251")},
        // The next number does not fit the column: refused, the text stays.
        CasoNumero{"MaiorInteiroNaoDaVolta", QStringLiteral("2147483647"), 1, QStringLiteral("2147483647"),
                   QStringLiteral("'2147483648' is not a valid integer value"), QStringLiteral("2147483647")},
        CasoNumero{"TextoFicaComoDigitado", QStringLiteral("12a"), 1, QStringLiteral("12a"),
                   QStringLiteral("'12a' is not a valid integer value"), std::nullopt},
        CasoNumero{"VazioNaoEhNumero", QString(), 1, QString(), QStringLiteral("'' is not a valid integer value"),
                   QString()}),
    [](const ::testing::TestParamInfo<CasoNumero> &i) { return std::string(i.param.nome); });

// The radio buttons show the setting and cannot change it.
struct CasoConteudo {
    const char *nome;
    QString conteudo;
    int inicial; // 0: none selected
    int clicado;
    int depois;
};
void PrintTo(const CasoConteudo &c, std::ostream *os) { *os << c.nome; }

class BotoesConteudo : public ::testing::TestWithParam<CasoConteudo> {};

TEST_P(BotoesConteudo, MostramAConfiguracao)
{
    const CasoConteudo &c = GetParam();
    JanelaTeste t({{QStringLiteral("IP DO SERVIDOR CENTRAL"), QString()},
                   {QStringLiteral("CONTEUDO DO LIVRO DE RECEITUARIO MEDICO"), c.conteudo}},
                  true);
    t.mostra();
    TFormLivros &j = *t.janela;
    const QList<QRadioButton *> rb = {j.RB1, j.RB2, j.RB3};
    const auto marcado = [&] {
        for (int i = 0; i < 3; ++i)
            if (rb[i]->isChecked())
                return i + 1;
        return 0;
    };
    j.Configurao2->trigger();
    EXPECT_EQ(marcado(), c.inicial);
    QTest::mouseClick(rb[c.clicado - 1], Qt::LeftButton);
    EXPECT_EQ(marcado(), c.depois);
    // Leaving a button shows the setting again.
    if (c.inicial != 0) {
        rb[c.clicado - 1]->setChecked(true);
        rb[c.clicado - 1]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(rb[c.clicado - 1], Qt::Key_Tab);
        EXPECT_EQ(marcado(), c.inicial);
    }
    EXPECT_EQ(::ConteudoLivro, c.conteudo);
    EXPECT_EQ(j.RB2->toolTip(), QStringLiteral("Configurar em TORVENIA.INI"));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, BotoesConteudo,
    ::testing::Values(CasoConteudo{"MaiusculasEMinusculas", QStringLiteral("Somente Controlados"), 2, 1, 2},
                      CasoConteudo{"Completo", QStringLiteral("COMPLETO"), 1, 3, 1},
                      CasoConteudo{"NaoControlados", QStringLiteral("somente nao controlados"), 3, 2, 3},
                      CasoConteudo{"DesconhecidoDeixaOClique", QStringLiteral("PARCIAL"), 0, 3, 3}),
    [](const ::testing::TestParamInfo<CasoConteudo> &i) { return std::string(i.param.nome); });
}
