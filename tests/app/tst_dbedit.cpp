// The binding of edit fields to a dataset column, over a real DADOSGER row.
#include "app/dbedit.h"
#include "comum/ambiente.h"
#include "config/erros.h"
#include "config/regional.h"
#include "data/clientdataset.h"
#include "data/udm.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
struct CasoMascara {
    QString sistema;
    QString qt;
};

class Mascara : public ::testing::TestWithParam<CasoMascara> {};

TEST_P(Mascara, ParaQt)
{
    DefineRegionais(ConfiguracoesRegionais{});
    EXPECT_EQ(DBEdit::MascaraQt(GetParam().sistema), GetParam().qt);
}

INSTANTIATE_TEST_SUITE_P(Tabela, Mascara,
                         ::testing::Values(CasoMascara{QString(), QString()},
                                           CasoMascara{QStringLiteral("!99/99/9999;1;_"), QStringLiteral("00\\/00\\/0000;_")},
                                           CasoMascara{QStringLiteral("!9/9/99;1;_"), QStringLiteral("0\\/0\\/00;_")},
                                           CasoMascara{QStringLiteral("00:00;1; "), QStringLiteral("99\\:99; ")}));

class Vinculo : public ::testing::Test {
protected:
    Vinculo()
    {
        a.executa(QStringLiteral("INSERT INTO DADOSGER (CGC, FIRMA, QDEFOLHAS) VALUES ('1', 'Firma', 50)"));
        DefineParametrosPadrao(con);
        con.defineParametro(QStringLiteral("RoleName"), QString());
        con.defineParametro(QStringLiteral("Database"), a.bancoPrincipal());
        ds.Open();
        firma.vincula(&ds, QStringLiteral("FIRMA"));
        folhas.vincula(&ds, QStringLiteral("QDEFOLHAS"));
    }
    static void digita(DBEdit &e, const QString &texto)
    {
        e.selectAll();
        QTest::keyClicks(&e, texto);
    }

    AmbienteTeste a;
    ConexaoFirebird con{QStringLiteral("teste")};
    ClientDataSet ds{QStringLiteral("DadosGer"), con, Tabela(QStringLiteral("DADOSGER")).campos,
                     {QStringLiteral("DADOSGER"), {}, false, false}, {},
                     QStringLiteral("select * from DADOSGER")};
    DBEdit firma, folhas;
};

TEST_F(Vinculo, TextoSegueCadaTeclaNumeroEsperaAtualizacao)
{
    EXPECT_EQ(firma.text(), QStringLiteral("Firma"));
    EXPECT_EQ(folhas.text(), QStringLiteral("50"));
    digita(firma, QStringLiteral("Nova"));
    EXPECT_EQ(ds.State(), EstadoDataSet::Edicao);
    EXPECT_EQ(ds.FieldByName(QStringLiteral("FIRMA")).AsString(), QStringLiteral("Nova"));
    EXPECT_FALSE(firma.modificado());

    digita(folhas, QStringLiteral("7"));
    EXPECT_TRUE(folhas.modificado());
    EXPECT_EQ(ds.FieldByName(QStringLiteral("QDEFOLHAS")).AsInteger(), 50);
    // Another column changing keeps the pending text.
    digita(firma, QStringLiteral("Outra"));
    EXPECT_EQ(folhas.text(), QStringLiteral("7"));
    DBEdit::atualizaRegistros(&firma); // no children: nothing
    folhas.atualizaRegistro();
    EXPECT_EQ(ds.FieldByName(QStringLiteral("QDEFOLHAS")).AsInteger(), 7);
    ds.Post();
    ASSERT_EQ(ds.ApplyUpdates(-1), 0);
    EXPECT_EQ(a.linhas(QStringLiteral("select FIRMA, QDEFOLHAS from DADOSGER")), QStringList{QStringLiteral("Outra|7")});
}

TEST_F(Vinculo, TextoQueNaoConverteFicaPendente)
{
    digita(folhas, QStringLiteral("1a"));
    try {
        folhas.atualizaRegistro();
        ADD_FAILURE() << "no error";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("'1a' is not a valid integer value"));
    }
    EXPECT_TRUE(folhas.modificado());
    EXPECT_EQ(folhas.text(), QStringLiteral("1a"));
    // Closing the dataset drops it.
    ds.Close();
    EXPECT_EQ(folhas.text(), QString());
    EXPECT_FALSE(folhas.modificado());
}

TEST_F(Vinculo, TextoPostoPeloProgramaVaiParaAColuna)
{
    folhas.setText(QStringLiteral("12"));
    EXPECT_TRUE(folhas.modificado());
    folhas.atualizaRegistro();
    EXPECT_EQ(ds.FieldByName(QStringLiteral("QDEFOLHAS")).AsInteger(), 12);
    folhas.defineTexto(QStringLiteral("13"));
    EXPECT_EQ(ds.FieldByName(QStringLiteral("QDEFOLHAS")).AsInteger(), 13);
    EXPECT_FALSE(folhas.modificado());
}
}
