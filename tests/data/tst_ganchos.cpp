// The hooks of the data modules: order and formula navigation keeping the
// details selected, the closing cascade, write-back and re-read after every
// post, and the store defaults of new rows.
#include "comum/modulosteste.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/textos.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

std::string s(const QString &t) { return t.toStdString(); }

const QString kLoja = QStringLiteral("11222333000181");

class GanchosTeste : public ::testing::Test {
protected:
    ModulosTeste m;
    TDM &dm = *m.dm;

    GanchosTeste()
    {
        CnpjLoja = kLoja;
        // Order 1: two formulas (components A, B and C) and an item; order 2 has
        // an empty station; order 3 has no formula but an item; order 4's
        // station holds a quote.
        m.ambiente.executa(QStringList{
            QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, DATAPEDIDO) values ('01', 1, 'Um', '2024-05-02')"),
            QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, DATAPEDIDO) values ('', 2, 'Dois', '2024-05-02')"),
            QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, DATAPEDIDO) values ('01', 3, 'Três', '2024-05-03')"),
            QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, DATAPEDIDO) values ('9''', 4, 'Quatro', '2024-05-04')"),
            QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, NOMEFORMULA) values ('01', 1, 1, 'F1')"),
            QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, NOMEFORMULA) values ('01', 1, 2, 'F2')"),
            QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, NOMEFORMULA) values ('9''', 4, 1, 'F4')"),
            // Same numbers under another station: never selected with order 1.
            QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, NOMEFORMULA) values ('02', 1, 1, 'Outra')"),
            QStringLiteral("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE) values ('01', 1, 1, 'A')"),
            QStringLiteral("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE) values ('01', 1, 1, 'B')"),
            QStringLiteral("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE) values ('01', 1, 2, 'C')"),
            QStringLiteral("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE) values ('9''', 4, 1, 'D')"),
            QStringLiteral("insert into ITENS (ESTACAO, NPEDIDO, CODPROD, DESCRICAO) values ('01', 1, 'P1', 'Produto 1')"),
            QStringLiteral("insert into ITENS (ESTACAO, NPEDIDO, CODPROD, DESCRICAO) values ('01', 3, 'P3', 'Produto 3')"),
        });
    }

    void abrePedidos(const QString &condicao)
    {
        dm.cdsPedidos.Close();
        dm.sqldsPedidos.CommandText = QStringLiteral("select * from PEDIDOS ") + condicao;
        dm.cdsPedidos.Open();
    }

    // What the details hold: formulas/components/items, "-" for a closed dataset.
    static QString conteudo(ClientDataSet &ds, const char *coluna)
    {
        if (!ds.Active())
            return QStringLiteral("-");
        QStringList v;
        const int atual = ds.RecNo();
        ds.First();
        while (!ds.Eof()) {
            v << ds.FieldByName(QLatin1String(coluna)).AsString();
            ds.Next();
        }
        // Back to the row that was current (its hook runs again, as a move does).
        ds.First();
        for (int i = 1; i < atual; ++i)
            ds.Next();
        return v.isEmpty() ? QStringLiteral("()") : v.join(QLatin1Char(','));
    }
    QString detalhes()
    {
        // Components first: reading the formulas moves them and reselects the components.
        const QString componentes = conteudo(dm.cdsCompedid, "COMPONENTE");
        return conteudo(dm.cdsPediform, "NOMEFORMULA") + QLatin1Char('|') + componentes + QLatin1Char('|')
               + conteudo(dm.cdsItens, "CODPROD");
    }
};

} // namespace

TEST_F(GanchosTeste, PeriodoSemPedidosDeixaOsDetalhesFechados)
{
    abrePedidos(QStringLiteral("where DATAPEDIDO > '2030-01-01'"));
    EXPECT_EQ(dm.cdsPedidos.RecordCount(), 0);
    EXPECT_EQ(s(detalhes()), "-|-|-");
    dm.cdsPedidos.First(); // no row current: the hook does nothing
    EXPECT_EQ(s(detalhes()), "-|-|-");
}

TEST_F(GanchosTeste, CadaMovimentoDosPedidosSelecionaOsDetalhes)
{
    abrePedidos(QStringLiteral("order by NPEDIDO"));
    EXPECT_EQ(s(detalhes()), "F1,F2|A,B|P1");
    dm.cdsPedidos.Next(); // empty station: the previous order's details stay
    EXPECT_EQ(s(dm.cdsPedidos.FieldByName(QStringLiteral("NOME")).AsString()), "Dois");
    EXPECT_EQ(s(detalhes()), "F1,F2|A,B|P1");
    dm.cdsPedidos.Next(); // no formula: an empty formula selection, components closed
    EXPECT_EQ(s(detalhes()), "()|-|P3");
    // A move to the first of no formulas has no formula to select components for.
    dm.cdsPediform.First();
    EXPECT_FALSE(dm.cdsCompedid.Active());
    dm.cdsPedidos.Next(); // a quote in the station is quoted, not a broken statement
    EXPECT_EQ(s(detalhes()), "F4|D|()");

    // Next from the last order selects its details once more.
    m.ambiente.executa(QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, NOMEFORMULA) values ('9''', 4, 2, 'F4b')"));
    dm.cdsPedidos.Next();
    EXPECT_TRUE(dm.cdsPedidos.Eof());
    EXPECT_EQ(s(dm.cdsPedidos.FieldByName(QStringLiteral("NOME")).AsString()), "Quatro");
    EXPECT_EQ(s(detalhes()), "F4,F4b|D|()");
}

TEST_F(GanchosTeste, EstacaoComAspaSemLinhasNaoSelecionaNada)
{
    m.ambiente.executa(QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME) values ('X''', 1, 'Aspa')"));
    abrePedidos(QStringLiteral("where NOME = 'Aspa'"));
    EXPECT_EQ(s(detalhes()), "()|-|()");
}

TEST_F(GanchosTeste, CadaMovimentoDasFormulasSelecionaOsComponentes)
{
    abrePedidos(QStringLiteral("order by NPEDIDO"));
    EXPECT_EQ(s(conteudo(dm.cdsCompedid, "COMPONENTE")), "A,B");
    dm.cdsPediform.Next();
    EXPECT_EQ(s(conteudo(dm.cdsCompedid, "COMPONENTE")), "C");
    m.ambiente.executa(QStringLiteral("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE) values ('01', 1, 2, 'E')"));
    dm.cdsPediform.Next(); // from the last formula: its components once more
    EXPECT_TRUE(dm.cdsPediform.Eof());
    EXPECT_EQ(s(conteudo(dm.cdsCompedid, "COMPONENTE")), "C,E");
}

TEST_F(GanchosTeste, FecharEmCascata)
{
    abrePedidos(QStringLiteral("order by NPEDIDO"));
    dm.cdsPediform.Close();
    EXPECT_FALSE(dm.cdsCompedid.Active());
    EXPECT_TRUE(dm.cdsItens.Active());
    dm.cdsPediform.Open(); // the statement the hooks set last: order 1's formulas
    EXPECT_EQ(s(detalhes()), "F1,F2|A,B|P1");
    dm.cdsPedidos.Close();
    EXPECT_EQ(s(detalhes()), "-|-|-");
}

TEST_F(GanchosTeste, DetalhesAbertosSemNavegacaoUsamAInstrucaoInicial)
{
    dm.cdsPediform.Open(); // every formula
    EXPECT_EQ(dm.cdsPediform.RecordCount(), 4);
    EXPECT_TRUE(dm.cdsCompedid.Active()); // the first formula's components
    dm.cdsItens.Open();
    EXPECT_EQ(dm.cdsItens.RecordCount(), 2);
}

TEST_F(GanchosTeste, PostNoPedidoGravaReleESemMoverOsDetalhes)
{
    abrePedidos(QStringLiteral("order by NPEDIDO"));
    dm.cdsPediform.Next(); // formula 2 current
    dm.cdsPedidos.Edit();
    dm.cdsPedidos.FieldByName(QStringLiteral("JanoLivro")).setAsString(QStringLiteral("S"));
    dm.cdsPedidos.Post();
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select JANOLIVRO from PEDIDOS where ESTACAO = '01' and NPEDIDO = 1"))), "S");
    EXPECT_EQ(dm.cdsPedidos.ChangeCount(), 0);
    EXPECT_EQ(s(dm.cdsPedidos.FieldByName(QStringLiteral("NOME")).AsString()), "Um");
    // The re-read runs no navigation: the formulas keep their current row.
    EXPECT_EQ(dm.cdsPediform.RecNo(), 2);
    EXPECT_EQ(s(dm.cdsCompedid.FieldByName(QStringLiteral("COMPONENTE")).AsString()), "C");
}

// ------------------------------------------------------------ write-back of every edited dataset

struct CasoGravacao {
    const char *nome;
    std::function<void(TDM &, TDM2 &)> edita; // opens, changes and posts
    const char *banco;                         // "principal" or "interface"
    const char *consulta;
    const char *esperado;
};

class GravaAposPost : public GanchosTeste, public ::testing::WithParamInterface<CasoGravacao> {};

TEST_P(GravaAposPost, ComandoDoBancoVeOPost)
{
    const CasoGravacao &c = GetParam();
    c.edita(dm, *m.dm2);
    const QString banco = QLatin1String(c.banco) == QLatin1String("interface")
                              ? m.ambiente.caminho(QStringLiteral("interfac/torvenia.bd"))
                              : m.ambiente.bancoPrincipal();
    EXPECT_EQ(s(m.ambiente.valorEm(banco, QLatin1String(c.consulta))), c.esperado);
}

namespace {
void abreDadosGerDaLoja(TDM &dm)
{
    dm.SQLDS_DadosGer.CommandText = QStringLiteral("Select ") + CamposDadosGer + QStringLiteral(" from DADOSGER where CGC = '")
                                    + EscapaSql(CnpjLoja) + QStringLiteral("'");
    dm.DadosGer.Open();
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Tabela, GravaAposPost,
    ::testing::Values(
        CasoGravacao{"Formula",
                     [](TDM &dm, TDM2 &) {
                         dm.sqldsPedidos.CommandText = QStringLiteral("select * from PEDIDOS where NPEDIDO = 1");
                         dm.cdsPedidos.Open();
                         dm.cdsPediform.Next();
                         dm.cdsPediform.Edit();
                         dm.cdsPediform.FieldByName(QStringLiteral("USASUBSTCONTR")).setAsString(QStringLiteral("S"));
                         dm.cdsPediform.Post();
                     },
                     "principal", "select list(NFORMULA || USASUBSTCONTR) from PEDIFORM where USASUBSTCONTR is not null", "2S"},
        CasoGravacao{"Componente",
                     [](TDM &dm, TDM2 &) {
                         dm.sqldsPedidos.CommandText = QStringLiteral("select * from PEDIDOS where NPEDIDO = 1");
                         dm.cdsPedidos.Open();
                         dm.cdsCompedid.Next();
                         dm.cdsCompedid.Edit();
                         dm.cdsCompedid.FieldByName(QStringLiteral("JANOLIVRO")).setAsString(QStringLiteral("S"));
                         dm.cdsCompedid.Post();
                     },
                     "principal", "select list(COMPONENTE) from COMPEDID where JANOLIVRO = 'S'", "B"},
        // An edit on the store's empty selection starts a row that carries the store's CNPJ.
        CasoGravacao{"DadosGerNovo",
                     [](TDM &dm, TDM2 &) {
                         abreDadosGerDaLoja(dm);
                         dm.DadosGer.Edit();
                         dm.DadosGer.FieldByName(QStringLiteral("CodigoLivro")).setAsString(QStringLiteral("007"));
                         dm.DadosGer.FieldByName(QStringLiteral("Farmacia")).setAsString(QStringLiteral("Farmácia São João"));
                         dm.DadosGer.Post();
                         if (dm.DadosGer.RecordCount() != 1 || dm.DadosGer.FieldByName(QStringLiteral("CGC")).AsString() != CnpjLoja)
                             throw EDatabaseError(QStringLiteral("the re-read lost the new row"));
                     },
                     "principal", "select CGC || '|' || CODIGOLIVRO || '|' || FARMACIA from DADOSGER", "11222333000181|007|Farmácia São João"},
        CasoGravacao{"DadosGerExistente",
                     [](TDM &dm, TDM2 &) {
                         dm.sqlcon1.executa(QStringLiteral("insert into DADOSGER (CGC, CODIGOLIVRO, NUMEROINICIAL) values ('11222333000181', '001', 10)"));
                         abreDadosGerDaLoja(dm);
                         dm.DadosGer.Edit();
                         dm.DadosGer.FieldByName(QStringLiteral("NumeroInicial")).setAsInteger(251);
                         dm.DadosGer.Post();
                         dm.DadosGer.Edit();
                         dm.DadosGer.FieldByName(QStringLiteral("QdeFolhas")).setAsInteger(100);
                         dm.DadosGer.Post();
                     },
                     "principal", "select count(*) || '|' || max(NUMEROINICIAL) || '|' || max(QDEFOLHAS) from DADOSGER", "1|251|100"},
        CasoGravacao{"LinhaDoLivro",
                     [](TDM &dm, TDM2 &) {
                         dm.SQLDS_livroSC.CommandText = QStringLiteral("Select ") + CamposLivroSC
                                                        + QStringLiteral(" from LIVROSC where LOJA = '11222333000181'");
                         dm.LivroSC.Open();
                         for (int n = 1; n <= 3; ++n) {
                             dm.LivroSC.Append();
                             dm.LivroSC.FieldByName(QStringLiteral("CODLIVRO")).setAsString(QStringLiteral("001"));
                             dm.LivroSC.FieldByName(QStringLiteral("NUMERO")).setAsInteger(n);
                             dm.LivroSC.FieldByName(QStringLiteral("DATA")).setAsDate(QDate(2024, 5, n));
                             dm.LivroSC.Post();
                         }
                     },
                     "principal", "select list(LOJA || '/' || NUMERO || '/' || DATA, ';') from LIVROSC", 
                     "11222333000181/1/2024-05-01;11222333000181/2/2024-05-02;11222333000181/3/2024-05-03"},
        CasoGravacao{"PeriodoNovo",
                     [](TDM &, TDM2 &dm2) {
                         dm2.Periodo.Open();
                         dm2.Periodo.Edit(); // empty table: a new row
                         dm2.Periodo.FieldByName(QStringLiteral("DATAINICIAL")).setAsString(QStringLiteral("01/05/2024"));
                         dm2.Periodo.FieldByName(QStringLiteral("DATAFINAL")).setAsString(QStringLiteral("31/05/2024"));
                         dm2.Periodo.FieldByName(QStringLiteral("ESTACAO")).setAsString(QStringLiteral("02"));
                         dm2.Periodo.Post();
                         dm2.Periodo.Edit(); // and changed again, matched by every column
                         dm2.Periodo.FieldByName(QStringLiteral("NPEDIDO")).setAsInteger(77);
                         dm2.Periodo.Post();
                     },
                     "interface", "select DATAINICIAL || '|' || DATAFINAL || '|' || ESTACAO || '|' || NPEDIDO from PERIODO",
                     "2024-05-01|2024-05-31|02|77"}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST_F(GanchosTeste, ReleituraDosDadosGeraisVeOQueOutroProgramaGravou)
{
    m.ambiente.executa(QStringLiteral("insert into DADOSGER (CGC, CODIGOLIVRO) values ('11222333000181', '001')"));
    abreDadosGerDaLoja(dm);
    m.ambiente.executa(QStringLiteral("insert into DADOSGER (CGC, CODIGOLIVRO) values ('11222333000181', '002')"));
    dm.DadosGer.Edit();
    dm.DadosGer.FieldByName(QStringLiteral("FIRMA")).setAsString(QStringLiteral("Firma"));
    dm.DadosGer.Post();
    EXPECT_EQ(dm.DadosGer.RecordCount(), 2);
}

TEST_F(GanchosTeste, LinhaRecusadaAntesDoCacheMostraAMensagemEFalha)
{
    dm.SQLDS_livroSC.CommandText = QStringLiteral("Select ") + CamposLivroSC + QStringLiteral(" from LIVROSC");
    dm.LivroSC.Open();
    dm.LivroSC.Append();
    EXPECT_EQ(s(dm.LivroSC.FieldByName(QStringLiteral("LOJA")).AsString()), s(kLoja));
    dm.LivroSC.FieldByName(QStringLiteral("NUMERO")).setAsInteger(1);
    EXPECT_THROW(dm.LivroSC.Post(), EDatabaseError);
    ASSERT_EQ(m.ui.mensagens.size(), 1);
    EXPECT_EQ(s(m.ui.mensagens.first().tipo), "mensagem");
    EXPECT_EQ(s(m.ui.mensagens.first().texto), "Field 'CODLIVRO' must have a value");
}
