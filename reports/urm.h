#pragma once
// The report module: the engine's settings, the report project, the two data
// connections the layouts read and the PDF output. No logic of its own.
#include <QString>
#include <functional>
#include <memory>

class ClientDataSet;
class InterfaceUsuario;
class QPagedPaintDevice;
class TDM;

// Settings of the engine system (rvstm1).
struct SistemaRelatorio {
    QString TitleSetup = QStringLiteral("Output Options");
    QString TitleStatus = QStringLiteral("Report Status");
    QString TitlePreview = QStringLiteral("Receituário Médico Geral");
    QString StatusFormat = QStringLiteral("Generating page %p");
    QString PrinterStatusFormat = QStringLiteral("Printing page %p");
    QString PrinterTitle = QStringLiteral("ReportPrinter Report");
    bool PreviewMaximized = true;
    int ZoomFactor = 100;
    int ScaleX = 100, ScaleY = 100;
    double UnitsFactor = 2.54; // centimetres
};

// A data connection offered to the layouts under its component name.
struct ConexaoDadosRelatorio {
    QString nome;                       // "rvdsDadosGer", "rvdsLivroSC"
    ClientDataSet *DataSet = nullptr;
};

// PDF output settings (rvpdf1).
struct SaidaPdf {
    QString DisplayName = QStringLiteral("Adobe Acrobat (PDF)");
    QString FileExtension = QStringLiteral("*.pdf");
    bool EmbedFonts = false;
    int ImageQuality = 90;
    int MetafileDPI = 300;
};

class TRM;

// The report project (rvpj1): read from ProjectFile whenever it is not loaded.
class ProjetoRelatorio {
public:
    explicit ProjetoRelatorio(TRM &rm) : m_rm(rm) {}
    QString ProjectFile = QStringLiteral("C:\\TORVENIA\\rpt\\rptTombario.rav");
    // Unloads a loaded project; nothing when none is loaded.
    void Close();
    bool carregado() const { return m_carregado; }
    // Loads the project if needed and executes the report of that name over
    // the connected datasets, into the user interface's preview; returns when
    // the preview closes. An absent name: no output and no message. A missing
    // project file raises EReportError naming the file's full path.
    void ExecuteReport(const QString &nome);
    // The same execution straight into a PDF file instead of the preview (the
    // command-line front end, tests). False when the name is absent: no file.
    bool ExecuteReportPdf(const QString &nome, const QString &arquivoPdf);

private:
    using Saida = std::function<void(const std::function<void(QPagedPaintDevice &)> &desenha)>;
    bool executa(const QString &nome, const Saida &saida);

    TRM &m_rm;
    bool m_carregado = false;
    struct Conteudo;
    std::shared_ptr<Conteudo> m_conteudo;
};

class TRM {
public:
    explicit TRM(InterfaceUsuario &ui);
    // Binds the two data connections to DM's datasets (once DM exists).
    void LigaDados(TDM &dm);

    InterfaceUsuario &ui() { return m_ui; }

    SistemaRelatorio rvstm1;
    ProjetoRelatorio rvpj1{*this};
    ConexaoDadosRelatorio rvdsDadosGer{QStringLiteral("rvdsDadosGer"), nullptr};
    ConexaoDadosRelatorio rvdsLivroSC{QStringLiteral("rvdsLivroSC"), nullptr};
    SaidaPdf rvpdf1;

private:
    InterfaceUsuario &m_ui;
};

// The book query shared by every caller that executes a book report: close
// DM.SQLqryLivroSC, clear its statement, set it to the store's lines with the
// ending "' ORDER BY CODLIVRO,NUMERO,DATA" (porCodigo) or "' ORDER BY Numero",
// open it.
void ExecutaConsultaLivro(TDM &dm, bool porCodigo);
// The ending chosen by OrdenarPorCodLivro.
bool OrdenaPorCodigoLivro();

inline TRM *RM = nullptr;
