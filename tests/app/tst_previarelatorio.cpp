// The report preview over the engine's real output: maximised at zoom 100,
// page navigation, the status window while pages are generated, saving to PDF.
#include "app/previarelatorio.h"
#include "comum/modulosteste.h"
#include "config/globais.h"
#include "config/textos.h"
#include "reports/urm.h"

#include <QDir>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString kLoja = QStringLiteral("11222333000181");

// Opens the window's preview instead of writing a PDF, and lets the test look
// at it before it closes.
class InterfacePrevia : public InterfaceTeste {
public:
    void apresentaRelatorio(const QString &titulo, const std::function<void(QPagedPaintDevice &)> &desenha) override
    {
        QPrinter impressora(QPrinter::HighResolution);
        PreviaRelatorio previa(impressora, *this, titulo, desenha);
        previa.show();
        (void)QTest::qWaitForWindowExposed(&previa);
        if (aoAbrir)
            aoAbrir(previa);
    }
    void statusRelatorio(int pagina) override
    {
        if (PreviaRelatorio *p = PreviaRelatorio::ativa()) {
            p->mostraStatus(pagina);
            status << p->textoStatus();
        }
    }
    void statusRelatorioFim() override
    {
        if (PreviaRelatorio *p = PreviaRelatorio::ativa())
            p->ocultaStatus();
    }

    std::function<void(PreviaRelatorio &)> aoAbrir;
    QStringList status;
};

class Previa : public ::testing::Test {
protected:
    Previa() : rm(ui)
    {
        rm.LigaDados(*m.dm);
        RM = &rm;
        CnpjLoja = kLoja;
        m.ambiente.instalaProjetoRelatorios();
        m.ambiente.executa(QStringLiteral("INSERT INTO DADOSGER (CGC, FIRMA, FARMACIA, CIDADE, ESTADO) VALUES "
                                          "('%1', 'Farmácia Torvênia Manipulação Ltda', 'Farmácia Torvênia - Centro', "
                                          "'Belo Horizonte', 'MG')")
                               .arg(kLoja));
        QStringList sqls;
        for (int i = 1; i <= 70; ++i)
            sqls << QStringLiteral("INSERT INTO LIVROSC (LOJA, CODLIVRO, NUMERO, DATA, NOMECLIENTE, ENDERECO, COMPLEMENTO, "
                                   "PRESCRICOES, MEDICO, CRM, NPEDIDO, CONFERIDO, CONTROLADO) VALUES ('%1', '001', %2, "
                                   "'2026-11-04', 'Paciente %2 da Conceição', 'Rua da Bahia, %2', 'Fone: (31) 3333-%2', "
                                   "'Fluoxetina 20mg, Lactose QSP. Qde Cáps:30. Posologia: 1 cápsula ao dia.', "
                                   "'Dra. Ângela Drummond', 'CRM: 31877 - MG', '01.%2.1', 'S', '%3')")
                        .arg(kLoja)
                        .arg(i)
                        .arg(i % 3 ? QStringLiteral(" ") : QStringLiteral("S"));
        m.ambiente.executa(sqls);
    }
    ~Previa() override { RM = nullptr; }

    ModulosTeste m;
    InterfacePrevia ui;
    TRM rm;
};

TEST_F(Previa, AbreMaximizadaEmZoom100ComNavegacaoEStatus)
{
    int paginas = 0;
    QString pdf = m.ambiente.caminho(QStringLiteral("salvo.pdf"));
    ui.aoAbrir = [&](PreviaRelatorio &p) {
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Receituário Médico Geral"));
        EXPECT_TRUE(p.windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(p.isModal());
        EXPECT_EQ(p.previa()->zoomMode(), QPrintPreviewWidget::CustomZoom);
        EXPECT_DOUBLE_EQ(p.previa()->zoomFactor(), 1.0);
        EXPECT_EQ(p.previa()->orientation(), QPageLayout::Landscape);
        paginas = p.totalPaginas();
        ASSERT_GE(paginas, 3);
        EXPECT_EQ(p.paginaAtual(), 1);
        p.irPara(paginas);
        EXPECT_EQ(p.paginaAtual(), paginas);
        EXPECT_EQ(p.findChild<QSpinBox *>(QStringLiteral("paginaPrevia"))->value(), paginas);
        p.irPara(paginas + 5); // past the end: the last page
        EXPECT_EQ(p.paginaAtual(), paginas);
        p.irPara(0);
        EXPECT_EQ(p.paginaAtual(), 1);
        p.defineZoom(200);
        EXPECT_DOUBLE_EQ(p.previa()->zoomFactor(), 2.0);
        EXPECT_FALSE(p.statusVisivel()); // the status window closes with the generation
        p.salvaPdf(pdf);
        const QString captura = qEnvironmentVariable("RMG_CAPTURA_PREVIA");
        if (!captura.isEmpty()) {
            p.defineZoom(100);
            p.irPara(1);
            QTest::qWait(200);
            p.grab().save(captura);
        }
    };
    ExecutaConsultaLivro(*m.dm, false);
    rm.rvpj1.ExecuteReport(QStringLiteral("rpt_LivroRMG"));
    ASSERT_GE(paginas, 3);
    EXPECT_GE(ui.status.size(), paginas);
    EXPECT_EQ(ui.status.first(), QStringLiteral("Generating page 1"));
    EXPECT_TRUE(ui.status.contains(QStringLiteral("Generating page %1").arg(paginas)));
    // The saved file holds the same pages as the preview.
    EXPECT_EQ(PaginasDoPdf(pdf), paginas);
    const QString texto = TextoDoPdf(pdf);
    EXPECT_TRUE(texto.contains(QStringLiteral("Paciente 70 da Conceição")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Folha %1").arg(paginas, 4, 10, QLatin1Char('0'))));
    EXPECT_FALSE(m.dm->DadosGer.Active()); // opened for the report, closed when the preview closed
    EXPECT_TRUE(ui.mensagens.isEmpty());
}

TEST_F(Previa, PdfEmPastaInexistenteFalhaComOCaminho)
{
    const QString pdf = m.ambiente.caminho(QStringLiteral("nao/existe/livro.pdf"));
    ui.aoAbrir = [&](PreviaRelatorio &p) {
        EXPECT_FALSE(ExecutaComando(ui, [&] { p.salvaPdf(pdf); }));
    };
    ExecutaConsultaLivro(*m.dm, false);
    rm.rvpj1.ExecuteReport(QStringLiteral("rpt_LivroRMG"));
    ASSERT_EQ(ui.textos(QStringLiteral("erro")).size(), 1);
    EXPECT_TRUE(ui.textos(QStringLiteral("erro")).first().contains(QDir::toNativeSeparators(pdf)));
}
}
