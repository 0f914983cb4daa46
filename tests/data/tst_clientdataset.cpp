// Client datasets over the embedded database: navigation and its hook calls,
// fields by name and their reads, required columns, finishing pending rows,
// the resolvers (by key, by every column with NULLs), refused changes that stay
// pending, Windows-1252 text, CHAR blanks and the cutting of long texts.
#include "comum/modulosteste.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/textos.h"
#include <gtest/gtest.h>

namespace {

std::string s(const QString &t) { return t.toStdString(); }

// The error text of an operation that must fail with a dataset or server error.
template <typename F>
QString erroDe(F &&operacao)
{
    try {
        operacao();
    } catch (const EErro &e) {
        return e.mensagem();
    }
    return QStringLiteral("<no error>");
}

class DataSetTeste : public ::testing::Test {
protected:
    ModulosTeste m;
    TDM &dm = *m.dm;

    void abreClientes(const QString &condicao = QString())
    {
        dm.Clientes.Close();
        dm.SQLDS_Clientes.CommandText = QStringLiteral("Select ") + CamposClientes
                                        + QStringLiteral(" from CLIENTES") + condicao;
        dm.Clientes.Open();
    }
    void abreDadosGer(const QString &cgc)
    {
        dm.DadosGer.Close();
        dm.SQLDS_DadosGer.CommandText = QStringLiteral("Select ") + CamposDadosGer
                                        + QStringLiteral(" from DADOSGER where CGC = '") + EscapaSql(cgc)
                                        + QStringLiteral("'");
        dm.DadosGer.Open();
    }
    void abreLivro(const QString &loja)
    {
        dm.LivroSC.Close();
        dm.SQLDS_livroSC.CommandText = QStringLiteral("Select ") + CamposLivroSC
                                       + QStringLiteral(" from LIVROSC where LOJA = '") + EscapaSql(loja)
                                       + QStringLiteral("'");
        dm.LivroSC.Open();
    }
    void insereClientes(int quantos)
    {
        QStringList sql;
        for (int i = 1; i <= quantos; ++i)
            sql << QStringLiteral("insert into CLIENTES (ESTACAO, CODIGO, NOME) values ('01', %1, 'Cliente %1')").arg(i);
        m.ambiente.executa(sql);
    }
    // Appends a book line for the store and posts it (the write-back runs).
    void postaLinha(int numero)
    {
        dm.LivroSC.Append();
        dm.LivroSC.FieldByName(QStringLiteral("CodLivro")).setAsString(QStringLiteral("001"));
        dm.LivroSC.FieldByName(QStringLiteral("Numero")).setAsInteger(numero);
        dm.LivroSC.FieldByName(QStringLiteral("NomeCliente")).setAsString(QStringLiteral("Linha %1").arg(numero));
        dm.LivroSC.Post();
    }
};

} // namespace

// ------------------------------------------------------------ navigation

TEST_F(DataSetTeste, NavegacaoChamaOGanchoComoODataSetSeMove)
{
    insereClientes(3);
    QStringList vistos;
    dm.Clientes.AfterScroll = [&](ClientDataSet &ds) {
        vistos << ds.FieldByName(QStringLiteral("CODIGO")).AsString() + (ds.Eof() ? QStringLiteral("e") : QString());
    };
    abreClientes(QStringLiteral(" where CODIGO > 99"));
    EXPECT_TRUE(vistos.isEmpty()) << "an empty open runs no hook";
    EXPECT_TRUE(dm.Clientes.Eof());
    dm.Clientes.First(); // also on an empty selection, with no row current
    EXPECT_EQ(s(vistos.join(QLatin1Char(','))), "e");

    vistos.clear();
    abreClientes(QStringLiteral(" order by CODIGO"));
    EXPECT_EQ(dm.Clientes.RecordCount(), 3);
    dm.Clientes.Next();
    dm.Clientes.Next();
    dm.Clientes.Next(); // on the last row: marks the end, the last row stays current
    dm.Clientes.Next(); // once the end is marked: nothing, no hook
    EXPECT_EQ(s(vistos.join(QLatin1Char(','))), "1,2,3,3e");
    EXPECT_EQ(s(dm.Clientes.FieldByName(QStringLiteral("NOME")).AsString()), "Cliente 3");
    dm.Clientes.First();
    EXPECT_FALSE(dm.Clientes.Eof());
    EXPECT_EQ(s(vistos.last()), "1");
}

// ------------------------------------------------------------ fields

class CampoPorNome : public DataSetTeste, public ::testing::WithParamInterface<const char *> {};

TEST_P(CampoPorNome, AchaEmQualquerCaixa)
{
    EXPECT_EQ(s(dm.DadosGer.FieldByName(QString::fromLatin1(GetParam())).FieldName()), "NUMEROINICIAL");
}

INSTANTIATE_TEST_SUITE_P(Tabela, CampoPorNome, ::testing::Values("NumeroInicial", "numeroinicial", "NUMEROINICIAL", "nUmErOiNiCiAl"));

TEST_F(DataSetTeste, CampoInexistenteEErro)
{
    EXPECT_EQ(s(erroDe([&] { dm.DadosGer.FieldByName(QStringLiteral("NumeroInicia")); })),
              "Field 'NumeroInicia' not found");
    // A selection without a declared column cannot be opened either.
    dm.SQLDS_DadosGer.CommandText = QStringLiteral("select CGC from DADOSGER");
    EXPECT_EQ(s(erroDe([&] { dm.DadosGer.Open(); })), "Field 'CODIGOLIVRO' not found");
    EXPECT_FALSE(dm.DadosGer.Active());
}

struct CasoLeitura {
    const char *nome;
    const char *coluna;
    const char *valorSql; // the stored value, as an SQL literal
    const char *texto;    // read as text
    int inteiro;          // read as integer
    const char *erroInteiro;
};

class LeituraDeCampo : public DataSetTeste, public ::testing::WithParamInterface<CasoLeitura> {};

TEST_P(LeituraDeCampo, TextoEInteiro)
{
    const CasoLeitura &c = GetParam();
    m.ambiente.executa(QStringLiteral("insert into DADOSGER (CGC, %1) values ('1', %2)")
                           .arg(QLatin1String(c.coluna), QLatin1String(c.valorSql)));
    abreDadosGer(QStringLiteral("1"));
    ASSERT_EQ(dm.DadosGer.RecordCount(), 1);
    Campo &f = dm.DadosGer.FieldByName(QLatin1String(c.coluna));
    EXPECT_EQ(s(f.AsString()), c.texto);
    if (*c.erroInteiro)
        EXPECT_EQ(s(erroDe([&] { f.AsInteger(); })), c.erroInteiro);
    else
        EXPECT_EQ(f.AsInteger(), c.inteiro);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, LeituraDeCampo,
    ::testing::Values(CasoLeitura{"InteiroVazio", "NUMEROINICIAL", "NULL", "", 0, ""},
                      CasoLeitura{"Inteiro", "NUMEROINICIAL", "1234", "1234", 1234, ""},
                      CasoLeitura{"InteiroNegativo", "DIA", "-7", "-7", -7, ""},
                      CasoLeitura{"DataVazia", "DATABSPO", "NULL", "", 0, ""},
                      CasoLeitura{"Data", "DATABSPO", "'2024-03-05'", "05/03/2024", 0,
                                  "Field 'DATABSPO' cannot be read as an integer"},
                      CasoLeitura{"TextoDeDigitos", "CODIGOLIVRO", "'007'", "007", 7, ""},
                      CasoLeitura{"TextoVazioNulo", "CODIGOLIVRO", "NULL", "", 0, ""},
                      CasoLeitura{"TextoNaoNumerico", "CODIGOLIVRO", "'A1'", "A1", 0, "'A1' is not a valid integer value"}),
    [](const auto &info) { return std::string(info.param.nome); });

// ------------------------------------------------------------ required columns and pending rows

struct CasoObrigatorio {
    const char *nome;
    const char *coluna; // left without a value
};

class ColunaObrigatoria : public DataSetTeste, public ::testing::WithParamInterface<CasoObrigatorio> {};

TEST_P(ColunaObrigatoria, PostRecusadoFicaEmInsercaoERepeteNoProximoFim)
{
    const CasoObrigatorio &c = GetParam();
    CnpjLoja = QStringLiteral("11222333000181");
    abreLivro(CnpjLoja);
    ClientDataSet &ds = dm.LivroSC;
    ds.Append();
    if (QLatin1String(c.coluna) != QLatin1String("CODLIVRO"))
        ds.FieldByName(QStringLiteral("CODLIVRO")).setAsString(QStringLiteral("001"));
    if (QLatin1String(c.coluna) != QLatin1String("NUMERO"))
        ds.FieldByName(QStringLiteral("NUMERO")).setAsInteger(1);
    if (QLatin1String(c.coluna) == QLatin1String("LOJA"))
        ds.FieldByName(QStringLiteral("LOJA")).Clear();
    const std::string esperado = "Field '" + std::string(c.coluna) + "' must have a value";
    EXPECT_EQ(s(erroDe([&] { ds.Post(); })), esperado);
    EXPECT_EQ(ds.State(), EstadoDataSet::Insercao);
    EXPECT_EQ(ds.RecordCount(), 0);
    ASSERT_EQ(m.ui.textos().size(), 1);
    EXPECT_EQ(s(m.ui.textos().first()), esperado);
    // The next operation that finishes pending rows posts it again, with the same result.
    EXPECT_EQ(s(erroDe([&] { ds.Append(); })), esperado);
    EXPECT_EQ(m.ui.textos().size(), 2);
    ds.Cancel();
    EXPECT_EQ(ds.State(), EstadoDataSet::Navegacao);
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select count(*) from LIVROSC"))), "0");
}

INSTANTIATE_TEST_SUITE_P(Tabela, ColunaObrigatoria,
                         ::testing::Values(CasoObrigatorio{"Loja", "LOJA"}, CasoObrigatorio{"CodLivro", "CODLIVRO"},
                                           CasoObrigatorio{"Numero", "NUMERO"}),
                         [](const auto &info) { return std::string(info.param.nome); });

TEST_F(DataSetTeste, ObrigatorioSemGanchoDeErroSoFalha)
{
    dm.SQLDS_Compras.CommandText = QStringLiteral("Select ") + CamposCompras + QStringLiteral(" from COMPRAS");
    dm.Compras.Open();
    dm.Compras.Append();
    for (const char *c : {"ESTACAO", "NOTAFISCAL", "CODIGO", "CODIGOFORNECEDOR"})
        dm.Compras.FieldByName(QLatin1String(c)).setAsString(QStringLiteral("1"));
    dm.Compras.FieldByName(QStringLiteral("CODCOMPRA")).setAsInteger(1);
    dm.Compras.FieldByName(QStringLiteral("DATA")).setAsDate(QDate(2024, 1, 2));
    EXPECT_EQ(s(erroDe([&] { dm.Compras.Post(); })), "Field 'COMPONENTE' must have a value");
    EXPECT_TRUE(m.ui.mensagens.isEmpty());
    dm.Compras.FieldByName(QStringLiteral("COMPONENTE")).setAsString(QStringLiteral("ÁCIDO"));
    dm.Compras.Post();
    EXPECT_EQ(dm.Compras.ChangeCount(), 1); // no hook: stays in the cache until applied
    EXPECT_EQ(dm.Compras.ApplyUpdates(-1), 0);
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select COMPONENTE from COMPRAS"))), "ÁCIDO");
}

TEST_F(DataSetTeste, FimDaLinhaPendentePostaAlteradaEDescartaIntacta)
{
    insereClientes(2);
    abreClientes(QStringLiteral(" order by CODIGO"));
    dm.Clientes.Append(); // unchanged: a move discards it
    dm.Clientes.Next();
    EXPECT_EQ(dm.Clientes.RecordCount(), 2);
    EXPECT_EQ(dm.Clientes.State(), EstadoDataSet::Navegacao);

    dm.Clientes.Edit();
    dm.Clientes.FieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("Novo nome"));
    dm.Clientes.First(); // changed: a move posts it
    EXPECT_EQ(dm.Clientes.ChangeCount(), 1);
    dm.Clientes.Edit();
    dm.Clientes.FieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("Cancelado"));
    dm.Clientes.Cancel();
    EXPECT_EQ(s(dm.Clientes.FieldByName(QStringLiteral("NOME")).AsString()), "Cliente 1");

    // Close drops the change that was never applied.
    dm.Clientes.Close();
    abreClientes(QStringLiteral(" where CODIGO = 2"));
    EXPECT_EQ(s(dm.Clientes.FieldByName(QStringLiteral("NOME")).AsString()), "Cliente 2");
    EXPECT_EQ(dm.Clientes.ChangeCount(), 0);
}

// ------------------------------------------------------------ resolvers

TEST_F(DataSetTeste, PorChaveOUpdateMudaSoAsColunasAlteradas)
{
    insereClientes(1);
    abreClientes();
    dm.Clientes.Edit();
    dm.Clientes.FieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("Maria"));
    dm.Clientes.Post();
    // Another program changes another column meanwhile.
    m.ambiente.executa(QStringLiteral("update CLIENTES set ENDERECO = 'Rua B', CIDADE = 'Uberaba'"));
    EXPECT_EQ(dm.Clientes.ApplyUpdates(-1), 0);
    EXPECT_EQ(s(m.ambiente.linhas(QStringLiteral("select NOME, ENDERECO, CIDADE from CLIENTES")).join(QLatin1Char(';'))),
              "Maria|Rua B|Uberaba");
    // The re-read brings the other program's values in, on the same row.
    dm.Clientes.Refresh();
    EXPECT_EQ(s(dm.Clientes.FieldByName(QStringLiteral("ENDERECO")).AsString()), "Rua B");
}

TEST_F(DataSetTeste, TodasAsColunasCasaNulosComIsNull)
{
    // Two rows of the same store that differ only where one of them is NULL.
    m.ambiente.executa(QStringList{
        QStringLiteral("insert into DADOSGER (CGC, CODIGOLIVRO, FIRMA, NUMEROINICIAL, DATABSPO) values ('9', '001', NULL, NULL, NULL)"),
        QStringLiteral("insert into DADOSGER (CGC, CODIGOLIVRO, FIRMA, NUMEROINICIAL, DATABSPO) values ('9', '001', 'Firma', NULL, '2023-01-02')")});
    dm.SQLDS_DadosGer.CommandText = QStringLiteral("Select ") + CamposDadosGer
                                    + QStringLiteral(" from DADOSGER where CGC = '9' order by FIRMA nulls first");
    dm.DadosGer.Open();
    ASSERT_TRUE(dm.DadosGer.FieldByName(QStringLiteral("FIRMA")).IsNull());
    dm.DadosGer.Edit();
    dm.DadosGer.FieldByName(QStringLiteral("NumeroInicial")).setAsInteger(501);
    dm.DadosGer.Post(); // write-back and re-read
    EXPECT_EQ(dm.DadosGer.ChangeCount(), 0);
    EXPECT_EQ(s(m.ambiente.linhas(QStringLiteral("select coalesce(FIRMA, '-'), NUMEROINICIAL from DADOSGER order by FIRMA nulls first"))
                    .join(QLatin1Char(';'))),
              "-|501;Firma|");
    // The re-read kept the posted row current; a second change finds it by its new values.
    EXPECT_EQ(dm.DadosGer.FieldByName(QStringLiteral("NUMEROINICIAL")).AsInteger(), 501);
    dm.DadosGer.Next();
    dm.DadosGer.Edit();
    dm.DadosGer.FieldByName(QStringLiteral("FIRMA")).Clear();
    dm.DadosGer.Post();
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select count(*) from DADOSGER where FIRMA is null"))), "2");
}

TEST_F(DataSetTeste, TodasAsColunasRecusaLinhaMudadaPorOutroPrograma)
{
    m.ambiente.executa(QStringLiteral("insert into DADOSGER (CGC, CODIGOLIVRO) values ('9', '001')"));
    abreDadosGer(QStringLiteral("9"));
    m.ambiente.executa(QStringLiteral("update DADOSGER set FIRMA = 'Outro programa'"));
    dm.DadosGer.Edit();
    dm.DadosGer.FieldByName(QStringLiteral("CODIGOLIVRO")).setAsString(QStringLiteral("002"));
    EXPECT_EQ(s(erroDe([&] { dm.DadosGer.Post(); })), "Must apply updates before refreshing data");
    EXPECT_EQ(dm.DadosGer.ChangeCount(), 1);
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select CODIGOLIVRO || FIRMA from DADOSGER"))), "001Outro programa");
    dm.DadosGer.Close(); // drops the refused change
    abreDadosGer(QStringLiteral("9"));
    EXPECT_EQ(dm.DadosGer.ChangeCount(), 0);
}

TEST_F(DataSetTeste, TodasAsColunasComDecimaisHorasEDatas)
{
    // The remembered period: no key, every column is matched with its old value.
    const QString interface = m.ambiente.caminho(QStringLiteral("interfac/torvenia.bd"));
    m.ambiente.executaEm(interface, QStringLiteral(
        "insert into PERIODO (DATAINICIAL, DATAFINAL, HORAINICIAL, HORAFINAL, CHAVE, ESTACAO, NPEDIDO, NFORMULA, VALORTOTAL, VALORTOTAL2) "
        "values ('2024-01-01', '2024-01-31', '08:30:00', NULL, 'S', '01', 10, NULL, 1234567.12345678, 0.1)"));
    ClientDataSet &p = m.dm2->Periodo;
    p.Open();
    ASSERT_EQ(p.RecordCount(), 1);
    p.Edit();
    p.FieldByName(QStringLiteral("DataFinal")).setAsDate(QDate(2024, 2, 29));
    p.FieldByName(QStringLiteral("NFormula")).setAsInteger(3);
    p.Post();
    EXPECT_EQ(p.ChangeCount(), 0);
    EXPECT_EQ(s(m.ambiente.valorEm(interface, QStringLiteral("select DATAFINAL || ' ' || NFORMULA || ' ' || VALORTOTAL from PERIODO"))),
              "2024-02-29 3 1234567.12345678");
    EXPECT_EQ(s(p.FieldByName(QStringLiteral("DATAFINAL")).AsString()), "29/02/2024");
}

// ------------------------------------------------------------ refused changes

struct CasoPendencia {
    const char *nome;
    bool esvazia; // ends the pending change by emptying instead of closing
};

class RecusaPendente : public DataSetTeste, public ::testing::WithParamInterface<CasoPendencia> {};

TEST_P(RecusaPendente, ChaveDuplicadaFazOsPostsSeguintesFalharemAteFechar)
{
    CnpjLoja = QStringLiteral("11222333000181");
    m.ambiente.executa(QStringLiteral("insert into LIVROSC (LOJA, CODLIVRO, NUMERO, NOMECLIENTE) values ('11222333000181', '001', 1, 'Antiga')"));
    abreLivro(CnpjLoja);
    const char *recusa = "Must apply updates before refreshing data";
    EXPECT_EQ(s(erroDe([&] { postaLinha(1); })), recusa);
    EXPECT_EQ(dm.LivroSC.ChangeCount(), 1);
    // Every later line is stored, but its post still fails.
    EXPECT_EQ(s(erroDe([&] { postaLinha(2); })), recusa);
    EXPECT_EQ(s(erroDe([&] { postaLinha(3); })), recusa);
    EXPECT_EQ(s(erroDe([&] { dm.LivroSC.Refresh(); })), recusa);
    EXPECT_EQ(s(m.ambiente.linhas(QStringLiteral("select NUMERO, NOMECLIENTE from LIVROSC order by NUMERO")).join(QLatin1Char(';'))),
              "1|Antiga;2|Linha 2;3|Linha 3");
    EXPECT_TRUE(m.ui.mensagens.isEmpty()) << "a refused write is not a refused post";
    if (GetParam().esvazia) {
        dm.LivroSC.EmptyDataSet();
    } else {
        dm.LivroSC.Close();
        dm.LivroSC.Open();
    }
    EXPECT_EQ(dm.LivroSC.ChangeCount(), 0);
    postaLinha(4);
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select count(*) from LIVROSC"))), "4");
}

INSTANTIATE_TEST_SUITE_P(Tabela, RecusaPendente,
                         ::testing::Values(CasoPendencia{"Fechando", false}, CasoPendencia{"Esvaziando", true}),
                         [](const auto &info) { return std::string(info.param.nome); });

// ------------------------------------------------------------ text

class TextoWin1252 : public DataSetTeste, public ::testing::WithParamInterface<QString> {};

TEST_P(TextoWin1252, IdaEVoltaUmByteACaractere)
{
    const QString nome = GetParam();
    abreClientes(QStringLiteral(" where CODIGO = 1"));
    dm.Clientes.Append();
    dm.Clientes.FieldByName(QStringLiteral("ESTACAO")).setAsString(QStringLiteral("01"));
    dm.Clientes.FieldByName(QStringLiteral("CODIGO")).setAsInteger(1);
    dm.Clientes.FieldByName(QStringLiteral("NOME")).setAsString(nome);
    dm.Clientes.Post();
    ASSERT_EQ(dm.Clientes.ApplyUpdates(-1), 0);
    // Stored as Windows-1252: one byte a character, found by a quoted literal.
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select octet_length(NOME) from CLIENTES where NOME = '")
                                 + EscapaSql(nome) + QStringLiteral("'"))),
              s(QString::number(nome.size())));
    abreClientes(QStringLiteral(" where NOME = '") + EscapaSql(nome) + QStringLiteral("'"));
    ASSERT_EQ(dm.Clientes.RecordCount(), 1);
    EXPECT_EQ(s(dm.Clientes.FieldByName(QStringLiteral("NOME")).AsString()), s(nome));
    // A change matched by key goes back the same way.
    dm.Clientes.Edit();
    dm.Clientes.FieldByName(QStringLiteral("CIDADE")).setAsString(nome.left(30));
    dm.Clientes.Post();
    ASSERT_EQ(dm.Clientes.ApplyUpdates(-1), 0);
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select CIDADE from CLIENTES"))), s(nome.left(30)));
}

INSTANTIATE_TEST_SUITE_P(Tabela, TextoWin1252,
                         ::testing::Values(QStringLiteral("JOSÉ DA CONCEIÇÃO"), QStringLiteral("D'Ávila & Filhos"),
                                           QStringLiteral("€ ‰ Œ œ Š ž Ÿ “aspas” – —"), QStringLiteral("ªº°±²³µ¶·¹ÿ"),
                                           QStringLiteral("Ãçúcar Ôlho Üni Ñandu")));

TEST_F(DataSetTeste, CharGuardaOsBrancosFinais)
{
    m.ambiente.executa(QStringLiteral(
        "insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, CONFERIDO, PRONTO, FORMAFARMA) values ('01', 1, 1, '', 'S', 'CAPSULA  ')"));
    dm.cdsPediform.Open(); // every formula
    ASSERT_EQ(dm.cdsPediform.RecordCount(), 1);
    EXPECT_EQ(s(dm.cdsPediform.FieldByName(QStringLiteral("CONFERIDO")).AsString()), " ");
    EXPECT_EQ(s(dm.cdsPediform.FieldByName(QStringLiteral("PRONTO")).AsString()), "S");
    EXPECT_EQ(s(dm.cdsPediform.FieldByName(QStringLiteral("FORMAFARMA")).AsString()), "CAPSULA  ");
    dm.SQLQuery1.CommandText = QStringLiteral("select cast('AB' as char(5)) as FIXO, cast('Ç' as char(3)) as ACENTO from RDB$DATABASE");
    dm.SQLQuery1.Open();
    EXPECT_EQ(s(dm.SQLQuery1.FieldByName(QStringLiteral("FIXO")).AsString()), "AB   ");
    EXPECT_EQ(s(dm.SQLQuery1.FieldByName(QStringLiteral("ACENTO")).AsString()), "Ç  ");
}

struct CasoCorte {
    const char *nome;
    const char *coluna;
    int largura;
};

class TextoLongo : public DataSetTeste, public ::testing::WithParamInterface<CasoCorte> {};

TEST_P(TextoLongo, ECortadoNuncaRecusado)
{
    const CasoCorte &c = GetParam();
    CnpjLoja = QStringLiteral("11222333000181");
    abreLivro(CnpjLoja);
    QString longo;
    while (longo.size() < c.largura + 25)
        longo += QStringLiteral("Ação ");
    dm.LivroSC.Append();
    dm.LivroSC.FieldByName(QStringLiteral("CODLIVRO")).setAsString(QStringLiteral("001"));
    dm.LivroSC.FieldByName(QStringLiteral("NUMERO")).setAsInteger(1);
    dm.LivroSC.FieldByName(QLatin1String(c.coluna)).setAsString(longo);
    EXPECT_EQ(dm.LivroSC.FieldByName(QLatin1String(c.coluna)).AsString().size(), c.largura);
    dm.LivroSC.Post();
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select %1 from LIVROSC").arg(QLatin1String(c.coluna)))),
              s(longo.left(c.largura)));
}

INSTANTIATE_TEST_SUITE_P(Tabela, TextoLongo,
                         ::testing::Values(CasoCorte{"Nome", "NOMECLIENTE", 40}, CasoCorte{"Prescricoes", "PRESCRICOES", 1500},
                                           CasoCorte{"Marca", "CONTROLADO", 1}, CasoCorte{"Chave", "CODLIVRO", 3}),
                         [](const auto &info) { return std::string(info.param.nome); });

TEST_F(DataSetTeste, BlobVemInteiroEOUpdateNaoOToca)
{
    // 90,000 bytes, beyond one segment and beyond any text literal.
    m.ambiente.executa(QStringList{
        QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA) values ('01', 7, 1)"),
        QStringLiteral("update PEDIFORM set ROTULO = cast(lpad('', 30000, 'a') as blob sub_type 0) || lpad('', 30000, 'b') "
                       "|| lpad('', 29999, 'c') || 'Ç'")});
    dm.cdsPediform.Open();
    Campo &rotulo = dm.cdsPediform.FieldByName(QStringLiteral("ROTULO"));
    ASSERT_EQ(rotulo.Value().toByteArray().size(), 90000);
    EXPECT_EQ(s(rotulo.AsString().right(3)), "ccÇ");
    dm.cdsPediform.Edit();
    dm.cdsPediform.FieldByName(QStringLiteral("USASUBSTCONTR")).setAsString(QStringLiteral("S"));
    dm.cdsPediform.Post();
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select USASUBSTCONTR || octet_length(ROTULO) from PEDIFORM"))), "S90000");
    EXPECT_EQ(dm.cdsPediform.FieldByName(QStringLiteral("ROTULO")).Value().toByteArray().size(), 90000);
}

TEST_F(DataSetTeste, LocateAchaPeloTextoExatoOuFicaOndeEstava)
{
    m.ambiente.executa(QStringList{QStringLiteral("insert into USUARIOS (USUARIO, SENHA) values ('ANA', 'X')"),
                                   QStringLiteral("insert into USUARIOS (USUARIO, SENHA) values ('JOSÉ', 'Y')"),
                                   QStringLiteral("insert into USUARIOS (USUARIO, SENHA) values ('ZECA', 'Z')")});
    dm.Usuarios.Open();
    EXPECT_TRUE(dm.Usuarios.Locate(QStringLiteral("Usuario"), QStringLiteral("JOSÉ")));
    EXPECT_EQ(s(dm.Usuarios.FieldByName(QStringLiteral("SENHA")).AsString()), "Y");
    EXPECT_FALSE(dm.Usuarios.Locate(QStringLiteral("USUARIO"), QStringLiteral("josé")));
    EXPECT_EQ(s(dm.Usuarios.FieldByName(QStringLiteral("USUARIO")).AsString()), "JOSÉ");
}
