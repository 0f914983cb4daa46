#pragma once
// The benchmark program: each file registers its measurements; main() runs
// them (all, or those named on the command line) and prints their figures.
#include "config/interfaceusuario.h"
#include <QString>
#include <QStringList>
#include <functional>

struct Medicao {
    const char *nome;
    std::function<void()> executa;
    Medicao(const char *n, std::function<void()> f);
};

// Seconds of wall time of a call.
double Cronometra(const std::function<void()> &f);
// Peak resident memory of this process so far, in MiB.
double PicoMemoriaMiB();
// A fresh platform root (TORVENIA_DIR) with empty databases; removed at exit.
QString RaizTemporaria();

// Answers nothing and shows nothing: the figures are the engine's and the
// database's. Keeps the messages and the last page the engine reported.
class InterfaceSilenciosa : public InterfaceUsuario {
public:
    void mostraMensagem(const QString &t) override { mensagens << t; }
    void mostraErro(const QString &t) override { mensagens << t; }
    void mostraAviso(const QString &, const QString &t) override { mensagens << t; }
    void processaMensagensPendentes() override {}
    void progressoMostra(const QString &, int) override {}
    void progressoPosicao(int) override {}
    void progressoPedido(const QString &) override {}
    void progressoOcultaPedido() override {}
    void progressoOculta() override {}
    void apresentaRelatorio(const QString &, const std::function<void(QPagedPaintDevice &)> &) override {}
    void configuraImpressora() override {}
    void statusRelatorio(int pagina) override { paginas = pagina; }
    QStringList mensagens;
    int paginas = 0;
};
