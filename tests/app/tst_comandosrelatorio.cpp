// The report commands of the menu over the shipped report project: the book
// as last assembled in both orders and in the state programme, the opening and
// closing terms, and the printer set-up.
#include "app/dbedit.h"
#include "app/janelateste.h"
#include "config/caminhos.h"
#include "config/textos.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
const QString kLoja = QStringLiteral("11222333000181");
const QString kOutraLoja = QStringLiteral("99888777000166");

class ComandosRelatorio : public ::testing::Test {
protected:
    explicit ComandosRelatorio(const QString &ordenar = QStringLiteral("N"), const QString &farmaciaDeMinas = QStringLiteral("N"))
        : t({{QStringLiteral("IP DO SERVIDOR CENTRAL"), QString()},
             {QStringLiteral("ORDENAR LIVRO RECEIT. PELO COD. LIVRO"), ordenar},
             {QStringLiteral("PROGRAMA FARMACIA DE MINAS?"), farmaciaDeMinas}},
            true),
          j(*t.janela)
    {
        t.ambiente.instalaProjetoRelatorios();
        t.mostra();
        CnpjLoja = kLoja;
    }

    void loja(const QString &cgc, const QString &firma, const QString &farmacia, int folhas = 200)
    {
        t.ambiente.executa(QStringLiteral("INSERT INTO DADOSGER (CGC, CODIGOLIVRO, NUMEROINICIAL, QDEFOLHAS, REGISTRO, FIRMA, "
                                          "FARMACIA, FARMACEUTICO, ENDERECO, NUMERO, CIDADE, ESTADO, INSCRICAOEST, ESTADOEXT, "
                                          "NUMEROJUNTA, DIADESPACHO, MESDESPACHO, ANODESPACHO) VALUES ('%1', '007', 1, %4, "
                                          "'de Receituário Médico Geral', '%2', '%3', 'Dra. Inês Conceição', 'Rua São João', "
                                          "'1234', 'Belo Horizonte', 'MG', '062.123.456.0078', 'de Minas Gerais', "
                                          "'31200012345', 12, 'março', 2019)")
                               .arg(cgc, EscapaSql(firma), EscapaSql(farmacia))
                               .arg(folhas));
    }

    void linha(const QString &codLivro, int numero, const QString &cliente, const QString &loja = kLoja,
               const QString &prescricao = QStringLiteral("Fluoxetina 20mg, Lactose QSP. Qde Cáps:30."))
    {
        t.ambiente.executa(QStringLiteral("INSERT INTO LIVROSC (LOJA, CODLIVRO, NUMERO, DATA, NOMECLIENTE, ENDERECO, "
                                          "COMPLEMENTO, PRESCRICOES, MEDICO, CRM, NPEDIDO, CONFERIDO, CONTROLADO) VALUES "
                                          "('%1', '%2', %3, '2025-03-07', '%4', 'Av. Afonso Pena 10', '(31) 3333-4444', "
                                          "'%5', 'Dr. Antônio Sá', 'CRM-MG 12345', '01.123-1', 'S', 'S')")
                               .arg(loja, codLivro)
                               .arg(numero)
                               .arg(EscapaSql(cliente), EscapaSql(prescricao)));
    }

    // The last report's text, or empty when none came.
    QString ultimo(int esperados = 1) const
    {
        EXPECT_EQ(t.ui.relatorios.size(), esperados);
        return t.ui.relatorios.isEmpty() ? QString() : t.ui.relatorios.last().texto;
    }

    // Positions of texts in a report, to compare their order.
    static QList<int> posicoes(const QString &texto, const QStringList &partes)
    {
        QList<int> p;
        for (const QString &s : partes)
            p << texto.indexOf(s);
        return p;
    }

    JanelaTeste t;
    TFormLivros &j;
};

struct CasoOrdem {
    const char *nome;
    const char *ordenar;
    const char *farmaciaDeMinas;
    const char *titulo;
    QStringList ordem; // patients in the order printed
};

class OrdemDoLivro : public ::testing::WithParamInterface<CasoOrdem>, public ComandosRelatorio {
public:
    OrdemDoLivro() : ComandosRelatorio(QString::fromUtf8(GetParam().ordenar), QString::fromUtf8(GetParam().farmaciaDeMinas)) {}
};

// Lines (book, number): CARLA (002, 1), BEATRIZ (001, 5), ANA (001, 3).
TEST_P(OrdemDoLivro, MostrarNaTelaLeAsLinhasDaLojaNaOrdemDoFinal)
{
    loja(kLoja, QStringLiteral("Firma Açaí Ltda"), QStringLiteral("Farmácia Ipê"));
    linha(QStringLiteral("002"), 1, QStringLiteral("CARLA"));
    linha(QStringLiteral("001"), 5, QStringLiteral("BEATRIZ"));
    linha(QStringLiteral("001"), 3, QStringLiteral("ANA"));
    linha(QStringLiteral("001"), 4, QStringLiteral("OUTRA LOJA"), kOutraLoja);
    j.MostrarnaTela1->trigger();
    const QString texto = ultimo();
    EXPECT_TRUE(texto.contains(QString::fromUtf8(GetParam().titulo))) << texto.toStdString();
    EXPECT_FALSE(texto.contains(QStringLiteral("OUTRA LOJA")));
    const QList<int> p = posicoes(texto, GetParam().ordem);
    for (int i = 0; i < p.size(); ++i) {
        EXPECT_GE(p[i], 0) << GetParam().ordem[i].toStdString();
        if (i > 0)
            EXPECT_LT(p[i - 1], p[i]) << GetParam().ordem[i].toStdString();
    }
    EXPECT_TRUE(t.ui.mensagens.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Finais, OrdemDoLivro,
    ::testing::Values(
        CasoOrdem{"porNumero", "N", "N", "LIVRO DE REGISTRO DE RECEITUÁRIO MÉDICO GERAL",
                  {QStringLiteral("CARLA"), QStringLiteral("ANA"), QStringLiteral("BEATRIZ")}},
        CasoOrdem{"porCodigoLivro", "S", "N", "LIVRO DE REGISTRO DE RECEITUÁRIO MÉDICO GERAL",
                  {QStringLiteral("ANA"), QStringLiteral("BEATRIZ"), QStringLiteral("CARLA")}},
        // The state programme always orders by book code.
        CasoOrdem{"farmaciaDeMinas", "N", "S", "PROGRAMA FARMÁCIA DE MINAS",
                  {QStringLiteral("ANA"), QStringLiteral("BEATRIZ"), QStringLiteral("CARLA")}}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST_F(ComandosRelatorio, LinhaDoLivroTrazTodasAsColunasEAcentos)
{
    loja(kLoja, QStringLiteral("Firma Açaí Ltda"), QStringLiteral("Farmácia Ipê"));
    linha(QStringLiteral("007"), 12, QStringLiteral("JOSÉ D'ÁVILA"));
    j.MostrarnaTela1->trigger();
    const QString texto = ultimo();
    for (const char *parte : {"Farmácia Ipê", "Firma Açaí Ltda", "JOSÉ D'ÁVILA", "07/03/2025", "Av. Afonso Pena 10",
                              "(31) 3333-4444", "Fluoxetina 20mg", "Dr. Antônio Sá", "CRM-MG 12345", "01.123-1",
                              "Livro 007", "Folha 0001"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(parte))) << parte << "\n" << texto.toStdString();
}

TEST_F(ComandosRelatorio, PrescricaoDe1500CaracteresSaiInteira)
{
    QString prescricao;
    for (int i = 1; prescricao.size() < 1500; ++i)
        prescricao += QStringLiteral("Componente%1 ").arg(i, 3, 10, QLatin1Char('0'));
    prescricao = prescricao.left(1500);
    const QString ultimaPalavra = prescricao.split(QLatin1Char(' '), Qt::SkipEmptyParts).last();
    linha(QStringLiteral("007"), 1, QStringLiteral("ANA"), kLoja, prescricao);
    j.MostrarnaTela1->trigger();
    const QString texto = ultimo();
    int anterior = -1;
    for (const QString &palavra : prescricao.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int pos = texto.indexOf(palavra, anterior + 1);
        EXPECT_GT(pos, anterior) << palavra.toStdString();
        anterior = std::max(anterior, pos);
    }
    EXPECT_TRUE(texto.contains(ultimaPalavra));
}

TEST_F(ComandosRelatorio, LivroLongoNumeraCadaFolha)
{
    for (int i = 1; i <= 90; ++i)
        linha(QStringLiteral("007"), i, QStringLiteral("PACIENTE%1").arg(i, 3, 10, QLatin1Char('0')));
    j.MostrarnaTela1->trigger();
    const QString texto = ultimo();
    const int paginas = t.ui.relatorios.last().paginas;
    ASSERT_GE(paginas, 3);
    for (int p = 1; p <= paginas; ++p)
        EXPECT_TRUE(texto.contains(QStringLiteral("Folha %1").arg(p, 4, 10, QLatin1Char('0')))) << p;
    EXPECT_TRUE(texto.contains(QStringLiteral("PACIENTE090")));
}

TEST_F(ComandosRelatorio, LivroVazioAvisaNaPagina)
{
    j.MostrarnaTela1->trigger();
    EXPECT_TRUE(ultimo().contains(QStringLiteral("Nenhuma linha no livro desta loja.")));
}

TEST_F(ComandosRelatorio, MostrarNaTelaLeLivroscDeNovoSemRemontar)
{
    linha(QStringLiteral("007"), 1, QStringLiteral("ANA"));
    linha(QStringLiteral("007"), 1, QStringLiteral("OUTRA LOJA"), kOutraLoja);
    j.MostrarnaTela1->trigger();
    EXPECT_FALSE(ultimo().contains(QStringLiteral("BRUNO")));
    linha(QStringLiteral("007"), 2, QStringLiteral("BRUNO"));
    j.MostrarnaTela1->trigger();
    const QString texto = ultimo(2);
    EXPECT_TRUE(texto.contains(QStringLiteral("ANA")));
    EXPECT_TRUE(texto.contains(QStringLiteral("BRUNO")));
    // Nothing was rebuilt: every store's lines are still there.
    EXPECT_EQ(t.ambiente.valor(QStringLiteral("select count(*) from LIVROSC")), QStringLiteral("3"));
}

struct CasoTermo {
    const char *nome;
    QAction *TFormLivros::*acao;
    const char *titulo;
    const char *verbo;
};

class Termos : public ComandosRelatorio, public ::testing::WithParamInterface<CasoTermo> {
protected:
    void executa() { (j.*(GetParam().acao))->trigger(); }
};

TEST_P(Termos, PreenchidoComALinhaDaLoja)
{
    loja(kLoja, QStringLiteral("Firma Açaí Ltda"), QStringLiteral("Farmácia Ipê"), 150);
    j.Configurao2->trigger(); // selects the store's row
    QTest::mouseClick(j.BitBtn36, Qt::LeftButton);
    executa();
    const QString texto = ultimo();
    EXPECT_EQ(t.ui.relatorios.last().paginas, 1);
    const QString termo = QStringLiteral("Este livro que contém 150 páginas numeradas e %1 para Registro de Receituário Médico Geral")
                              .arg(QString::fromUtf8(GetParam().verbo));
    EXPECT_TRUE(texto.simplified().contains(termo)) << texto.toStdString();
    for (const char *parte : {GetParam().titulo, "Firma Açaí Ltda", "Farmácia Ipê", "Dra. Inês Conceição", "Rua São João",
                              "1234", "Belo Horizonte", "MG", "062.123.456.0078", "31200012345", "12 de março de 2019",
                              "Farmacêutico Responsável", "Autoridade Sanitária"})
        EXPECT_TRUE(texto.simplified().contains(QString::fromUtf8(parte))) << parte;
    EXPECT_FALSE(t.dm->DadosGer.Active()); // opened for the report, closed after
}

// The configuration panel open with a change not yet saved: the term saves
// it, closes the general data and shows the saved value.
TEST_P(Termos, SalvaAEdicaoDoPainelDeConfiguracaoAntes)
{
    loja(kLoja, QStringLiteral("Firma Antiga"), QStringLiteral("Farmácia Ipê"));
    j.Configurao2->trigger();
    ASSERT_EQ(t.dm->DadosGer.State(), EstadoDataSet::Edicao);
    t.dm->DadosGer.FieldByName(QStringLiteral("FIRMA")).setAsString(QStringLiteral("Firma Nova São José"));
    executa();
    EXPECT_TRUE(ultimo().contains(QStringLiteral("Firma Nova São José")));
    EXPECT_EQ(t.ambiente.valor(QStringLiteral("select FIRMA from DADOSGER where CGC = '%1'").arg(kLoja)),
              QStringLiteral("Firma Nova São José"));
    EXPECT_FALSE(t.dm->DadosGer.Active());
}

INSTANTIATE_TEST_SUITE_P(Comandos, Termos,
                         ::testing::Values(CasoTermo{"abertura", &TFormLivros::ermoAbertura1, "TERMO DE ABERTURA", "servirá"},
                                           CasoTermo{"encerramento", &TFormLivros::ermoEncerramento1,
                                                     "TERMO DE ENCERRAMENTO", "serviu"}),
                         [](const auto &info) { return std::string(info.param.nome); });

TEST_F(ComandosRelatorio, EncerramentoAntesDeQualquerSelecaoLeTodasAsLinhas)
{
    loja(kLoja, QStringLiteral("Firma Um"), QStringLiteral("Farmácia Um"));
    loja(kOutraLoja, QStringLiteral("Firma Dois"), QStringLiteral("Farmácia Dois"));
    j.ermoEncerramento1->trigger();
    const QString texto = ultimo();
    EXPECT_EQ(t.ui.relatorios.last().paginas, 2);
    EXPECT_TRUE(texto.contains(QStringLiteral("Firma Um")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Firma Dois")));
    // The opening term selects the store's row; the closing term keeps that selection.
    j.ermoAbertura1->trigger();
    j.ermoEncerramento1->trigger();
    EXPECT_EQ(t.ui.relatorios.last().paginas, 1);
    EXPECT_FALSE(ultimo(3).contains(QStringLiteral("Firma Dois")));
}

TEST_F(ComandosRelatorio, AberturaSemLinhaDaLojaDizQueFaltamOsDados)
{
    loja(kOutraLoja, QStringLiteral("Firma Dois"), QStringLiteral("Farmácia Dois"));
    j.ermoAbertura1->trigger();
    const QString texto = ultimo();
    EXPECT_TRUE(texto.contains(QStringLiteral("ainda não foram informados")));
    EXPECT_FALSE(texto.contains(QStringLiteral("Firma Dois")));
}

TEST_F(ComandosRelatorio, ProjetoAusenteVaiAoRelatorioGeralDeErrosSemPrevia)
{
    QFile::remove(t.ambiente.caminho(QStringLiteral("rpt/rptTombario.rav")));
    for (QAction *a : {j.MostrarnaTela1, j.ermoAbertura1, j.ermoEncerramento1})
        a->trigger();
    EXPECT_TRUE(t.ui.relatorios.isEmpty());
    const QStringList erros = t.ui.textos(QStringLiteral("erro"));
    ASSERT_EQ(erros.size(), 3);
    for (const QString &e : erros)
        EXPECT_TRUE(e.contains(QDir::toNativeSeparators(t.ambiente.caminho(QStringLiteral("rpt/rptTombario.rav")))))
            << e.toStdString();
}

TEST_F(ComandosRelatorio, ConfigurarImpressoraAbreODialogoDoSistema)
{
    j.ConfigurarImpressora1->trigger();
    EXPECT_EQ(t.ui.configuracoesImpressora, 1);
    EXPECT_TRUE(t.ui.mensagens.isEmpty());
}
}
