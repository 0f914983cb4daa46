#pragma once
// The benchmark program: each file registers its measurements; main() runs
// them (all, or those named on the command line) and prints their figures.
#include <QString>
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
