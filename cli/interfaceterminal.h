#pragma once
// The user interface of the command-line front end: every message goes to
// standard error with its kind, nothing waits for a key, the progress bar is
// drawn only on a terminal, and reports are written to the PDF file given.
#include "config/interfaceusuario.h"
#include <QElapsedTimer>
#include <QString>
#include <cstdio>

class InterfaceTerminal : public InterfaceUsuario {
public:
    explicit InterfaceTerminal(std::FILE *saida = stderr);

    void mostraMensagem(const QString &texto) override;
    void mostraErro(const QString &texto) override;
    void mostraAviso(const QString &titulo, const QString &texto) override;
    void processaMensagensPendentes() override {}
    void progressoMostra(const QString &titulo, int maximo) override;
    void progressoPosicao(int posicao) override;
    void progressoPedido(const QString &) override {}
    void progressoOcultaPedido() override {}
    void progressoOculta() override;
    void apresentaRelatorio(const QString &titulo,
                            const std::function<void(QPagedPaintDevice &)> &desenha) override;
    void configuraImpressora() override;

    // Where reports go; empty: a report is an error.
    QString arquivoPdf;
    int relatoriosGravados = 0;
    // Messages shown since the start (each reports a failure of the command).
    int mensagensMostradas = 0;
    int errosMostrados = 0;

    // The bar's line for a moment of the run (also used by the tests).
    static QString linhaProgresso(const QString &titulo, int feitos, int total, qint64 decorridoMs);

private:
    void escreve(const QString &tipo, const QString &texto);
    void apagaBarra();

    std::FILE *m_saida;
    bool m_terminal;
    QString m_titulo;
    int m_maximo = 0;
    bool m_barraNaTela = false;
    QElapsedTimer m_relogio;
};
