// Connections: the client-library location file, the database strings, where a
// string leads, the parameter set as the server sees it, direct statements
// and connection failures with the client library's text.
#include "comum/modulosteste.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/textos.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

std::string s(const QString &t) { return t.toStdString(); }

void escreve(const QString &arquivo, const QByteArray &conteudo)
{
    QDir().mkpath(QFileInfo(arquivo).path());
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

const QString kPrincipal = QStringLiteral(":C:\\torvenia\\dados\\torvenia.bd");

} // namespace

// ------------------------------------------------------------ location file

struct CasoLocalizacao {
    const char *nome;
    bool existe;
    QByteArray conteudo; // Windows-1252 bytes
    QString biblioteca;
};

class ArquivoLocalizacao : public ::testing::TestWithParam<CasoLocalizacao> {};

TEST_P(ArquivoLocalizacao, DefineABibliotecaDasDuasConexoes)
{
    const CasoLocalizacao &c = GetParam();
    ModulosTeste m(QString(), false);
    if (c.existe)
        escreve(m.ambiente.caminho(QStringLiteral("CaminhoGDS.txt")), c.conteudo);
    m.dm->DataModuleCreate();
    m.dm2->DataModuleCreate();
    EXPECT_EQ(s(m.dm->sqlcon1.bibliotecaCliente()), s(c.biblioteca));
    EXPECT_EQ(s(m.dm2->SQLConnection1.bibliotecaCliente()), s(c.biblioteca));
    // The database of the main connection is set in every case.
    EXPECT_EQ(s(m.dm->sqlcon1.parametro(QStringLiteral("Database"))), s(kPrincipal));
}

const QString kPasta = QStringLiteral("C:\\Arquivos de programas\\Firebird\\bin");
const QString kLonga = QStringLiteral("C:\\") + QString(117, QLatin1Char('p')); // 120 characters

INSTANTIATE_TEST_SUITE_P(
    Tabela, ArquivoLocalizacao,
    ::testing::Values(
        CasoLocalizacao{"SemArquivo", false, {}, QStringLiteral("gds32.dll")},
        CasoLocalizacao{"ArquivoVazio", true, {}, QStringLiteral("gds32.dll")},
        CasoLocalizacao{"PrimeiraLinhaVazia", true, "\r\nC:\\Firebird\\bin\r\n", QStringLiteral("gds32.dll")},
        CasoLocalizacao{"Pasta", true, ParaWin1252(kPasta) + "\r\n", kPasta + QStringLiteral("\\GDS32.DLL")},
        CasoLocalizacao{"PastaComBarraFinal", true, ParaWin1252(kPasta) + "\\\r\n", kPasta + QStringLiteral("\\GDS32.DLL")},
        CasoLocalizacao{"SemFimDeLinha", true, ParaWin1252(kPasta), kPasta + QStringLiteral("\\GDS32.DLL")},
        CasoLocalizacao{"SoAPrimeiraLinha", true, "C:\\um\nC:\\dois\n", QStringLiteral("C:\\um\\GDS32.DLL")},
        CasoLocalizacao{"CortadaEmCem", true, ParaWin1252(kLonga) + "\r\n", kLonga.left(100) + QStringLiteral("\\GDS32.DLL")},
        // 100 characters counted in Windows-1252: one byte per accented letter.
        CasoLocalizacao{"AcentosContamUm", true, ParaWin1252(QStringLiteral("C:\\") + QString(110, QChar(0xE7))),
                        QStringLiteral("C:\\") + QString(97, QChar(0xE7)) + QStringLiteral("\\GDS32.DLL")}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(ArquivoLocalizacao, ErroDeLeituraInterrompeACriacaoSemMudarOBanco)
{
    ModulosTeste m(QStringLiteral("192.168.0.10"), false);
    QDir().mkpath(m.ambiente.caminho(QStringLiteral("CaminhoGDS.txt"))); // a folder: cannot be read as a file
    EXPECT_THROW(m.dm->DataModuleCreate(), EInOutError);
    EXPECT_EQ(s(m.dm->sqlcon1.parametro(QStringLiteral("Database"))), "c:\\torvenia\\dados\\torvenia.bd");
    EXPECT_EQ(s(m.dm->sqlcon1.bibliotecaCliente()), "gds32.dll");
    EXPECT_THROW(m.dm2->DataModuleCreate(), EInOutError);
}

// ------------------------------------------------------------ database strings

struct CasoBanco {
    const char *nome;
    QString servidor;
    QString banco;
};

class StringDoBanco : public ::testing::TestWithParam<CasoBanco> {};

TEST_P(StringDoBanco, ServidorMaisCaminhoFixoAteNoventa)
{
    ModulosTeste m(GetParam().servidor);
    EXPECT_EQ(s(m.dm->sqlcon1.parametro(QStringLiteral("DataBase"))), s(GetParam().banco));
    // "DataBase" replaces the stored "Database" entry: one entry only.
    int entradas = 0;
    for (const QString &p : m.dm->sqlcon1.parametros())
        if (p.section(QLatin1Char('='), 0, 0).compare(QStringLiteral("database"), Qt::CaseInsensitive) == 0)
            ++entradas;
    EXPECT_EQ(entradas, 1);
    // The interface connection keeps its stored local database until the login.
    EXPECT_EQ(s(m.dm2->SQLConnection1.parametro(QStringLiteral("Database"))), "c:\\torvenia\\interfac\\torvenia.bd");
    EXPECT_FALSE(m.dm->sqlcon1.conectada());
    EXPECT_FALSE(m.dm2->SQLConnection1.conectada());
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, StringDoBanco,
    ::testing::Values(
        CasoBanco{"Ip", QStringLiteral("192.168.0.10"), QStringLiteral("192.168.0.10:C:\\torvenia\\dados\\torvenia.bd")},
        CasoBanco{"Vazio", QString(), QStringLiteral(":C:\\torvenia\\dados\\torvenia.bd")},
        CasoBanco{"ComPorta", QStringLiteral("localhost/3051"), QStringLiteral("localhost/3051:C:\\torvenia\\dados\\torvenia.bd")},
        // 61 + 30 = 91 characters: the last one is cut.
        CasoBanco{"Noventa", QString(61, QLatin1Char('h')),
                  (QString(61, QLatin1Char('h')) + QStringLiteral(":C:\\torvenia\\dados\\torvenia.b"))},
        CasoBanco{"MuitoLongo", QString(95, QLatin1Char('h')), QString(90, QLatin1Char('h'))}),
    [](const auto &info) { return std::string(info.param.nome); });

struct CasoDestino {
    const char *nome;
    QString banco;
    QString destino; // "<raiz>" stands for the platform root
};

class DestinoDoBanco : public ::testing::TestWithParam<CasoDestino> {};

TEST_P(DestinoDoBanco, HostVaiAoServidorSemHostAoMotorEmbutido)
{
    AmbienteTeste amb;
    QString esperado = GetParam().destino;
    esperado.replace(QStringLiteral("<raiz>"), amb.raiz());
    EXPECT_EQ(s(ConexaoFirebird::destinoBanco(GetParam().banco)), s(esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, DestinoDoBanco,
    ::testing::Values(
        CasoDestino{"HostVazio", QStringLiteral(":C:\\torvenia\\dados\\torvenia.bd"), QStringLiteral("<raiz>/dados/torvenia.bd")},
        CasoDestino{"Ip", QStringLiteral("192.168.0.10:C:\\torvenia\\dados\\torvenia.bd"),
                    QStringLiteral("192.168.0.10:C:\\torvenia\\dados\\torvenia.bd")},
        CasoDestino{"HostComPorta", QStringLiteral("localhost/3051:C:\\torvenia\\dados\\torvenia.bd"),
                    QStringLiteral("localhost/3051:C:\\torvenia\\dados\\torvenia.bd")},
        CasoDestino{"CaminhoLocalDoWindows", QStringLiteral("c:\\torvenia\\interfac\\torvenia.bd"),
                    QStringLiteral("<raiz>/interfac/torvenia.bd")},
        CasoDestino{"EstacaoVazia", QStringLiteral(":C:\\torvenia\\Interfac03\\torvenia.bd"),
                    QStringLiteral("<raiz>/Interfac03/torvenia.bd")},
        CasoDestino{"CaminhoUnix", QStringLiteral("/srv/banco.fdb"), QStringLiteral("/srv/banco.fdb")}),
    [](const auto &info) { return std::string(info.param.nome); });

// ------------------------------------------------------------ the connection as the server sees it

TEST(Conexao, ConectaNoPrimeiroUsoComWin1252Dialeto3ELeituraConfirmadaComEspera)
{
    ModulosTeste m;
    ASSERT_FALSE(m.dm->sqlcon1.conectada());
    ClientDataSet &q = m.dm->SQLQuery1;
    q.CommandText = QStringLiteral(
        "select c.RDB$CHARACTER_SET_NAME as CONJUNTO, t.MON$ISOLATION_MODE as ISOLAMENTO, "
        "t.MON$LOCK_TIMEOUT as ESPERA, t.MON$READ_ONLY as SOLEITURA, CURRENT_USER as USUARIO, 1/2 as METADE, "
        "(select count(*) from MON$TRANSACTIONS x where x.MON$ATTACHMENT_ID = CURRENT_CONNECTION) as TRANSACOES "
        "from MON$ATTACHMENTS a join RDB$CHARACTER_SETS c on c.RDB$CHARACTER_SET_ID = a.MON$CHARACTER_SET_ID "
        "join MON$TRANSACTIONS t on t.MON$TRANSACTION_ID = CURRENT_TRANSACTION "
        "where a.MON$ATTACHMENT_ID = CURRENT_CONNECTION");
    m.dm->sqlcon1.executa(QStringLiteral("update DADOSGER set CGC = CGC")); // a statement before: no transaction left open
    q.Open();
    EXPECT_TRUE(m.dm->sqlcon1.conectada());
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(s(TiraEspacos(q.FieldByName(QStringLiteral("CONJUNTO")).AsString())), "WIN1252");
    EXPECT_EQ(q.FieldByName(QStringLiteral("ISOLAMENTO")).AsInteger(), 2); // read committed, record version
    EXPECT_EQ(q.FieldByName(QStringLiteral("ESPERA")).AsInteger(), -1);    // waits on locks
    // A selection reads in a read-only transaction; what writes runs in write ones (below).
    EXPECT_EQ(q.FieldByName(QStringLiteral("SOLEITURA")).AsInteger(), 1);
    EXPECT_EQ(s(TiraEspacos(q.FieldByName(QStringLiteral("USUARIO")).AsString())), "SYSDBA");
    EXPECT_EQ(s(q.FieldByName(QStringLiteral("METADE")).AsString()), "0"); // dialect 3: integer division
    EXPECT_EQ(q.FieldByName(QStringLiteral("TRANSACOES")).AsInteger(), 1);
    q.Close();

    // A direct statement: a read-committed (record version) write transaction that waits on locks.
    m.dm->sqlcon1.executa(QStringLiteral(
        "insert into LIVROSC (LOJA, CODLIVRO, NUMERO, NOMECLIENTE) select '1', '1', 1, "
        "MON$READ_ONLY || '/' || MON$ISOLATION_MODE || '/' || MON$LOCK_TIMEOUT from MON$TRANSACTIONS "
        "where MON$TRANSACTION_ID = CURRENT_TRANSACTION"));
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select NOMECLIENTE from LIVROSC"))), "0/2/-1");
}

TEST(Conexao, ComandoDiretoConfirmaSozinhoEFalhaComOTextoDoServidor)
{
    ModulosTeste m;
    const int linhas = m.dm->sqlcon1.executa(QStringLiteral(
        "insert into LIVROSC (LOJA, CODLIVRO, NUMERO, NOMECLIENTE) values ('11222333000181', '001', 1, 'Jo''ão')"));
    EXPECT_EQ(linhas, 1);
    // Another attachment sees it at once: the statement was committed on its own.
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select NOMECLIENTE from LIVROSC"))), "Jo'ão");
    try {
        m.dm->sqlcon1.executa(QStringLiteral(
            "insert into LIVROSC (LOJA, CODLIVRO, NUMERO) values ('11222333000181', '001', 1)"));
        FAIL() << "duplicate key accepted";
    } catch (const EFirebirdError &e) {
        EXPECT_TRUE(e.mensagem().contains(QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint"))) << s(e.mensagem());
    }
    EXPECT_EQ(s(m.ambiente.valor(QStringLiteral("select count(*) from LIVROSC"))), "1");
    // The connection goes on after the failure.
    EXPECT_EQ(m.dm->sqlcon1.executa(QStringLiteral("delete from LIVROSC")), 1);
}

TEST(Conexao, InterfaceReapontadaPeloLoginLeOBancoDaEstacao)
{
    ModulosTeste m;
    m.ambiente.executaEm(m.ambiente.caminho(QStringLiteral("Interfac03/torvenia.bd")),
                         QStringLiteral("insert into PERIODO (ESTACAO, NPEDIDO) values ('03', 3)"));
    ClientDataSet &p = m.dm2->Periodo;
    p.Open(); // the stored local database: interfac
    EXPECT_EQ(p.RecordCount(), 0);
    p.Close();
    m.dm2->SQLConnection1.desconecta();
    m.dm2->SQLConnection1.defineParametro(QStringLiteral("DataBase"),
                                          IpServidorCentral + QStringLiteral(":C:\\torvenia\\Interfac03\\torvenia.bd"));
    p.Open();
    ASSERT_EQ(p.RecordCount(), 1);
    EXPECT_EQ(s(p.FieldByName(QStringLiteral("ESTACAO")).AsString()), "03");
}

// ------------------------------------------------------------ connection failures

struct CasoFalha {
    const char *nome;
    QString servidor;
    bool apagaBanco;
    QString texto; // part of the client library's message
};

class FalhaDeConexao : public ::testing::TestWithParam<CasoFalha> {};

TEST_P(FalhaDeConexao, NoPrimeiroUsoComOTextoDaBiblioteca)
{
    const CasoFalha &c = GetParam();
    ModulosTeste m(c.servidor);
    if (c.apagaBanco)
        ASSERT_TRUE(QFile::remove(m.ambiente.bancoPrincipal()));
    try {
        m.dm->Usuarios.Open();
        FAIL() << "connected";
    } catch (const EFirebirdError &e) {
        EXPECT_TRUE(e.mensagem().contains(c.texto)) << s(e.mensagem());
    }
    EXPECT_FALSE(m.dm->sqlcon1.conectada());
    EXPECT_FALSE(m.dm->Usuarios.Active());
    // A direct statement fails the same way.
    EXPECT_THROW(m.dm->sqlcon1.executa(QStringLiteral("delete from LIVROSC")), EFirebirdError);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, FalhaDeConexao,
    ::testing::Values(
        CasoFalha{"BancoInexistente", QString(), true, QStringLiteral("dados/torvenia.bd")},
        CasoFalha{"ServidorInalcancavel", QStringLiteral("127.0.0.1/3049"), false,
                  QStringLiteral("Unable to complete network request to host \"127.0.0.1\"")}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(BibliotecaCliente, PastaSemABibliotecaUsaADoSistema)
{
    ModulosTeste m(QString(), false);
    escreve(m.ambiente.caminho(QStringLiteral("CaminhoGDS.txt")), "c:\\torvenia\\fbcliente\r\n");
    m.dm->DataModuleCreate();
    EXPECT_EQ(s(m.dm->sqlcon1.bibliotecaCliente()), "c:\\torvenia\\fbcliente\\GDS32.DLL");
    m.dm->Usuarios.Open();
    EXPECT_TRUE(m.dm->sqlcon1.conectada());
}

TEST(BibliotecaCliente, BibliotecaQueNaoCarregaFalhaNaConexao)
{
    ModulosTeste m(QString(), false);
    escreve(m.ambiente.caminho(QStringLiteral("CaminhoGDS.txt")), "c:\\torvenia\\fbcliente\r\n");
    escreve(m.ambiente.caminho(QStringLiteral("fbcliente/GDS32.DLL")), "not a library");
    m.dm->DataModuleCreate();
    try {
        m.dm->Usuarios.Open();
        FAIL() << "connected through a file that is no library";
    } catch (const EFirebirdError &e) {
        EXPECT_TRUE(e.mensagem().contains(QStringLiteral("GDS32.DLL"))) << s(e.mensagem());
    }
    EXPECT_FALSE(m.dm->sqlcon1.conectada());
}

TEST(BibliotecaCliente, PastaComUmaBibliotecaClienteConecta)
{
    const QString sistema = QStringLiteral("/usr/lib/x86_64-linux-gnu/libfbclient.so.2");
    if (!QFileInfo::exists(sistema))
        GTEST_SKIP() << "no client library at " << s(sistema);
    ModulosTeste m(QString(), false);
    escreve(m.ambiente.caminho(QStringLiteral("CaminhoGDS.txt")), "C:\\TORVENIA\\FbCliente\\\r\n");
    QDir().mkpath(m.ambiente.caminho(QStringLiteral("FbCliente")));
    ASSERT_TRUE(QFile::link(sistema, m.ambiente.caminho(QStringLiteral("FbCliente/GDS32.DLL"))));
    m.dm->DataModuleCreate();
    m.dm->Usuarios.Open();
    EXPECT_TRUE(m.dm->sqlcon1.conectada());
}

TEST(Conexao, RaizDaPlataformaEmPastaComAcentos)
{
    // A platform root such as /home/joão/torvenia: the database file name is
    // the platform's file name, not Windows-1252 text.
    AmbienteTeste amb;
    const QString raiz = amb.caminho(QStringLiteral("Farmácia São João"));
    QDir().mkpath(raiz + QStringLiteral("/dados"));
    ASSERT_TRUE(QFile::copy(amb.bancoPrincipal(), raiz + QStringLiteral("/dados/torvenia.bd")));
    const QByteArray anterior = qgetenv("TORVENIA_DIR");
    qputenv("TORVENIA_DIR", QFile::encodeName(raiz));
    {
        ConexaoFirebird c(QStringLiteral("acentos"));
        DefineParametrosPadrao(c);
        c.defineParametro(QStringLiteral("Database"), kPrincipal);
        EXPECT_NO_THROW(c.executa(QStringLiteral("delete from LIVROSC")));
    }
    qputenv("TORVENIA_DIR", anterior);
}
