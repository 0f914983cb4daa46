// The fixed-column settings file TORVENIA.INI.
#include "comum/interfaceteste.h"
#include "config/configuracao.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/textos.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
std::string s(const QString &q) { return q.toStdString(); }

// A line: the label of a name, column 49 and the value from column 50.
QString linha(const QString &nome, const QString &valor, QChar coluna49 = QLatin1Char(' '))
{
    return RotuloCompleto(nome) + coluna49 + valor;
}

struct Arquivo {
    QTemporaryDir dir;
    InterfaceTeste ui;
    explicit Arquivo(const QStringList &linhas)
    {
        ReiniciaGlobais();
        QFile f(dir.filePath(QStringLiteral("TORVENIA.INI")));
        f.open(QIODevice::WriteOnly);
        for (const QString &l : linhas)
            f.write(ParaWin1252(l + QStringLiteral("\r\n")));
    }
    void le() { ASSERT_TRUE(LeArquivoConfiguracao(ui, dir.path())); }
};
}

TEST(Configuracao, CentoETrintaECincoRotulosDistintosDe48Colunas)
{
    const auto &rotulos = RotulosConfiguracao();
    ASSERT_EQ(rotulos.size(), 135);
    QSet<QString> vistos;
    for (const auto &r : rotulos) {
        const QString completo = RotuloCompleto(r.nome);
        EXPECT_EQ(completo.size(), 48) << s(r.nome);
        EXPECT_TRUE(completo.endsWith(QLatin1Char(':')));
        vistos.insert(completo);
    }
    EXPECT_EQ(vistos.size(), 135);
    EXPECT_EQ(s(RotuloCompleto(QStringLiteral("IP DO SERVIDOR CENTRAL"))),
              "IP DO SERVIDOR CENTRAL.........................:");
}

TEST(Configuracao, CadaRotuloPreencheSoOSeuValor)
{
    // Every label with a distinct value: each value comes back under its own name.
    QStringList linhas;
    const auto &rotulos = RotulosConfiguracao();
    for (int i = 0; i < rotulos.size(); ++i)
        linhas << linha(rotulos[i].nome, rotulos[i].tipo == TipoConfiguracao::Inteiro ? QString::number(i)
                                                                                     : QStringLiteral("V%1").arg(i));
    Arquivo a(linhas);
    a.le();
    for (int i = 0; i < rotulos.size(); ++i) {
        const QString esperado = rotulos[i].tipo == TipoConfiguracao::Inteiro ? QString::number(i)
                                                                             : Corta(QStringLiteral("V%1").arg(i), rotulos[i].largura);
        EXPECT_EQ(s(ValorConfiguracao(rotulos[i].nome)), s(esperado)) << s(rotulos[i].nome);
    }
    EXPECT_EQ(CorFundo, 5);
    EXPECT_EQ(s(ConteudoLivro), s(ValorConfiguracao(QStringLiteral("CONTEUDO DO LIVRO DE RECEITUARIO MEDICO"))));
    EXPECT_EQ(s(LaboratorioPadrao), s(ValorConfiguracao(QStringLiteral("LABORATORIO PADRAO"))));
    EXPECT_EQ(s(SoEnderecoCompleto), s(ValorConfiguracao(QStringLiteral("SO INCLUIR NO LIVRO CLIENTES COM ENDER COMPLETO"))));
    EXPECT_EQ(s(DataValidadeOuFabricacao), s(ValorConfiguracao(QStringLiteral("INCLUIR NO LIVRO A DATA VALIDADE OU FABRICACAO"))));
    EXPECT_EQ(s(OrdenarPorCodLivro), s(ValorConfiguracao(QStringLiteral("ORDENAR LIVRO RECEIT. PELO COD. LIVRO"))));
    EXPECT_EQ(s(ProgramaFarmaciaDeMinas), "V");
    EXPECT_EQ(s(IpServidorCentral), "V0");
}

struct CasoLinhas {
    const char *nome;
    QStringList linhas;
    const char *programa;     // ProgramaFarmaciaDeMinas
    const char *servidor;     // IpServidorCentral
    const char *estacao;      // IP DA ESTACAO DO USUARIO
};

class LeituraTeste : public ::testing::TestWithParam<CasoLinhas> {};

TEST_P(LeituraTeste, Valores)
{
    Arquivo a(GetParam().linhas);
    a.le();
    EXPECT_EQ(s(ProgramaFarmaciaDeMinas), GetParam().programa);
    EXPECT_EQ(s(IpServidorCentral), GetParam().servidor);
    EXPECT_EQ(s(ValorConfiguracao(QStringLiteral("IP DA ESTACAO DO USUARIO"))), GetParam().estacao);
}

const QString kProg = QStringLiteral("PROGRAMA FARMACIA DE MINAS?");
const QString kIp = QStringLiteral("IP DO SERVIDOR CENTRAL");
const QString kEst = QStringLiteral("IP DA ESTACAO DO USUARIO");

INSTANTIATE_TEST_SUITE_P(
    Tabela, LeituraTeste,
    ::testing::Values(
        CasoLinhas{"sem_linha", {linha(kIp, QStringLiteral("srv"))}, "N", "srv", ""},
        CasoLinhas{"sim_cortado", {linha(kProg, QStringLiteral("SIM"))}, "S", "", ""},
        CasoLinhas{"brancos_e_s", {linha(kProg, QStringLiteral("  s"))}, "s", "", ""},
        CasoLinhas{"s_seguido_de_linhas", {linha(kProg, QStringLiteral("S")), linha(kIp, QStringLiteral("x")), QStringLiteral("lixo")}, "S", "x", ""},
        CasoLinhas{"rotulo_minusculo", {linha(kProg, QStringLiteral("S")).toLower()}, "N", "", ""},
        CasoLinhas{"um_ponto_a_menos", {QStringLiteral("IP DO SERVIDOR CENTRAL........................: srv")}, "N", "", ""},
        CasoLinhas{"coluna_49_nao_lida", {linha(kIp, QStringLiteral("92.168.0.1"), QLatin1Char('1'))}, "N", "92.168.0.1", ""},
        CasoLinhas{"setenta_caracteres", {linha(kIp, QString(60, QLatin1Char('a')) + QString(10, QLatin1Char('b')))}, "N", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", ""},
        CasoLinhas{"largura_40", {linha(kEst, QString(45, QLatin1Char('e')))}, "N", "", "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee"},
        CasoLinhas{"brancos_a_volta", {linha(kIp, QStringLiteral("  srv   "))}, "N", "srv", ""},
        CasoLinhas{"brancos_contam_nas_60", {linha(kIp, QString(10, QLatin1Char(' ')) + QString(55, QLatin1Char('c')))}, "N", "cccccccccccccccccccccccccccccccccccccccccccccccccc", ""},
        CasoLinhas{"mesmo_rotulo_duas_vezes", {linha(kIp, QStringLiteral("a")), linha(kIp, QStringLiteral("b"))}, "N", "b", ""},
        CasoLinhas{"valor_vazio", {linha(kIp, QStringLiteral("a")), RotuloCompleto(kIp)}, "N", "", ""},
        CasoLinhas{"linha_curta", {RotuloCompleto(kIp).left(40)}, "N", "", ""}),
    [](const auto &info) { return std::string(info.param.nome); });

struct CasoCor {
    const char *valor;
    bool valido;
    int cor;
};

class CorTeste : public ::testing::TestWithParam<CasoCor> {};

TEST_P(CorTeste, CorDeFundoEParadaDaLeitura)
{
    const QString cor = QStringLiteral("COR DE FUNDO DAS TELAS");
    Arquivo a({linha(kIp, QStringLiteral("antes")), linha(cor, QString::fromLatin1(GetParam().valor)),
               linha(kProg, QStringLiteral("S"))});
    if (GetParam().valido) {
        a.le();
        EXPECT_EQ(CorFundo, GetParam().cor);
        EXPECT_EQ(s(ProgramaFarmaciaDeMinas), "S");
    } else {
        try {
            LeArquivoConfiguracao(a.ui, a.dir.path());
            ADD_FAILURE() << "no error for " << GetParam().valor;
        } catch (const EConvertError &e) {
            EXPECT_EQ(s(e.mensagem()),
                      s(QStringLiteral("'%1' is not a valid integer value").arg(TiraEspacos(QString::fromLatin1(GetParam().valor)))));
        }
        // Reading stopped at that line.
        EXPECT_EQ(CorFundo, 0);
        EXPECT_EQ(s(IpServidorCentral), "antes");
        EXPECT_EQ(s(ProgramaFarmaciaDeMinas), "N");
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, CorTeste,
                         ::testing::Values(CasoCor{"$00FF0000", true, 0x00FF0000}, CasoCor{"16711680", true, 0x00FF0000},
                                           CasoCor{"-16777201", true, -16777201}, CasoCor{"  255  ", true, 255},
                                           CasoCor{"azul", false, 0}, CasoCor{"", false, 0}));

TEST(Configuracao, ArquivoAusenteMostraAMensagemENaoLe)
{
    ReiniciaGlobais();
    QTemporaryDir dir;
    InterfaceTeste ui;
    EXPECT_FALSE(LeArquivoConfiguracao(ui, dir.path()));
    ASSERT_EQ(ui.mensagens.size(), 1);
    EXPECT_EQ(s(ui.mensagens[0].texto),
              s(QStringLiteral("Arquivo TORVENIA.INI não encontrado. Execute o programa Crisolar.exe para criá-lo.")));
    EXPECT_TRUE(DiretorioPrograma.endsWith(QLatin1Char('/')) || DiretorioPrograma.endsWith(QLatin1Char('\\')));
}

TEST(Configuracao, ArquivoIlegivelLevantaErroDeEntradaESaida)
{
    ReiniciaGlobais();
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("TORVENIA.INI"))); // a folder by that name cannot be read as a file
    InterfaceTeste ui;
    EXPECT_THROW(LeArquivoConfiguracao(ui, dir.path()), EInOutError);
}

TEST(Configuracao, TextoWindows1252)
{
    Arquivo a({linha(QStringLiteral("LABORATORIO PADRAO"), QStringLiteral("Laboratório São João"))});
    a.le();
    EXPECT_EQ(s(LaboratorioPadrao), s(QStringLiteral("Laboratório São João")));
}
