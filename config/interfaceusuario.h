#pragma once
// What the core asks of the user interface: the window, the command-line
// front end and the tests each implement it. The core never includes a widget.
#include <QString>
#include <exception>
#include <functional>

class QPagedPaintDevice;

class EErro;

class InterfaceUsuario {
public:
    virtual ~InterfaceUsuario() = default;

    // A message box with an OK button and the application title.
    virtual void mostraMensagem(const QString &texto) = 0;
    // The general error report's dialog, titled with the application title.
    virtual void mostraErro(const QString &texto) = 0;
    // A warning box with its own caption and an OK button.
    virtual void mostraAviso(const QString &titulo, const QString &texto) = 0;
    // Repaints the window and processes pending window messages.
    virtual void processaMensagensPendentes() = 0;

    // The progress panel of the long runs.
    virtual void progressoMostra(const QString &titulo, int maximo) = 0;
    virtual void progressoPosicao(int posicao) = 0;
    virtual void progressoPedido(const QString &texto) = 0;      // shows the order line
    virtual void progressoOcultaPedido() = 0;
    virtual void progressoOculta() = 0;

    // A generated report: the preview (window), a PDF file (command line,
    // tests). `desenha` lays out and paints every page on the device it gets;
    // it may be called more than once (a preview printed afterwards).
    // Returns when the user closes the preview.
    virtual void apresentaRelatorio(const QString &titulo,
                                    const std::function<void(QPagedPaintDevice &)> &desenha) = 0;

    // The operating system's print set-up dialog for the process-wide printer.
    virtual void configuraImpressora() = 0;

    // The report engine's status window while pages are generated: page
    // `pagina` has begun; the window closes at the end. Nothing by default.
    virtual void statusRelatorio(int pagina) { (void)pagina; }
    virtual void statusRelatorioFim() {}
};

// The general error report: the error is recorded in the error log and its
// message reaches the user; the command that raised it has ended.
void ReportaErroGeral(InterfaceUsuario &ui, const std::exception &erro);

// Runs a command and sends whatever it raises to the general error report.
// Returns false when the command ended with an error.
bool ExecutaComando(InterfaceUsuario &ui, const std::function<void()> &comando);
