#pragma once
// The user interface of the window: message boxes with the application title,
// the progress panel, the report preview and the print set-up dialog.
#include "config/interfaceusuario.h"

class TFormLivros;
class QPrinter;

class InterfaceJanela : public InterfaceUsuario {
public:
    explicit InterfaceJanela(TFormLivros *janela) : m_janela(janela) {}

    void mostraMensagem(const QString &texto) override;
    void mostraErro(const QString &texto) override;
    void mostraAviso(const QString &titulo, const QString &texto) override;
    void processaMensagensPendentes() override;
    void progressoMostra(const QString &titulo, int maximo) override;
    void progressoPosicao(int posicao) override;
    void progressoPedido(const QString &texto) override;
    void progressoOcultaPedido() override;
    void progressoOculta() override;
    void apresentaRelatorio(const QString &titulo,
                            const std::function<void(QPagedPaintDevice &)> &desenha) override;
    void configuraImpressora() override;
    void statusRelatorio(int pagina) override;
    void statusRelatorioFim() override;

    // The process-wide printer that the set-up dialog configures and every
    // later printing uses.
    static QPrinter &impressora();

private:
    TFormLivros *m_janela;
};
