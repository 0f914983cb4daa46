// Text, number, date and path helpers shared by the whole system.
#include "config/caminhos.h"
#include "config/erros.h"
#include "config/regional.h"
#include "config/textos.h"
#include <gtest/gtest.h>

namespace {
std::string s(const QString &q) { return q.toStdString(); }
}

struct CasoInteiro {
    const char *texto;
    bool valido;
    int valor;
};

class StrToIntTeste : public ::testing::TestWithParam<CasoInteiro> {};

TEST_P(StrToIntTeste, Converte)
{
    const CasoInteiro &c = GetParam();
    const QString t = QString::fromUtf8(c.texto);
    if (c.valido) {
        EXPECT_EQ(StrToInt(t), c.valor) << c.texto;
    } else {
        try {
            StrToInt(t);
            ADD_FAILURE() << "accepted " << c.texto;
        } catch (const EConvertError &e) {
            EXPECT_EQ(s(e.mensagem()), s(QStringLiteral("'%1' is not a valid integer value").arg(t)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, StrToIntTeste,
    ::testing::Values(CasoInteiro{"16711680", true, 16711680}, CasoInteiro{"$00FF0000", true, 16711680},
                      CasoInteiro{"-16777201", true, -16777201}, CasoInteiro{"  42", true, 42},
                      CasoInteiro{"+7", true, 7}, CasoInteiro{"x1F", true, 31}, CasoInteiro{"X1f", true, 31},
                      CasoInteiro{"0x10", true, 16}, CasoInteiro{"0X10", true, 16}, CasoInteiro{"-$10", true, -16},
                      CasoInteiro{"2147483647", true, 2147483647}, CasoInteiro{"-2147483648", true, -2147483647 - 1},
                      CasoInteiro{"2147483648", false, 0}, CasoInteiro{"$FF00000F", false, 0},
                      CasoInteiro{"", false, 0}, CasoInteiro{"   ", false, 0}, CasoInteiro{"12 ", false, 0},
                      CasoInteiro{"azul", false, 0}, CasoInteiro{"$", false, 0}, CasoInteiro{"1.5", false, 0},
                      CasoInteiro{"0x", false, 0}, CasoInteiro{"+-1", false, 0}));

TEST(Textos, MaiusculasSoDeAaZ)
{
    EXPECT_EQ(s(MaiusculasAZ(QStringLiteral("joão d'ávila ç"))), s(QStringLiteral("JOãO D'áVILA ç")));
}

TEST(Textos, TiraEspacosSoORetiraBrancos)
{
    EXPECT_EQ(s(TiraEspacos(QStringLiteral("  a b  "))), "a b");
    EXPECT_EQ(s(TiraEspacos(QStringLiteral("\ta\t"))), "\ta\t");
    EXPECT_EQ(s(TiraEspacos(QStringLiteral("    "))), "");
}

TEST(Textos, Windows1252IdaEVolta)
{
    const QString texto = QStringLiteral("Fórmula ÇÃO € – “aspas” ™");
    const QByteArray bytes = ParaWin1252(texto);
    EXPECT_EQ(bytes.size(), texto.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xF3); // ó
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(texto.indexOf(QChar(0x20AC)))), 0x80);
    EXPECT_EQ(s(DeWin1252(bytes)), s(texto));
    EXPECT_EQ(ParaWin1252(QStringLiteral("日")), QByteArray("?"));
}

TEST(Textos, CortaEEscapa)
{
    EXPECT_EQ(s(Corta(QStringLiteral("abcdef"), 3)), "abc");
    EXPECT_EQ(s(Corta(QStringLiteral("ab"), 3)), "ab");
    EXPECT_EQ(s(EscapaSql(QStringLiteral("D'Ávila ''x"))), s(QStringLiteral("D''Ávila ''''x")));
}

TEST(Caminhos, MapeiaSobARaiz)
{
    qputenv("TORVENIA_DIR", "/tmp/raiz-teste/");
    EXPECT_EQ(s(CaminhoLocal(QStringLiteral("c:\\torvenia\\SaltaLiv.db"))), "/tmp/raiz-teste/SaltaLiv.db");
    EXPECT_EQ(s(CaminhoLocal(QStringLiteral("C:\\TORVENIA\\rpt\\rptTombario.rav"))), "/tmp/raiz-teste/rpt/rptTombario.rav");
    EXPECT_EQ(s(CaminhoLocal(QStringLiteral("C:\\Torvenia\\Interfac03\\torvenia.bd"))),
              "/tmp/raiz-teste/Interfac03/torvenia.bd");
    EXPECT_EQ(s(CaminhoLocal(QStringLiteral("c:\\torvenia"))), "/tmp/raiz-teste");
    // Another folder keeps its name (only the separators change).
    EXPECT_EQ(s(CaminhoLocal(QStringLiteral("c:\\torveniaX\\a.txt"))), "c:/torveniaX/a.txt");
    qunsetenv("TORVENIA_DIR");
    EXPECT_EQ(s(CaminhoLocal(QStringLiteral("c:\\torvenia\\x"))), "/var/lib/torvenia/x");
}

struct CasoNumero {
    double valor;
    const char *formato;
    const char *esperado;
};

class FormataNumeroTeste : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(FormataNumeroTeste, ComoOSistemaEscreve)
{
    DefineRegionais(ConfiguracoesRegionais{});
    EXPECT_EQ(s(FormataNumero(GetParam().valor, QString::fromLatin1(GetParam().formato))), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabela, FormataNumeroTeste,
                         ::testing::Values(CasoNumero{1234.5, "##,###,##0.###", "1.234,5"},
                                           CasoNumero{20, "##,###,##0.###", "20"},
                                           CasoNumero{0.0005, "##,###,##0.###", "0,001"},
                                           CasoNumero{0.25, "##,###,##0.###", "0,25"},
                                           CasoNumero{1234567.125, "##,###,##0.###", "1.234.567,125"},
                                           CasoNumero{0, "##,###,##0.###", "0"},
                                           CasoNumero{150.6, "#####0", "151"},
                                           CasoNumero{42, "###0", "42"},
                                           CasoNumero{-3.5, "0", "-4"}));

TEST(Regional, DatasComSeparadorRegional)
{
    ConfiguracoesRegionais r;
    r.separadorData = QLatin1Char('-');
    r.formatoDataCurta = QStringLiteral("dd/mm/yyyy");
    DefineRegionais(r);
    EXPECT_EQ(s(FormataData(QDate(2024, 3, 5), QStringLiteral("mm/dd/yy"))), "03-05-24");
    EXPECT_EQ(s(FormataData(QDate(2024, 3, 5), QStringLiteral("dd/mm/yy"))), "05-03-24");
    EXPECT_EQ(StrToDate(QStringLiteral("05-03-2024")), QDate(2024, 3, 5));
    DefineRegionais(ConfiguracoesRegionais{});
    EXPECT_EQ(s(FormataHora(QTime(9, 7, 3), QStringLiteral("hh:nn:ss"))), "09:07:03");
    EXPECT_EQ(StrToDate(QStringLiteral("5/3/24")), QDate(2024, 3, 5));
    EXPECT_EQ(StrToDate(QStringLiteral("31/12/99 10:00")), QDate(1999, 12, 31));
    QDate d;
    EXPECT_FALSE(TentaStrToDate(QStringLiteral("31/02/2024"), d));
    EXPECT_FALSE(TentaStrToDate(QStringLiteral("__/__/____"), d));
    EXPECT_FALSE(TentaStrToDate(QString(), d));
    EXPECT_THROW(StrToDate(QStringLiteral("32/01/2024")), EConvertError);
}
