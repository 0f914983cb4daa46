// The report engine over a real book table: the project file, the data
// connections, the layout features the book and the terms need.
#include "comum/modulosteste.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/textos.h"
#include "reports/dadosrelatorio.h"
#include "reports/leitorprojeto.h"
#include "reports/urm.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString kLoja = QStringLiteral("11222333000181");

// A project with one report over the book lines; `detalhe` is the detail band's content.
QString projeto(const QString &detalhe, const QString &extra = QString(), const QString &cabecalho = QString())
{
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<projeto>
  <relatorio nome="rpt_Teste" papel="A4" orientacao="retrato" margens="1 1 1 1" tamanho="9">
    <cabecalho><banda espacoApos="0.2">
      <texto x="0" largura="10">Cabeçalho {rvdsDadosGer.FIRMA|sem firma}</texto>
      <texto x="10" largura="9" alinhamento="direita">Folha {Pagina}</texto>
      %3
    </banda></cabecalho>
    <detalhe conexao="rvdsLivroSC"><banda moldura="sim">%1</banda></detalhe>
    <semLinhas><banda><texto x="0" largura="19">Livro vazio</texto></banda></semLinhas>
  </relatorio>
  %2
</projeto>)")
        .arg(detalhe, extra, cabecalho);
}

class MotorRelatorio : public ::testing::Test {
protected:
    MotorRelatorio() : rm(m.ui)
    {
        rm.LigaDados(*m.dm);
        CnpjLoja = kLoja;
        QDir().mkpath(m.ambiente.caminho(QStringLiteral("rpt")));
    }

    void escreveProjeto(const QString &xml)
    {
        QFile f(m.ambiente.caminho(QStringLiteral("rpt/rptTombario.rav")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(xml.toUtf8());
    }

    void linha(int numero, const QString &cliente, const QString &prescricao = QStringLiteral("Fórmula"),
               const QString &loja = kLoja)
    {
        m.ambiente.executa(QStringLiteral("INSERT INTO LIVROSC (LOJA, CODLIVRO, NUMERO, DATA, NOMECLIENTE, PRESCRICOES) "
                                          "VALUES ('%1', '001', %2, '2025-03-07', '%3', '%4')")
                               .arg(loja)
                               .arg(numero)
                               .arg(EscapaSql(cliente), EscapaSql(prescricao)));
    }

    // Executes the report into the test interface's PDF and returns its text.
    QString executa(const QString &nome = QStringLiteral("rpt_Teste"))
    {
        const int antes = m.ui.relatorios.size();
        rm.rvpj1.Close();
        rm.rvpj1.ExecuteReport(nome);
        return m.ui.relatorios.size() > antes ? m.ui.relatorios.last().texto : QString();
    }

    ModulosTeste m;
    TRM rm;
};

TEST_F(MotorRelatorio, ProjetoAusenteFalhaComOCaminhoCompletoPeloRelatorioGeralDeErros)
{
    QFile::remove(m.ambiente.caminho(QStringLiteral("rpt/rptTombario.rav")));
    EXPECT_FALSE(ExecutaComando(m.ui, [&] { rm.rvpj1.ExecuteReport(QStringLiteral("rpt_LivroRMG")); }));
    const QString caminho = QDir::toNativeSeparators(m.ambiente.caminho(QStringLiteral("rpt/rptTombario.rav")));
    ASSERT_EQ(m.ui.textos(QStringLiteral("erro")).size(), 1);
    EXPECT_TRUE(m.ui.textos(QStringLiteral("erro")).first().contains(caminho)) << m.ui.textos().first().toStdString();
    EXPECT_TRUE(m.ui.relatorios.isEmpty());
    QFile log(CaminhoLogErros());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromLatin1(log.readAll()).contains(QStringLiteral("EReportError")));
}

TEST_F(MotorRelatorio, RelatorioAusenteNaoMostraNadaNemAvisa)
{
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="5">{rvdsLivroSC.NOMECLIENTE}</texto>)")));
    EXPECT_TRUE(ExecutaComando(m.ui, [&] { rm.rvpj1.ExecuteReport(QStringLiteral("rpt_NaoExiste")); }));
    EXPECT_TRUE(m.ui.relatorios.isEmpty());
    EXPECT_TRUE(m.ui.mensagens.isEmpty());
    const QString pdf = m.ambiente.caminho(QStringLiteral("nada.pdf"));
    EXPECT_FALSE(rm.rvpj1.ExecuteReportPdf(QStringLiteral("rpt_NaoExiste"), pdf));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(MotorRelatorio, ProjetoELidoDeNovoDepoisDeFechado)
{
    linha(1, QStringLiteral("ANA"));
    ExecutaConsultaLivro(*m.dm, false);
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="9">Versão A {rvdsLivroSC.NOMECLIENTE}</texto>)")));
    EXPECT_TRUE(executa().contains(QStringLiteral("Versão A ANA")));
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="9">Versão B {rvdsLivroSC.NOMECLIENTE}</texto>)")));
    // Loaded: the edited file waits for the next close.
    rm.rvpj1.ExecuteReport(QStringLiteral("rpt_Teste"));
    EXPECT_TRUE(m.ui.relatorios.last().texto.contains(QStringLiteral("Versão A")));
    EXPECT_TRUE(executa().contains(QStringLiteral("Versão B ANA")));
}

TEST_F(MotorRelatorio, DatasetFechadoEAbertoNaPrimeiraLinhaEFechadoDepois)
{
    m.ambiente.executa(QStringLiteral("INSERT INTO DADOSGER (CGC, FIRMA) VALUES ('%1', 'Drogaria Açaí')").arg(kLoja));
    linha(1, QStringLiteral("ANA"));
    ExecutaConsultaLivro(*m.dm, false);
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="9">{rvdsLivroSC.NOMECLIENTE}</texto>)")));
    ASSERT_FALSE(m.dm->DadosGer.Active());
    const QString texto = executa();
    EXPECT_TRUE(texto.contains(QStringLiteral("Cabeçalho Drogaria Açaí"))) << texto.toStdString();
    EXPECT_FALSE(m.dm->DadosGer.Active());
    EXPECT_TRUE(m.dm->sqlLivroSC.Active()); // open before: left open
}

TEST_F(MotorRelatorio, DatasetAbertoEUsadoComoEstaSemRelerOBanco)
{
    linha(1, QStringLiteral("ANA"));
    ExecutaConsultaLivro(*m.dm, false);
    linha(2, QStringLiteral("BRUNO")); // after the selection: not in the open dataset
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="9">{rvdsLivroSC.NOMECLIENTE}</texto>)")));
    const QString texto = executa();
    EXPECT_TRUE(texto.contains(QStringLiteral("ANA")));
    EXPECT_FALSE(texto.contains(QStringLiteral("BRUNO")));
    EXPECT_TRUE(m.dm->sqlLivroSC.Active());
}

TEST_F(MotorRelatorio, DatasetEmEdicaoMostraALinhaEditadaSemGravar)
{
    m.ambiente.executa(QStringLiteral("INSERT INTO DADOSGER (CGC, FIRMA) VALUES ('%1', 'Antiga')").arg(kLoja));
    escreveProjeto(projeto(QString(), QStringLiteral(R"(
  <relatorio nome="rpt_Dados"><detalhe conexao="rvdsDadosGer"><banda>
    <texto x="0" largura="9">Firma {rvdsDadosGer.FIRMA}</texto></banda></detalhe></relatorio>)")));
    m.dm->DadosGer.Open();
    m.dm->DadosGer.Edit();
    m.dm->DadosGer.FieldByName(QStringLiteral("FIRMA")).setAsString(QStringLiteral("Nova"));
    EXPECT_TRUE(executa(QStringLiteral("rpt_Dados")).contains(QStringLiteral("Firma Nova")));
    EXPECT_EQ(m.dm->DadosGer.State(), EstadoDataSet::Edicao);
    EXPECT_EQ(m.ambiente.valor(QStringLiteral("select FIRMA from DADOSGER")), QStringLiteral("Antiga"));
}

TEST_F(MotorRelatorio, SemLinhasImprimeABandaPropria)
{
    ExecutaConsultaLivro(*m.dm, false);
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="9">{rvdsLivroSC.NOMECLIENTE}</texto>)")));
    const QString texto = executa();
    EXPECT_TRUE(texto.contains(QStringLiteral("Livro vazio")));
    EXPECT_EQ(m.ui.relatorios.last().paginas, 1);
}

// A prescription of the column's full 1,500 characters, words numbered so
// that a lost or repeated line shows.
QString prescricaoLonga()
{
    QString s;
    for (int i = 1; s.size() < 1500; ++i)
        s += QStringLiteral("Ácido%1 ").arg(i, 4, 10, QLatin1Char('0'));
    return s.left(1500);
}

QStringList palavras(const QString &texto)
{
    QStringList l;
    auto it = QRegularExpression(QStringLiteral("Ácido\\d{4}")).globalMatch(texto);
    while (it.hasNext())
        l << it.next().captured(0);
    return l;
}

struct CasoTextoLongo {
    const char *nome;
    const char *largura; // cm of the column
    const char *tamanho; // points
    int paginasMinimas;
};

class TextoLongo : public MotorRelatorio, public ::testing::WithParamInterface<CasoTextoLongo> {};

// Every word, in order, once: wrapped in a wide column, and split between
// lines across pages when a narrow column makes the band taller than a page.
TEST_P(TextoLongo, ImprimeOTextoInteiro)
{
    const QString texto = prescricaoLonga();
    linha(1, QStringLiteral("ANA"), texto);
    linha(2, QStringLiteral("BRUNO"), QStringLiteral("curta"));
    ExecutaConsultaLivro(*m.dm, false);
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="2">{rvdsLivroSC.NOMECLIENTE}</texto>
        <texto x="2" largura="%1" tamanho="%2">{rvdsLivroSC.PRESCRICOES}</texto>)")
                               .arg(QLatin1String(GetParam().largura), QLatin1String(GetParam().tamanho))));
    const QString pdf = executa();
    EXPECT_EQ(palavras(pdf), palavras(texto));
    EXPECT_GE(m.ui.relatorios.last().paginas, GetParam().paginasMinimas);
    EXPECT_TRUE(pdf.contains(QStringLiteral("BRUNO")));
}

INSTANTIATE_TEST_SUITE_P(Larguras, TextoLongo,
                         ::testing::Values(CasoTextoLongo{"larga", "15", "9", 1},
                                           CasoTextoLongo{"estreita", "3.5", "14", 3}),
                         [](const auto &info) { return std::string(info.param.nome); });

TEST_F(MotorRelatorio, CadaPaginaTemSeuNumeroELinhasNaoSePerdem)
{
    for (int i = 1; i <= 120; ++i)
        linha(i, QStringLiteral("CLIENTE%1").arg(i, 3, 10, QLatin1Char('0')));
    ExecutaConsultaLivro(*m.dm, false);
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="9">{rvdsLivroSC.NOMECLIENTE}</texto>)")));
    const QString texto = executa();
    const int paginas = m.ui.relatorios.last().paginas;
    ASSERT_GE(paginas, 2);
    for (int p = 1; p <= paginas; ++p)
        EXPECT_TRUE(texto.contains(QStringLiteral("Folha %1\n").arg(p))) << p;
    EXPECT_FALSE(texto.contains(QStringLiteral("Folha %1\n").arg(paginas + 1)));
    int anterior = -1;
    for (int i = 1; i <= 120; ++i) {
        const int pos = texto.indexOf(QStringLiteral("CLIENTE%1").arg(i, 3, 10, QLatin1Char('0')));
        EXPECT_GT(pos, anterior) << i;
        anterior = pos;
    }
}

TEST_F(MotorRelatorio, SaidaDiretaEmPdfSemPrevia)
{
    linha(1, QStringLiteral("JOÃO D'ÁVILA"));
    ExecutaConsultaLivro(*m.dm, false);
    escreveProjeto(projeto(QStringLiteral(R"(<texto x="0" largura="9">{rvdsLivroSC.NOMECLIENTE}</texto>)")));
    const QString pdf = m.ambiente.caminho(QStringLiteral("saida.pdf"));
    EXPECT_TRUE(rm.rvpj1.ExecuteReportPdf(QStringLiteral("rpt_Teste"), pdf));
    EXPECT_TRUE(m.ui.relatorios.isEmpty());
    EXPECT_TRUE(TextoDoPdf(pdf).contains(QStringLiteral("JOÃO D'ÁVILA")));
    EXPECT_THROW(rm.rvpj1.ExecuteReportPdf(QStringLiteral("rpt_Teste"), m.ambiente.caminho(QStringLiteral("nao/existe/x.pdf"))),
                 EInOutError);
}

struct CasoProjetoInvalido {
    const char *nome;
    const char *detalhe;
    const char *esperado; // part of the message
};

class ProjetoInvalido : public MotorRelatorio, public ::testing::WithParamInterface<CasoProjetoInvalido> {};

TEST_P(ProjetoInvalido, FalhaAntesDeQualquerPagina)
{
    linha(1, QStringLiteral("ANA"));
    ExecutaConsultaLivro(*m.dm, false);
    escreveProjeto(projeto(QString::fromUtf8(GetParam().detalhe)));
    EXPECT_FALSE(ExecutaComando(m.ui, [&] { executa(); }));
    EXPECT_TRUE(m.ui.relatorios.isEmpty());
    ASSERT_FALSE(m.ui.textos(QStringLiteral("erro")).isEmpty());
    EXPECT_TRUE(m.ui.textos(QStringLiteral("erro")).first().contains(QString::fromUtf8(GetParam().esperado)))
        << m.ui.textos(QStringLiteral("erro")).first().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ProjetoInvalido,
    ::testing::Values(CasoProjetoInvalido{"colunaInexistente", R"(<texto x="0" largura="5">{rvdsLivroSC.NADA}</texto>)",
                                          "Field 'NADA' not found"},
                      CasoProjetoInvalido{"xmlMalFormado", R"(<texto x="0" largura="5">aberto)", "rptTombario.rav, line"},
                      CasoProjetoInvalido{"semLargura", R"(<texto x="0">sem largura</texto>)", "needs a largura"},
                      CasoProjetoInvalido{"chaveAberta", R"(<texto x="0" largura="5">{rvdsLivroSC.NUMERO</texto>)",
                                          "without '}'"},
                      CasoProjetoInvalido{"elementoDesconhecido", R"(<imagem x="0" largura="5"/>)", "unexpected <imagem>"}),
    [](const auto &info) { return std::string(info.param.nome); });

struct CasoTexto {
    const char *nome;
    const char *modelo;
    const char *esperado;
};

class TextoDeCampos : public MotorRelatorio, public ::testing::WithParamInterface<CasoTexto> {};

// What a text with references reads on the row NUMERO 42, DATA 7 March 2025,
// NOMECLIENTE "Zé", PRESCRICOES NULL.
TEST_P(TextoDeCampos, LeALinhaAtual)
{
    m.ambiente.executa(QStringLiteral("INSERT INTO LIVROSC (LOJA, CODLIVRO, NUMERO, DATA, NOMECLIENTE) "
                                      "VALUES ('%1', '001', 42, '2025-03-07', 'Zé')")
                           .arg(kLoja));
    ExecutaConsultaLivro(*m.dm, false);
    LayoutRelatorio layout;
    layout.conexaoDetalhe = QStringLiteral("rvdsLivroSC");
    ElementoRelatorio e;
    e.trechos = InterpretaTexto(QString::fromUtf8(GetParam().modelo));
    BandaRelatorio b;
    b.elementos << e;
    layout.detalhe << b;
    DadosRelatorio dados(layout, {&rm.rvdsDadosGer, &rm.rvdsLivroSC});
    ASSERT_TRUE(dados.primeiraLinha());
    EXPECT_EQ(dados.texto(e.trechos, 7), QString::fromUtf8(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Modelos, TextoDeCampos,
    ::testing::Values(CasoTexto{"literal", "Só texto", "Só texto"},
                      CasoTexto{"campo", "Nº {rvdsLivroSC.NUMERO}.", "Nº 42."},
                      CasoTexto{"numeroComPadrao", "{rvdsLivroSC.NUMERO:000000}", "000042"},
                      CasoTexto{"dataComPadrao", "{rvdsLivroSC.DATA:dd/mm/yyyy}", "07/03/2025"},
                      CasoTexto{"dataCurta", "{rvdsLivroSC.DATA:dd/mm/yy}", "07/03/25"},
                      CasoTexto{"vazioComSubstituto", "[{rvdsLivroSC.PRESCRICOES|____}]", "[____]"},
                      CasoTexto{"cheioIgnoraSubstituto", "{rvdsLivroSC.NOMECLIENTE|____}", "Zé"},
                      CasoTexto{"colunaEmMinusculas", "{rvdsLivroSC.nomecliente}", "Zé"},
                      CasoTexto{"pagina", "Folha {Pagina:000}", "Folha 007"},
                      CasoTexto{"quebraDeLinha", "a{/}b", "a\nb"},
                      CasoTexto{"chavesLiterais", "{{x}}", "{x}"}),
    [](const auto &info) { return std::string(info.param.nome); });
}
