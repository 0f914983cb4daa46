// The period book assembly over small databases: the book lines, their
// prescription texts and addresses, the failure log, the store's lines only.
#include "book/montagem.h"
#include "comum/cenariolivro.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/textos.h"
#include "data/udm.h"
#include "reports/urm.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
const QDate kInicio(2024, 3, 1), kFim(2024, 3, 31);

Valores Numerada(int numero, Valores extra = {})
{
    extra << qMakePair(QStringLiteral("LIVRO"), QVariant(QStringLiteral("A01")))
          << qMakePair(QStringLiteral("CODLIVRO"), QVariant(numero));
    return extra;
}

class MontagemTeste : public ::testing::Test, public BaseLivro {
protected:
    void monta() { MontaLivrosPorPeriodo(*dm, *rm, ui, kInicio, kFim); }
    QString coluna(int numero, const QString &nome) const
    {
        return amb.valor(QStringLiteral("select %1 from LIVROSC where LOJA = '%2' and NUMERO = %3")
                             .arg(nome, kLoja)
                             .arg(numero));
    }
    QByteArray log() const
    {
        QFile f(amb.caminho(QStringLiteral("ErrosLivro.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<sem arquivo>");
    }
};

struct CasoPrescricao {
    const char *nome;
    std::function<void(CenarioLivro &)> formula; // components after .formula(...)
    const char *texto;
};

class PrescricaoTeste : public MontagemTeste, public ::testing::WithParamInterface<CasoPrescricao> {};

TEST_P(PrescricaoTeste, TextoComposto)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 1).pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2));
    GetParam().formula(cenario);
    cenario.grava();
    monta();
    EXPECT_EQ(coluna(1, QStringLiteral("PRESCRICOES")), QString::fromUtf8(GetParam().texto));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PrescricaoTeste,
    ::testing::Values(
        CasoPrescricao{"Capsulas",
                       [](CenarioLivro &c) {
                           c.formula(1, Numerada(1, {{QStringLiteral("POSOLOGIA"), QStringLiteral("1 cápsula à noite")}}))
                               .componente(QStringLiteral("Fluoxetina"), 20, QStringLiteral("mg"))
                               .componente(QStringLiteral("Lactose"), 150, QStringLiteral("QSP"));
                       },
                       "Fluoxetina 20mg, Lactose QSP. Qde Cáps:30. Posologia: 1 cápsula à noite"},
        CasoPrescricao{"MilharesEDecimais",
                       [](CenarioLivro &c) {
                           c.formula(1, Numerada(1, {{QStringLiteral("FORMAFARMA"), QStringLiteral("CREME")},
                                                     {QStringLiteral("VOLUMETOTAL"), 2000.0},
                                                     {QStringLiteral("UNIDADE"), QStringLiteral("g")}}))
                               .componente(QStringLiteral("Ureia"), 1234.5, QStringLiteral("g"));
                       },
                       "Ureia 1.234,5g. Qde Tot: 2000g. Posologia: 1 ao dia"},
        CasoPrescricao{"CapsulaAcentuadaComVolume",
                       [](CenarioLivro &c) {
                           c.formula(1, Numerada(1, {{QStringLiteral("FORMAFARMA"), QStringLiteral("CÁPSULA")},
                                                     {QStringLiteral("VOLUMETOTAL"), 15.0}}))
                               .componente(QStringLiteral("Cafeína"), 50, QStringLiteral("mg"));
                       },
                       "Cafeína 50mg. Qde Cáps:30. Posologia: 1 ao dia"},
        CasoPrescricao{"CapsulasNoPluralNaoEFormaDeCapsula",
                       [](CenarioLivro &c) {
                           c.formula(1, Numerada(1, {{QStringLiteral("FORMAFARMA"), QStringLiteral("CAPSULAS")},
                                                     {QStringLiteral("VOLUMETOTAL"), 15.4},
                                                     {QStringLiteral("UNIDADE"), QStringLiteral("g")}}))
                               .componente(QStringLiteral("Cafeína"), 50, QStringLiteral("mg"));
                       },
                       "Cafeína 50mg. Qde Tot: 15g. Posologia: 1 ao dia"},
        CasoPrescricao{"ZeroCapsulasEDoisFrascos",
                       [](CenarioLivro &c) {
                           c.formula(1, Numerada(1, {{QStringLiteral("QDECAPSULAS"), 0}, {QStringLiteral("QDEROTULOS"), 2}}))
                               .componente(QStringLiteral("Melatonina"), 3, QStringLiteral("mg"));
                       },
                       "Melatonina 3mg. 2 frascos.. Posologia: 1 ao dia"}),
    [](const ::testing::TestParamInfo<CasoPrescricao> &i) { return std::string(i.param.nome); });

// Lot dates: on with "s", a purchase found with both dates, one with an empty
// manufacture date, a component whose purchase is not found.
TEST_F(MontagemTeste, DatasDoLote)
{
    auto compra = [](int codigo, const QString &componente, const QString &lote, const QVariant &fab, const QVariant &val) {
        return Valores{{QStringLiteral("ESTACAO"), QStringLiteral("01")},       {QStringLiteral("CODCOMPRA"), codigo},
                       {QStringLiteral("DATA"), QDate(2024, 1, 10)},           {QStringLiteral("NOTAFISCAL"), QStringLiteral("NF1")},
                       {QStringLiteral("CODIGO"), QString::number(codigo)},    {QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("F1")},
                       {QStringLiteral("FORNECEDOR"), QStringLiteral("Forn")}, {QStringLiteral("COMPONENTE"), componente},
                       {QStringLiteral("LOTE"), lote},                         {QStringLiteral("FABRICACAO"), fab},
                       {QStringLiteral("VALIDADE"), val}};
    };
    const Valores lote = {{QStringLiteral("FORNECEDOR"), QStringLiteral("Forn")}, {QStringLiteral("LOTE"), QStringLiteral("L1")}};
    cenario.loja(kLoja, QStringLiteral("A01"), 1)
        .insere(QStringLiteral("COMPRAS"), compra(1, QStringLiteral("Fluoxetina"), QStringLiteral("L1"), QDate(2024, 2, 1), QDate(2026, 2, 1)))
        .insere(QStringLiteral("COMPRAS"), compra(2, QStringLiteral("Lactose"), QStringLiteral("L1"), QVariant(), QDate(2025, 7, 31)))
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
        .formula(1, Numerada(1))
        .componente(QStringLiteral("Fluoxetina"), 20, QStringLiteral("mg"), lote)
        .componente(QStringLiteral("Lactose"), 100, QStringLiteral("QSP"), lote)
        .componente(QStringLiteral("Talco"), 1, QStringLiteral("g"), lote)
        .grava();

    DataValidadeOuFabricacao = QStringLiteral("s");
    monta();
    EXPECT_EQ(coluna(1, QStringLiteral("PRESCRICOES")),
              QStringLiteral("Fluoxetina 20mg (Fab: 01/02/24, Val: 01/02/26), Lactose QSP (Val: 31/07/25), Talco 1g. "
                             "Qde Cáps:30. Posologia: 1 ao dia"));

    DataValidadeOuFabricacao = QStringLiteral("N");
    monta();
    EXPECT_EQ(coluna(1, QStringLiteral("PRESCRICOES")),
              QStringLiteral("Fluoxetina 20mg, Lactose QSP, Talco 1g. Qde Cáps:30. Posologia: 1 ao dia"));
}

TEST_F(MontagemTeste, ColunasDaLinha)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 1)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
        .formula(1, Numerada(5, {{QStringLiteral("CONFERIDO"), QStringLiteral("N")}}))
        .componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .formula(2, Numerada(6, {{QStringLiteral("USASUBSTCONTR"), QStringLiteral("S")}, {QStringLiteral("CONFERIDO"), QStringLiteral("N")}}))
        .componente(QStringLiteral("B"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("02"), 7, QDate(2024, 3, 3), {{QStringLiteral("UFCONSELHO"), QStringLiteral("M")}})
        .formula(3, Numerada(7)).componente(QStringLiteral("C"), 1, QStringLiteral("g"))
        .grava();
    monta();
    EXPECT_EQ(livro(QStringLiteral("NUMERO, CODLIVRO, DATA, NOMECLIENTE, ENDERECO, COMPLEMENTO, MEDICO, CRM, NPEDIDO, "
                                   "CONFERIDO, CONTROLADO")),
              (QStringList{QStringLiteral("5|A01|2024-03-02|Ana Lima|Rua A, 10 Centro   |Fone: 31999990000|"
                                          "Dr. Paulo Souza|CRM: 12345 - MG|01.1.1|S| "),
                           QStringLiteral("6|A01|2024-03-02|Ana Lima|Rua A, 10 Centro   |Fone: 31999990000|"
                                          "Dr. Paulo Souza|CRM: 12345 - MG|01.1.2|N|S"),
                           QStringLiteral("7|A01|2024-03-03|Ana Lima|Rua A, 10 Centro   |Fone: 31999990000|"
                                          "Dr. Paulo Souza|12345|02.7.3|S| ")}));
    EXPECT_EQ(ui.titulosProgresso, QStringList{QStringLiteral("Montando Livro")});
    EXPECT_EQ(ui.pedidos, (QStringList{QStringLiteral("Data: 02/03/24   Pedido: 01.1"), QStringLiteral("Data: 02/03/24   Pedido: 01.1"),
                                       QStringLiteral("Data: 03/03/24   Pedido: 02.7")}));
    EXPECT_EQ(log(), QByteArray());
}

// Only formulas of the current book with a number above 0, and with components.
TEST_F(MontagemTeste, FormulasForaDoLivroNaoTemLinha)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 1)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
        .formula(1, {{QStringLiteral("LIVRO"), QStringLiteral("B02")}, {QStringLiteral("CODLIVRO"), 1}})
        .componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .formula(2, {{QStringLiteral("LIVRO"), QStringLiteral("A01")}, {QStringLiteral("CODLIVRO"), 0}})
        .componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .formula(3, {{QStringLiteral("LIVRO"), QStringLiteral("A01")}})
        .componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .formula(4, Numerada(4)) // no components
        .formula(5, Numerada(5)).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .grava();
    monta();
    EXPECT_EQ(livro(), QStringList{QStringLiteral("5|01.1.5")});
}

struct CasoCliente {
    const char *nome;
    Valores pedido;
    QList<Valores> clientes;
    const char *endereco;
};

Valores Cliente(int codigo, const QString &nome, const QString &fone)
{
    return {{QStringLiteral("ESTACAO"), QStringLiteral("01")},        {QStringLiteral("CODIGO"), codigo},
            {QStringLiteral("NOME"), nome},                           {QStringLiteral("FONE"), fone},
            {QStringLiteral("ENDERECO"), QStringLiteral("Av. Brasil, 500")}, {QStringLiteral("COMPLEMENTO"), QStringLiteral("Apto 2")},
            {QStringLiteral("CIDADE"), QStringLiteral("Belo Horizonte")}, {QStringLiteral("ESTADO"), QStringLiteral("MG")}};
}

class ClienteTeste : public MontagemTeste, public ::testing::WithParamInterface<CasoCliente> {};

TEST_P(ClienteTeste, EnderecoDoClienteOuDoPedido)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 1);
    for (const Valores &c : GetParam().clientes)
        cenario.insere(QStringLiteral("CLIENTES"), c);
    cenario.pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2), GetParam().pedido)
        .formula(1, Numerada(1)).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .grava();
    monta();
    EXPECT_EQ(coluna(1, QStringLiteral("ENDERECO")), QString::fromUtf8(GetParam().endereco));
    EXPECT_TRUE(ui.mensagens.isEmpty());
}

const QString kFone = QStringLiteral("3133334444");
INSTANTIATE_TEST_SUITE_P(
    Regras, ClienteTeste,
    ::testing::Values(
        CasoCliente{"UmCliente", {}, {Cliente(1, QStringLiteral("ANA LIMA"), kFone)},
                    "Av. Brasil, 500 - Apto 2 - Belo Horizonte - MG"},
        CasoCliente{"DoisClientes", {},
                    {Cliente(1, QStringLiteral("ANA LIMA"), kFone), Cliente(2, QStringLiteral("ANA LIMA"), kFone)},
                    "Rua A, 10 Centro   "},
        // Found by the upper-cased query, but not the same name to the letter.
        CasoCliente{"LetrasDiferentes", {}, {Cliente(1, QStringLiteral("Ana Lima"), kFone)}, "Rua A, 10 Centro   "},
        CasoCliente{"OutroTelefone", {}, {Cliente(1, QStringLiteral("ANA LIMA"), QStringLiteral("0000"))}, "Rua A, 10 Centro   "},
        CasoCliente{"NomeComApostrofo",
                    {{QStringLiteral("NOME"), QStringLiteral("JOSÉ D'ÁVILA")}},
                    {Cliente(1, QStringLiteral("JOSÉ D'ÁVILA"), kFone)},
                    "Av. Brasil, 500 - Apto 2 - Belo Horizonte - MG"}),
    [](const ::testing::TestParamInfo<CasoCliente> &i) { return std::string(i.param.nome); });

// A customer look-up that the database refuses: logged, listed, no line, no report.
TEST_F(MontagemTeste, ConsultaDeClienteQueFalhaVaiParaOLogEParaOAviso)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 1)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2), {{QStringLiteral("NOME"), QStringLiteral("JOÃO")}})
        .formula(1, Numerada(1)).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .formula(2, Numerada(2)).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .grava();
    amb.executa(QStringLiteral("ALTER TABLE CLIENTES DROP CIDADE"));
    monta();
    const QString l1 = QStringLiteral("JOÃO - Pedido: 01.1- Fórmula 1"), l2 = QStringLiteral("JOÃO - Pedido: 01.1- Fórmula 2");
    EXPECT_EQ(log(), ParaWin1252(l1 + QStringLiteral("\r\n") + l2 + QStringLiteral("\r\n")));
    ASSERT_EQ(ui.mensagens.size(), 1);
    EXPECT_EQ(ui.mensagens[0].tipo, QStringLiteral("aviso"));
    EXPECT_EQ(ui.mensagens[0].titulo, QStringLiteral("INSERIR NOME DO CLIENTE NO LIVRO "));
    EXPECT_EQ(ui.mensagens[0].texto, l1 + QLatin1Char('\n') + l2 + QLatin1Char('\n'));
    EXPECT_TRUE(livro().isEmpty());
    EXPECT_FALSE(dm->sqlLivroSC.Active());
    EXPECT_TRUE(ui.relatorios.isEmpty());

    // The next assembly rewrites the log.
    amb.executa(QStringLiteral("ALTER TABLE CLIENTES ADD CIDADE VARCHAR(30)"));
    monta();
    EXPECT_EQ(log(), QByteArray());
    EXPECT_EQ(livro().size(), 2);
}

TEST_F(MontagemTeste, SemLogNadaETocado)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 1)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2)).formula(1, Numerada(1)).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .insere(QStringLiteral("LIVROSC"), {{QStringLiteral("LOJA"), kLoja}, {QStringLiteral("CODLIVRO"), QStringLiteral("A01")}, {QStringLiteral("NUMERO"), 99}})
        .grava();
    QDir().mkpath(amb.caminho(QStringLiteral("ErrosLivro.txt"))); // a folder where the file should be
    EXPECT_THROW(monta(), EInOutError);
    EXPECT_EQ(livro(), QStringList{QStringLiteral("99|")});
    EXPECT_TRUE(ui.titulosProgresso.isEmpty());
}

// Another store's book survives this store's assembly.
TEST_F(MontagemTeste, ApagaSoAsLinhasDaLoja)
{
    const QString outra = QStringLiteral("99888777000166");
    cenario.loja(kLoja, QStringLiteral("A01"), 1)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2)).formula(1, Numerada(1)).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .insere(QStringLiteral("LIVROSC"), {{QStringLiteral("LOJA"), kLoja}, {QStringLiteral("CODLIVRO"), QStringLiteral("A01")}, {QStringLiteral("NUMERO"), 99}})
        .insere(QStringLiteral("LIVROSC"), {{QStringLiteral("LOJA"), outra}, {QStringLiteral("CODLIVRO"), QStringLiteral("Z09")}, {QStringLiteral("NUMERO"), 1}})
        .grava();
    monta();
    EXPECT_EQ(livro(), QStringList{QStringLiteral("1|01.1.1")});
    EXPECT_EQ(amb.linhas(QStringLiteral("select LOJA, NUMERO from LIVROSC where LOJA <> '%1'").arg(kLoja)),
              QStringList{outra + QStringLiteral("|1")});
    EXPECT_EQ(dm->sqlLivroSC.CommandText,
              QStringLiteral("SELECT * FROM LIVROSC WHERE LOJA = '") + kLoja + QStringLiteral("' ORDER BY Numero"));
    EXPECT_TRUE(dm->sqlLivroSC.Active());
    ASSERT_EQ(ui.relatorios.size(), 1);
    EXPECT_TRUE(ui.relatorios[0].texto.contains(QStringLiteral("01.1.1")));
    EXPECT_FALSE(ui.relatorios[0].texto.contains(QStringLiteral("Z09")));
    EXPECT_EQ(dm->SQLDS_DadosGer.CommandText.right(22), QStringLiteral("CGC = '") + kLoja + QLatin1Char('\''));
}
} // namespace
