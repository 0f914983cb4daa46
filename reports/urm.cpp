// The report module: the project is read from its file whenever it is not
// loaded, and a report is generated over the connected datasets into the
// preview or a PDF file.
#include "reports/urm.h"
#include "config/caminhos.h"
#include "config/erros.h"
#include "config/interfaceusuario.h"
#include "data/udm.h"
#include "reports/dadosrelatorio.h"
#include "reports/desenhorelatorio.h"
#include "reports/leitorprojeto.h"
#include "reports/saidapdf.h"

struct ProjetoRelatorio::Conteudo {
    ProjetoRelatorios projeto;
};

TRM::TRM(InterfaceUsuario &ui) : m_ui(ui) {}

void TRM::LigaDados(TDM &dm)
{
    rvdsDadosGer.DataSet = &dm.DadosGer;
    rvdsLivroSC.DataSet = &dm.sqlLivroSC;
}

void ProjetoRelatorio::Close()
{
    m_carregado = false;
    m_conteudo.reset();
}

bool ProjetoRelatorio::executa(const QString &nome, const Saida &saida)
{
    if (!m_carregado) {
        auto conteudo = std::make_shared<Conteudo>();
        conteudo->projeto = LeProjetoRelatorios(CaminhoLocal(ProjectFile));
        m_conteudo = std::move(conteudo);
        m_carregado = true;
    }
    const std::shared_ptr<Conteudo> conteudo = m_conteudo; // stays alive while the preview is up
    const LayoutRelatorio *layout = conteudo->projeto.procura(nome);
    if (!layout)
        return false;

    // Opening the data may fail: the command ends before any preview.
    DadosRelatorio dados(*layout, {&m_rm.rvdsDadosGer, &m_rm.rvdsLivroSC});
    InterfaceUsuario &ui = m_rm.ui();
    // The preview paints from inside the toolkit; an error there ends the
    // painting and is raised once the preview has closed.
    std::exception_ptr falha;
    saida([&](QPagedPaintDevice &dispositivo) {
        if (falha)
            return;
        try {
            DesenhaRelatorio(*layout, dados, dispositivo, [&ui](int pagina) { ui.statusRelatorio(pagina); });
        } catch (...) {
            falha = std::current_exception();
        }
        ui.statusRelatorioFim();
    });
    if (falha)
        std::rethrow_exception(falha);
    return true;
}

void ProjetoRelatorio::ExecuteReport(const QString &nome)
{
    executa(nome, [this](const std::function<void(QPagedPaintDevice &)> &desenha) {
        m_rm.ui().apresentaRelatorio(m_rm.rvstm1.TitlePreview, desenha);
    });
}

bool ProjetoRelatorio::ExecuteReportPdf(const QString &nome, const QString &arquivoPdf)
{
    return executa(nome, [this, &arquivoPdf](const std::function<void(QPagedPaintDevice &)> &desenha) {
        GravaPdf(arquivoPdf, m_rm.rvstm1.TitlePreview, m_rm.rvpdf1, desenha);
    });
}
