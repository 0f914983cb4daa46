#include "comum/ambiente.h"
#include "comum/interfaceteste.h"
#include "config/configuracao.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/senha.h"
#include "config/textos.h"
#include "data/firebird.h"
#include "data/udm.h"
#include "gerador/gerador.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int kFormulas = 300;
const QDate kMes(2026, 11, 1);

// Every row of every table the generator fills, in key order.
QStringList conteudo(const AmbienteTeste &amb)
{
    const QStringList tabelas{
        QStringLiteral("PEDIDOS order by ESTACAO, NPEDIDO"),
        QStringLiteral("PEDIFORM order by ESTACAO, NPEDIDO, NFORMULA"),
        QStringLiteral("COMPEDID order by ESTACAO, NPEDIDO, NFORMULA, COMPONENTE"),
        QStringLiteral("ITENS order by ESTACAO, NPEDIDO, CODPROD"),
        QStringLiteral("CLIENTES order by ESTACAO, CODIGO"),
        QStringLiteral("COMPRAS order by CODCOMPRA"),
        QStringLiteral("DADOSGER order by CGC"),
        QStringLiteral("TABLAB order by LOJA"),
        QStringLiteral("USUARIOS order by USUARIO"),
        QStringLiteral("ESTACOES order by ESTACAO")};
    QStringList l;
    for (const QString &t : tabelas)
        l << amb.linhas(QStringLiteral("select * from ") + t);
    return l;
}

class GeradorDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        amb = new AmbienteTeste;
        resumo = GeraDadosDemo(amb->raiz(), kFormulas, 2026, kMes);
    }
    static void TearDownTestSuite()
    {
        delete amb;
        amb = nullptr;
    }
    static int conta(const QString &sql) { return amb->valor(sql).toInt(); }

    static inline AmbienteTeste *amb = nullptr;
    static inline ResumoGeracao resumo;
};

TEST_F(GeradorDemo, MesmaSementeMesmosDadosOutraSementeOutros)
{
    AmbienteTeste igual;
    GeraDadosDemo(igual.raiz(), kFormulas, 2026, kMes);
    const QStringList original = conteudo(*amb);
    EXPECT_EQ(conteudo(igual), original);

    AmbienteTeste outra;
    GeraDadosDemo(outra.raiz(), kFormulas, 2027, kMes);
    EXPECT_NE(outra.linhas(QStringLiteral("select * from PEDIDOS order by ESTACAO, NPEDIDO")),
              amb->linhas(QStringLiteral("select * from PEDIDOS order by ESTACAO, NPEDIDO")));
}

TEST_F(GeradorDemo, BancoJaPreenchidoRecusado)
{
    EXPECT_THROW(GeraDadosDemo(amb->raiz(), 10, 1, kMes), EDatabaseError);
    EXPECT_EQ(conta(QStringLiteral("select count(*) from PEDIFORM")), kFormulas);
}

TEST_F(GeradorDemo, TamanhoEPeriodoPedidos)
{
    EXPECT_EQ(conta(QStringLiteral("select count(*) from PEDIFORM")), kFormulas);
    EXPECT_EQ(resumo.formulas, kFormulas);
    const int componentes = conta(QStringLiteral("select count(*) from COMPEDID"));
    EXPECT_EQ(componentes, resumo.componentes);
    EXPECT_GE(componentes, kFormulas * 4);
    EXPECT_LE(componentes, kFormulas * 6);
    EXPECT_EQ(conta(QStringLiteral("select count(*) from PEDIDOS")), resumo.pedidos);
    EXPECT_EQ(amb->valor(QStringLiteral("select min(DATAPEDIDO) from PEDIDOS")), QStringLiteral("2026-11-01"));
    EXPECT_EQ(amb->valor(QStringLiteral("select max(DATAPEDIDO) from PEDIDOS")), QStringLiteral("2026-11-30"));
}

// Each kind of row a book run tells apart, as a count that must not be zero.
struct Tipo {
    const char *nome;
    const char *sql;
};

class TiposDeLinha : public GeradorDemo, public ::testing::WithParamInterface<Tipo> {};

TEST_P(TiposDeLinha, Presente)
{
    EXPECT_GT(conta(QString::fromUtf8(GetParam().sql)), 0) << GetParam().nome;
}

INSTANTIATE_TEST_SUITE_P(
    Demo, TiposDeLinha,
    ::testing::Values(
        Tipo{"pedido", "select count(*) from PEDIDOS where TIPOPEDIDO = 'Pedido'"},
        Tipo{"reposicao", "select count(*) from PEDIDOS where TIPOPEDIDO = 'Repos'"},
        Tipo{"outros tipos", "select count(*) from PEDIDOS where TIPOPEDIDO not in ('Pedido', 'Repos')"},
        Tipo{"sem medico (NULL)", "select count(*) from PEDIDOS where MEDICO is null"},
        Tipo{"sem medico (vazio)", "select count(*) from PEDIDOS where MEDICO = '' and char_length(MEDICO) = 0"},
        Tipo{"conselho NULL", "select count(*) from PEDIDOS where MEDICO <> '' and CONSELHOPROFISSIONAL is null"},
        Tipo{"conselho vazio", "select count(*) from PEDIDOS where char_length(CONSELHOPROFISSIONAL) = 0"},
        Tipo{"conselho em branco", "select count(*) from PEDIDOS where char_length(CONSELHOPROFISSIONAL) > 0 "
                                   "and trim(CONSELHOPROFISSIONAL) = ''"},
        Tipo{"UF de um caractere", "select count(*) from PEDIDOS where char_length(UFCONSELHO) = 1"},
        Tipo{"UF vazia", "select count(*) from PEDIDOS where char_length(UFCONSELHO) = 0"},
        Tipo{"controlado S", "select count(*) from COMPEDID where CONTROLADA = 'S'"},
        Tipo{"controlado s", "select count(*) from COMPEDID where CONTROLADA = 's'"},
        Tipo{"CAPSULA", "select count(*) from PEDIFORM where FORMAFARMA = 'CAPSULA'"},
        Tipo{"CÁPSULA", "select count(*) from PEDIFORM where FORMAFARMA = 'CÁPSULA'"},
        Tipo{"CAPSULAS com volume", "select count(*) from PEDIFORM where FORMAFARMA = 'CAPSULAS' and VOLUMETOTAL > 0"},
        Tipo{"CÁPSULA com volume", "select count(*) from PEDIFORM where FORMAFARMA = 'CÁPSULA' and VOLUMETOTAL > 0"},
        Tipo{"cápsulas zero", "select count(*) from PEDIFORM where upper(FORMAFARMA) like 'C_PSULA' and QDECAPSULAS = 0"},
        Tipo{"liquido", "select count(*) from PEDIFORM where UNIDADE = 'ML' and VOLUMETOTAL > 0"},
        Tipo{"varios rotulos", "select count(*) from PEDIFORM where QDEROTULOS > 1"},
        Tipo{"QSP", "select count(*) from COMPEDID where UNIDDIG = 'QSP'"},
        Tipo{"qsp minusculo", "select count(*) from COMPEDID where UNIDDIG = 'qsp'"},
        Tipo{"quantidade com decimais", "select count(*) from COMPEDID where QDEDIG - floor(QDEDIG) > 0"},
        Tipo{"quantidade de milhares", "select count(*) from COMPEDID where QDEDIG >= 1000 and QDEDIG - floor(QDEDIG) > 0"},
        Tipo{"lote com compra", "select count(*) from COMPEDID c where exists (select 1 from COMPRAS p where "
                                "p.COMPONENTE = c.COMPONENTE and p.FORNECEDOR = c.FORNECEDOR and p.LOTE = c.LOTE "
                                "and p.FABRICACAO is not null)"},
        Tipo{"compra sem fabricacao", "select count(*) from COMPEDID c where exists (select 1 from COMPRAS p where "
                                      "p.COMPONENTE = c.COMPONENTE and p.FORNECEDOR = c.FORNECEDOR and p.LOTE = c.LOTE "
                                      "and p.FABRICACAO is null)"},
        Tipo{"lote sem compra", "select count(*) from COMPEDID c where c.LOTE is not null and not exists (select 1 "
                                "from COMPRAS p where p.COMPONENTE = c.COMPONENTE and p.FORNECEDOR = c.FORNECEDOR "
                                "and p.LOTE = c.LOTE)"},
        Tipo{"sem lote", "select count(*) from COMPEDID where LOTE is null and COMPONENTE <> ''"},
        Tipo{"componente sem nome", "select count(*) from COMPEDID where COMPONENTE = ''"},
        Tipo{"formula sem componentes", "select count(*) from PEDIFORM f where not exists (select 1 from COMPEDID c "
                                        "where c.ESTACAO = f.ESTACAO and c.NPEDIDO = f.NPEDIDO and c.NFORMULA = f.NFORMULA)"},
        Tipo{"pedido so de produtos prontos", "select count(*) from PEDIDOS p where exists (select 1 from ITENS i where "
                                              "i.ESTACAO = p.ESTACAO and i.NPEDIDO = p.NPEDIDO) and not exists (select 1 "
                                              "from PEDIFORM f where f.ESTACAO = p.ESTACAO and f.NPEDIDO = p.NPEDIDO)"},
        Tipo{"produtos prontos com formulas", "select count(*) from PEDIDOS p where exists (select 1 from ITENS i where "
                                              "i.ESTACAO = p.ESTACAO and i.NPEDIDO = p.NPEDIDO) and exists (select 1 "
                                              "from PEDIFORM f where f.ESTACAO = p.ESTACAO and f.NPEDIDO = p.NPEDIDO)"},
        Tipo{"item de meia unidade", "select count(*) from ITENS where QDE in (2.5, 3.5)"},
        Tipo{"pedido vazio", "select count(*) from PEDIDOS p where not exists (select 1 from ITENS i where "
                             "i.ESTACAO = p.ESTACAO and i.NPEDIDO = p.NPEDIDO) and not exists (select 1 "
                             "from PEDIFORM f where f.ESTACAO = p.ESTACAO and f.NPEDIDO = p.NPEDIDO)"},
        Tipo{"laboratorio da loja", "select count(*) from PEDIFORM where LABORATORIO = 'Laboratorio Central'"},
        Tipo{"Amoxarifado", "select count(*) from PEDIFORM where LABORATORIO = 'Amoxarifado'"},
        Tipo{"outro laboratorio", "select count(*) from PEDIFORM where LABORATORIO = 'Laboratorio Pampulha'"},
        Tipo{"laboratorio da loja em maiusculas", "select count(*) from PEDIFORM where LABORATORIO = 'LABORATORIO CENTRAL'"},
        Tipo{"sem laboratorio (NULL)", "select count(*) from PEDIFORM where LABORATORIO is null"},
        Tipo{"sem laboratorio (vazio)", "select count(*) from PEDIFORM where char_length(LABORATORIO) = 0"},
        Tipo{"ja numerada neste livro", "select count(*) from PEDIFORM f join DADOSGER d on d.CODIGOLIVRO = f.LIVRO "
                                        "where f.CODLIVRO > 0 and f.CODLIVRO < d.NUMEROINICIAL"},
        Tipo{"numerada no livro anterior", "select count(*) from PEDIFORM where LIVRO = '000' and CODLIVRO > 0"},
        Tipo{"excluida antes (zero)", "select count(*) from PEDIFORM where CODLIVRO = 0"},
        Tipo{"controlada marcada antes", "select count(*) from PEDIFORM where USASUBSTCONTR = 'S'"},
        Tipo{"endereco incompleto", "select count(*) from PEDIDOS where char_length(ENDER2) = 1"},
        Tipo{"paciente diferente do comprador", "select count(*) from PEDIDOS where PACIENTE <> NOME"},
        Tipo{"nome com apostrofo", "select count(*) from PEDIDOS where NOME like '%''%'"},
        Tipo{"nome com acento", "select count(*) from PEDIDOS where NOME similar to '%[ãáâéêíóôõúç]%'"},
        Tipo{"cliente com um cadastro", "select count(*) from PEDIDOS p where (select count(*) from CLIENTES c where "
                                        "c.NOME = p.NOME and c.FONE = p.FONE) = 1"},
        Tipo{"cliente sem cadastro", "select count(*) from PEDIDOS p where not exists (select 1 from CLIENTES c where "
                                     "upper(c.NOME) = upper(p.NOME) and c.FONE = p.FONE)"},
        Tipo{"dois clientes de mesmo nome e fone", "select count(*) from PEDIDOS p where (select count(*) from "
                                                   "CLIENTES c where c.NOME = p.NOME and c.FONE = p.FONE) = 2"},
        Tipo{"cadastro com outra caixa", "select count(*) from PEDIDOS p join CLIENTES c on upper(c.NOME) = "
                                         "upper(p.NOME) and c.FONE = p.FONE where c.NOME <> p.NOME"}),
    [](const ::testing::TestParamInfo<Tipo> &i) { return "caso" + std::to_string(i.index); });

// The demo users: name and password as typed, the station and store they get.
struct Login {
    QString nome;
    QString senha;
    QString estacao;
    QString cnpj;
    bool autorizado;
};

class LoginDemo : public GeradorDemo, public ::testing::WithParamInterface<Login> {};

TEST_P(LoginDemo, CodigosMarcaEEstacao)
{
    const Login &l = GetParam();
    const QStringList usuario = amb->linhas(QStringLiteral("select SENHA, ACESSO from USUARIOS where USUARIO = '%1'")
                                                .arg(EscapaSql(CodificaSenha(MaiusculasAZ(l.nome)))));
    ASSERT_EQ(usuario.size(), 1);
    const QStringList campos = usuario.first().split(QLatin1Char('|'));
    EXPECT_EQ(campos[0], CodificaSenha(MaiusculasAZ(l.senha)));
    const QByteArray acesso = ParaWin1252(campos[1].left(20));
    const QByteArray nome = ParaWin1252(MaiusculasAZ(l.nome));
    const bool marca = acesso.size() >= 13 && quint8(quint8(acesso.at(12)) - 14) == quint8(nome.at(0));
    EXPECT_EQ(marca, l.autorizado);

    const QStringList estacao = amb->linhas(QStringLiteral("select ESTACAO, CNPJ from ESTACOES where upper(USUARIO) = '%1'")
                                                .arg(EscapaSql(MaiusculasAZ(l.nome))));
    ASSERT_EQ(estacao.size(), 1);
    EXPECT_EQ(estacao.first(), l.estacao + QLatin1Char('|') + l.cnpj);
    EXPECT_EQ(conta(QStringLiteral("select count(*) from DADOSGER where CGC = '%1' and CODIGOLIVRO <> ''").arg(l.cnpj)), 1);
    EXPECT_EQ(conta(QStringLiteral("select count(*) from TABLAB where LOJA = '%1'").arg(l.cnpj)), 1);
}

INSTANTIATE_TEST_SUITE_P(Demo, LoginDemo,
                         ::testing::Values(Login{QStringLiteral("demo"), QStringLiteral("1234"), QStringLiteral("01"),
                                                 kCnpjLoja1, true},
                                           Login{QStringLiteral("Ana"), QStringLiteral("ana123"), QStringLiteral("02"),
                                                 kCnpjLoja1, true},
                                           Login{QStringLiteral("BRUNO"), QStringLiteral("pampa"), QStringLiteral("03"),
                                                 kCnpjLoja2, true},
                                           Login{QStringLiteral("caixa"), QStringLiteral("caixa"), QStringLiteral("01C"),
                                                 kCnpjLoja1, false}));

TEST_F(GeradorDemo, DemoLoginDoReadme)
{
    EXPECT_EQ(kUsuarioDemo, QStringLiteral("DEMO"));
    EXPECT_EQ(kSenhaDemo, QStringLiteral("1234"));
}

TEST_F(GeradorDemo, LaboratorioDaLojaIgualAoDaConfiguracaoDemo)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(QFile::copy(QStringLiteral(RMG_FONTE_DIR "/scripts/TORVENIA.INI.demo"), pasta.filePath(QStringLiteral("TORVENIA.INI"))));
    ReiniciaGlobais();
    InterfaceTeste ui;
    ASSERT_TRUE(LeArquivoConfiguracao(ui, pasta.path() + QLatin1Char('/')));
    EXPECT_EQ(amb->valor(QStringLiteral("select LABORATORIO from TABLAB where LOJA = '%1'").arg(kCnpjLoja1)),
              LaboratorioPadrao);
    ReiniciaGlobais();
}

// The month gives a book: most formulas are in qualifying orders of the
// store's laboratory, and the customer look-up of every qualifying order
// runs (apostrophes included).
TEST_F(GeradorDemo, MesDaUmLivro)
{
    const QString qualifica = QStringLiteral(
        "from PEDIDOS p join PEDIFORM f on f.ESTACAO = p.ESTACAO and f.NPEDIDO = p.NPEDIDO "
        "where (p.TIPOPEDIDO = 'Pedido' or p.TIPOPEDIDO = 'Repos') and p.MEDICO <> '' "
        "and replace(p.CONSELHOPROFISSIONAL, ' ', '') <> '' and p.DATAPEDIDO between '11/01/26' and '11/30/26' "
        "and (f.LABORATORIO is null or f.LABORATORIO in ('', 'Amoxarifado', 'Laboratorio Central'))");
    EXPECT_GT(conta(QStringLiteral("select count(*) ") + qualifica), kFormulas * 6 / 10);

    ConexaoFirebird c(QStringLiteral("teste"));
    DefineParametrosPadrao(c);
    c.defineParametro(QStringLiteral("RoleName"), QString());
    c.defineParametro(QStringLiteral("Database"), amb->bancoPrincipal());
    const ResultadoConsulta pedidos = c.consulta(QStringLiteral("select distinct p.NOME, p.FONE ") + qualifica);
    int encontrados = 0;
    for (const auto &linha : pedidos.linhas) {
        const ResultadoConsulta cli = c.consulta(
            QStringLiteral("Select ") + ListaCampos(QStringLiteral("CLIENTES"))
            + QStringLiteral(" from CLIENTES where (UPPER(NOME) = '%1' and FONE = '%2')")
                  .arg(EscapaSql(MaiusculasAZ(linha[0].toString())), EscapaSql(linha[1].toString())));
        encontrados += cli.linhas.size() == 1 ? 1 : 0;
    }
    EXPECT_GT(encontrados, int(pedidos.linhas.size()) / 2);
}

TEST_F(GeradorDemo, PeriodoLembradoNasEstacoes)
{
    for (const QString &banco : {QStringLiteral("interfac/torvenia.bd"), QStringLiteral("Interfac01/torvenia.bd"),
                                 QStringLiteral("Interfac03/torvenia.bd")}) {
        EXPECT_EQ(amb->valorEm(amb->caminho(banco), QStringLiteral("select count(*) from PERIODO")), QStringLiteral("1"));
        EXPECT_EQ(amb->valorEm(amb->caminho(banco), QStringLiteral("select DATAINICIAL from PERIODO")),
                  QStringLiteral("2026-11-01"));
        EXPECT_EQ(amb->valorEm(amb->caminho(banco), QStringLiteral("select DATAFINAL from PERIODO")),
                  QStringLiteral("2026-11-30"));
        EXPECT_EQ(amb->valorEm(amb->caminho(banco), QStringLiteral("select count(*) from PERIODO where ESTACAO is null "
                                                                    "and NPEDIDO is null and NFORMULA is null")),
                  QStringLiteral("1"));
    }
}

class EscritaForcadaGerada : public ::testing::TestWithParam<bool> {};

TEST_P(EscritaForcadaGerada, ComoPedido)
{
    AmbienteTeste amb;
    GeraDadosDemo(amb.raiz(), 20, 1, kMes, GetParam());
    EXPECT_EQ(amb.valor(QStringLiteral("select MON$FORCED_WRITES from MON$DATABASE")),
              GetParam() ? QStringLiteral("1") : QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Demo, EscritaForcadaGerada, ::testing::Bool());

} // namespace
