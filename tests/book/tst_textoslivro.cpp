// The pieces of the book's texts and the date mask, under the regional settings.
#include "book/mascaradata.h"
#include "book/textoslivro.h"
#include "config/regional.h"
#include <gtest/gtest.h>

namespace {
ConfiguracoesRegionais Regional(const QString &formato, QChar separador = QLatin1Char('/'))
{
    ConfiguracoesRegionais r;
    r.formatoDataCurta = formato;
    r.separadorData = separador;
    return r;
}

class ComRegionais : public ::testing::Test {
protected:
    void SetUp() override { DefineRegionais(ConfiguracoesRegionais{}); }
    void TearDown() override { DefineRegionais(ConfiguracoesRegionais{}); }
};
}

struct CasoMascara {
    const char *formato;
    QDate hoje;
    const char *mascara;
};

class MascaraDataTeste : public ::testing::TestWithParam<CasoMascara> {
protected:
    void TearDown() override { DefineRegionais(ConfiguracoesRegionais{}); }
};

TEST_P(MascaraDataTeste, LarguraDosGruposDeHoje)
{
    DefineRegionais(Regional(QString::fromUtf8(GetParam().formato)));
    EXPECT_EQ(MascaraData(GetParam().hoje), QString::fromUtf8(GetParam().mascara));
}

INSTANTIATE_TEST_SUITE_P(
    Formatos, MascaraDataTeste,
    ::testing::Values(CasoMascara{"dd/mm/yyyy", QDate(2024, 12, 9), "!99/99/9999;1;_"},
                      CasoMascara{"dd/mm/yy", QDate(2024, 12, 9), "!99/99/99;1;_"},
                      // Without leading zeros the widths follow today's date.
                      CasoMascara{"d/m/yyyy", QDate(2024, 3, 5), "!9/9/9999;1;_"},
                      CasoMascara{"d/m/yyyy", QDate(2024, 11, 25), "!99/99/9999;1;_"},
                      // A third separator ends the third group and counts in it.
                      CasoMascara{"yyyy/mm/dd/", QDate(2024, 3, 5), "!9999/99/999;1;_"}));

TEST_F(ComRegionais, DataDosComandosMesDiaAnoComOSeparadorRegional)
{
    EXPECT_EQ(DataSql(QDate(2024, 3, 5)), QStringLiteral("03/05/24"));
    EXPECT_EQ(DataLivro(QDate(2024, 3, 5)), QStringLiteral("05/03/24"));
    EXPECT_EQ(DataLivro(QDate()), QString());
    DefineRegionais(Regional(QStringLiteral("dd-mm-yyyy"), QLatin1Char('-')));
    EXPECT_EQ(DataSql(QDate(2024, 3, 5)), QStringLiteral("03-05-24"));
}

struct CasoComponente {
    const char *nome;
    double qde;
    const char *unidade;
    const char *texto;
};

class TextoComponenteTeste : public ComRegionais, public ::testing::WithParamInterface<CasoComponente> {};

TEST_P(TextoComponenteTeste, QuantidadeEUnidade)
{
    const CasoComponente &c = GetParam();
    EXPECT_EQ(TextoComponente(QString::fromUtf8(c.nome), c.qde, QString::fromUtf8(c.unidade)),
              QString::fromUtf8(c.texto));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TextoComponenteTeste,
    ::testing::Values(CasoComponente{"Fluoxetina", 20, "mg", "Fluoxetina 20mg"},
                      CasoComponente{"Lactose", 150, "QSP", "Lactose QSP"},
                      CasoComponente{"Lactose", 150, "qsp", "Lactose qsp"},
                      CasoComponente{"Ureia", 1234.5, "g", "Ureia 1.234,5g"},
                      CasoComponente{"Minoxidil", 0.0125, "g", "Minoxidil 0,013g"},
                      CasoComponente{"Água", 1234567.25, "ml", "Água 1.234.567,25ml"},
                      CasoComponente{"Zinco", 0.0004, "mg", "Zinco 0mg"}));

TEST(TextoDatasLote, AbreComParenteseESoComAsDatasConhecidas)
{
    const QString fab = QStringLiteral("01/02/24"), val = QStringLiteral("01/02/26");
    EXPECT_EQ(TextoDatasLote(fab, val), QStringLiteral(" (Fab: 01/02/24, Val: 01/02/26)"));
    EXPECT_EQ(TextoDatasLote(QString(), val), QStringLiteral(" (Val: 01/02/26)"));
    EXPECT_EQ(TextoDatasLote(fab, QString()), QStringLiteral(" (Fab: 01/02/24)"));
    EXPECT_EQ(TextoDatasLote(QString(), QString()), QString());
}

struct CasoFinal {
    double volume;
    const char *unidade;
    const char *forma;
    int capsulas, rotulos;
    const char *texto;
};

class FinalPrescricaoTeste : public ComRegionais, public ::testing::WithParamInterface<CasoFinal> {};

TEST_P(FinalPrescricaoTeste, FormaCapsulasFrascosPosologia)
{
    const CasoFinal &c = GetParam();
    EXPECT_EQ(FinalPrescricao(c.volume, QString::fromUtf8(c.unidade), QString::fromUtf8(c.forma), c.capsulas,
                              c.rotulos, QStringLiteral("1 ao dia")),
              QString::fromUtf8(c.texto));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FinalPrescricaoTeste,
    ::testing::Values(CasoFinal{0, "", "CAPSULA", 30, 1, ". Qde Cáps:30. Posologia: 1 ao dia"},
                      // A capsule form takes the capsule ending even with a volume.
                      CasoFinal{100, "ml", "CAPSULA", 60, 1, ". Qde Cáps:60. Posologia: 1 ao dia"},
                      CasoFinal{100, "ml", "Cápsula", 60, 1, ". Qde Cáps:60. Posologia: 1 ao dia"},
                      CasoFinal{100, "ml", "CAPSULAS", 60, 1, ". Qde Tot: 100ml. Posologia: 1 ao dia"},
                      CasoFinal{120.5, "ml", "XAROPE", 0, 1, ". Qde Tot: 121ml. Posologia: 1 ao dia"},
                      CasoFinal{0, "", "CAPSULA", 0, 1, ".. Posologia: 1 ao dia"},
                      CasoFinal{0, "", "CAPSULA", 30, 2, ". Qde Cáps:30 2 frascos.. Posologia: 1 ao dia"},
                      CasoFinal{50, "g", "CREME", 0, 3, ". Qde Tot: 50g 3 frascos.. Posologia: 1 ao dia"}));

TEST(TextoConselho, EstadoDeDuasLetrasOuSoONumero)
{
    EXPECT_EQ(TextoConselho(QStringLiteral("CRM"), QStringLiteral("12345"), QStringLiteral("MG"), true),
              QStringLiteral("CRM: 12345 - MG"));
    EXPECT_EQ(TextoConselho(QStringLiteral("CRM"), QStringLiteral("12345"), QStringLiteral("M"), true),
              QStringLiteral("12345"));
    EXPECT_EQ(TextoConselho(QStringLiteral("CRM"), QStringLiteral("12345"), QString(), false), QString());
}

TEST(QuantidadeInteira, MetadesParaOParVizinho)
{
    EXPECT_EQ(QuantidadeInteira(2.5), QStringLiteral("2"));
    EXPECT_EQ(QuantidadeInteira(3.5), QStringLiteral("4"));
    EXPECT_EQ(QuantidadeInteira(2.51), QStringLiteral("3"));
    EXPECT_EQ(QuantidadeInteira(7), QStringLiteral("7"));
}
