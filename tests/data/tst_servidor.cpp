// The data modules against a real Firebird server on 127.0.0.1: the system's
// own database strings ("localhost/<port>:C:\torvenia\dados\torvenia.bd")
// reach the test databases through the server's aliases; connection, hooks,
// posts and the server's refusals go over the network.
#include "comum/modulosteste.h"
#include "comum/servidorteste.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/textos.h"
#include <gtest/gtest.h>

namespace {

std::string s(const QString &t) { return t.toStdString(); }

const QString kPrincipal = QStringLiteral("C:\\torvenia\\dados\\torvenia.bd");
const QString kInterface03 = QStringLiteral("C:\\torvenia\\Interfac03\\torvenia.bd");
const QString kLoja = QStringLiteral("11222333000181");

class ServidorReal : public ::testing::Test {
protected:
    // One server for the suite, over the databases of one platform root.
    static void SetUpTestSuite()
    {
        bancos = new AmbienteTeste;
        servidor = new ServidorTeste({{kPrincipal, bancos->bancoPrincipal()},
                                      {kInterface03, bancos->caminho(QStringLiteral("Interfac03/torvenia.bd"))}});
    }
    static void TearDownTestSuite()
    {
        delete servidor; // stops the server
        servidor = nullptr;
        delete bancos;
        bancos = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(servidor->ativo()) << s(servidor->erro());
        m = std::make_unique<ModulosTeste>(servidor->servidor());
        CnpjLoja = kLoja;
    }
    void TearDown() override { m.reset(); }

    // A value read through the server by a connection of its own.
    QString valor(const QString &sql, const QString &banco = kPrincipal) const
    {
        ConexaoFirebird c(QStringLiteral("verificacao"));
        DefineParametrosPadrao(c);
        c.defineParametro(QStringLiteral("Database"), servidor->servidor() + QLatin1Char(':') + banco);
        const ResultadoConsulta r = c.consulta(sql);
        if (r.linhas.isEmpty() || r.linhas.first().first().isNull())
            return QString();
        return r.linhas.first().first().toString();
    }

    static inline AmbienteTeste *bancos = nullptr;
    static inline ServidorTeste *servidor = nullptr;
    std::unique_ptr<ModulosTeste> m;
};

} // namespace

TEST_F(ServidorReal, ConexaoPelaStringDoSistema)
{
    TDM &dm = *m->dm;
    EXPECT_EQ(s(dm.sqlcon1.parametro(QStringLiteral("DataBase"))), s(servidor->servidor() + QLatin1Char(':') + kPrincipal));
    EXPECT_FALSE(dm.sqlcon1.conectada());
    dm.SQLQuery1.CommandText = QStringLiteral(
        "select a.MON$REMOTE_PROTOCOL as PROTOCOLO, a.MON$REMOTE_ADDRESS as ENDERECO, d.MON$DATABASE_NAME as ARQUIVO, "
        "c.RDB$CHARACTER_SET_NAME as CONJUNTO, t.MON$ISOLATION_MODE as ISOLAMENTO, t.MON$LOCK_TIMEOUT as ESPERA, "
        "CURRENT_USER as USUARIO, 1/2 as METADE "
        "from MON$ATTACHMENTS a cross join MON$DATABASE d "
        "join RDB$CHARACTER_SETS c on c.RDB$CHARACTER_SET_ID = a.MON$CHARACTER_SET_ID "
        "join MON$TRANSACTIONS t on t.MON$TRANSACTION_ID = CURRENT_TRANSACTION "
        "where a.MON$ATTACHMENT_ID = CURRENT_CONNECTION");
    dm.SQLQuery1.Open();
    ASSERT_EQ(dm.SQLQuery1.RecordCount(), 1);
    auto campo = [&](const char *n) { return s(TiraEspacos(dm.SQLQuery1.FieldByName(QLatin1String(n)).AsString())); };
    EXPECT_EQ(campo("PROTOCOLO"), "TCPv4");
    EXPECT_EQ(campo("ENDERECO").substr(0, 10), "127.0.0.1/");
    EXPECT_EQ(campo("ARQUIVO"), s(QFileInfo(bancos->bancoPrincipal()).canonicalFilePath()));
    EXPECT_EQ(campo("CONJUNTO"), "WIN1252");
    EXPECT_EQ(campo("ISOLAMENTO"), "2");
    EXPECT_EQ(campo("ESPERA"), "-1");
    EXPECT_EQ(campo("USUARIO"), "SYSDBA");
    EXPECT_EQ(campo("METADE"), "0");
}

TEST_F(ServidorReal, NavegacaoEPostsPeloServidor)
{
    TDM &dm = *m->dm;
    dm.sqlcon1.executa(QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, MEDICO) values ('01', 900, 'Conceição D''Ávila', 'Dr. Mário')"));
    dm.sqlcon1.executa(QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, CONFERIDO) values ('01', 900, 1, 'S')"));
    dm.sqlcon1.executa(QStringLiteral("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE) values ('01', 900, 1, 'ÁCIDO ASCÓRBICO')"));
    dm.sqldsPedidos.CommandText = QStringLiteral("select * from PEDIDOS where NPEDIDO = 900");
    dm.cdsPedidos.Open();
    ASSERT_EQ(dm.cdsPediform.RecordCount(), 1);
    ASSERT_EQ(dm.cdsCompedid.RecordCount(), 1);
    EXPECT_EQ(s(dm.cdsPedidos.FieldByName(QStringLiteral("NOME")).AsString()), "Conceição D'Ávila");
    EXPECT_EQ(s(dm.cdsCompedid.FieldByName(QStringLiteral("COMPONENTE")).AsString()), "ÁCIDO ASCÓRBICO");

    dm.cdsPedidos.Edit();
    dm.cdsPedidos.FieldByName(QStringLiteral("JANOLIVRO")).setAsString(QStringLiteral("S"));
    dm.cdsPedidos.Post();
    dm.cdsCompedid.Edit();
    dm.cdsCompedid.FieldByName(QStringLiteral("JANOLIVRO")).setAsString(QStringLiteral("S"));
    dm.cdsCompedid.Post();
    EXPECT_EQ(s(valor(QStringLiteral("select JANOLIVRO from PEDIDOS where NPEDIDO = 900"))), "S");
    EXPECT_EQ(s(valor(QStringLiteral("select JANOLIVRO from COMPEDID where NPEDIDO = 900"))), "S");

    // Book lines: a post is written at once; a refused one stays pending until close.
    dm.SQLDS_livroSC.CommandText = QStringLiteral("Select ") + CamposLivroSC + QStringLiteral(" from LIVROSC where LOJA = '")
                                   + EscapaSql(CnpjLoja) + QStringLiteral("'");
    dm.LivroSC.Open();
    auto linha = [&](int numero) {
        dm.LivroSC.Append();
        dm.LivroSC.FieldByName(QStringLiteral("CODLIVRO")).setAsString(QStringLiteral("001"));
        dm.LivroSC.FieldByName(QStringLiteral("NUMERO")).setAsInteger(numero);
        dm.LivroSC.FieldByName(QStringLiteral("NOMECLIENTE")).setAsString(QStringLiteral("Conceição D'Ávila"));
        dm.LivroSC.Post();
    };
    linha(1);
    EXPECT_EQ(s(valor(QStringLiteral("select NOMECLIENTE from LIVROSC where NUMERO = 1"))), "Conceição D'Ávila");
    try {
        linha(1);
        FAIL() << "duplicate line accepted";
    } catch (const EDatabaseError &e) {
        EXPECT_EQ(s(e.mensagem()), "Must apply updates before refreshing data");
    }
    EXPECT_THROW(linha(2), EDatabaseError);
    EXPECT_EQ(s(valor(QStringLiteral("select count(*) from LIVROSC"))), "2");
    dm.LivroSC.Close();
    dm.LivroSC.Open();
    linha(3);
    EXPECT_EQ(s(valor(QStringLiteral("select list(NUMERO) from LIVROSC"))), "1,2,3");
}

TEST_F(ServidorReal, InterfaceDaEstacaoPeloServidor)
{
    // What the login does for station 03.
    TDM2 &dm2 = *m->dm2;
    dm2.SQLConnection1.desconecta();
    dm2.SQLConnection1.defineParametro(QStringLiteral("DataBase"),
                                       IpServidorCentral + QStringLiteral(":C:\\torvenia\\Interfac") + QStringLiteral("03")
                                           + QStringLiteral("\\torvenia.bd"));
    dm2.Periodo.Open();
    dm2.Periodo.Edit();
    dm2.Periodo.FieldByName(QStringLiteral("DATAINICIAL")).setAsDate(QDate(2024, 6, 1));
    dm2.Periodo.FieldByName(QStringLiteral("DATAFINAL")).setAsDate(QDate(2024, 6, 30));
    dm2.Periodo.FieldByName(QStringLiteral("VALORTOTAL")).setAsFloat(0.1);
    dm2.Periodo.Post();
    dm2.Periodo.Edit(); // matched by every column, the decimal among them
    dm2.Periodo.FieldByName(QStringLiteral("ESTACAO")).setAsString(QStringLiteral("03"));
    dm2.Periodo.Post();
    EXPECT_EQ(s(valor(QStringLiteral("select DATAFINAL || ' ' || ESTACAO from PERIODO"), kInterface03)), "2024-06-30 03");
}

struct CasoRecusa {
    const char *nome;
    const char *parametro;
    QString valor; // "<servidor>" stands for the server setting
    QString texto;
};

class RecusaDoServidor : public ServidorReal, public ::testing::WithParamInterface<CasoRecusa> {};

TEST_P(RecusaDoServidor, ConexaoFalhaComOTextoDoServidor)
{
    const CasoRecusa &c = GetParam();
    TDM &dm = *m->dm;
    QString v = c.valor;
    v.replace(QStringLiteral("<servidor>"), servidor->servidor());
    dm.sqlcon1.defineParametro(QLatin1String(c.parametro), v);
    try {
        dm.Usuarios.Open();
        FAIL() << "connected";
    } catch (const EFirebirdError &e) {
        EXPECT_TRUE(e.mensagem().contains(c.texto)) << s(e.mensagem());
    }
    EXPECT_FALSE(dm.sqlcon1.conectada());
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, RecusaDoServidor,
    ::testing::Values(CasoRecusa{"SenhaErrada", "Password", QStringLiteral("errada"),
                                 QStringLiteral("Your user name and password are not defined")},
                      CasoRecusa{"BancoSemApelido", "DataBase", QStringLiteral("<servidor>:C:\\torvenia\\dados\\naoexiste.bd"),
                                 QStringLiteral("unavailable database")}),
    [](const auto &info) { return std::string(info.param.nome); });
