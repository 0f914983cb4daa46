#include "config/senha.h"
#include <gtest/gtest.h>

struct CasoSenha {
    QString texto;
    QString codigo;
};

class CodificaSenhaTeste : public ::testing::TestWithParam<CasoSenha> {};

TEST_P(CodificaSenhaTeste, Codigo)
{
    EXPECT_EQ(CodificaSenha(GetParam().texto).toStdString(), GetParam().codigo.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Tabela, CodificaSenhaTeste,
                         ::testing::Values(CasoSenha{QStringLiteral("abc"), QStringLiteral("BLBDAL")},
                                           CasoSenha{QStringLiteral("ABC"), QStringLiteral("BKBCAK")},
                                           CasoSenha{QString(), QString()},
                                           CasoSenha{QString(32, QLatin1Char('x')), QString()},
                                           // 33 characters: the code of the first one alone.
                                           CasoSenha{QStringLiteral("A") + QString(32, QLatin1Char('z')),
                                                     QStringLiteral("AK")}));

TEST(CodificaSenha, TextoDeUmCaracterIgualAoPrimeiroDeTrintaETres)
{
    EXPECT_EQ(CodificaSenha(QStringLiteral("q") + QString(32, QLatin1Char('w'))), CodificaSenha(QStringLiteral("q")));
    // Two letters a character, "A".."P" only.
    const QString c = CodificaSenha(QStringLiteral("JOÃO da Silva"));
    EXPECT_EQ(c.size(), 26);
    for (QChar ch : c)
        EXPECT_TRUE(ch >= QLatin1Char('A') && ch <= QLatin1Char('P'));
}
