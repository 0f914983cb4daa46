#include "bench.h"
#include "data/esquema.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {
std::vector<Medicao *> &registro()
{
    static std::vector<Medicao *> r;
    return r;
}
}

Medicao::Medicao(const char *n, std::function<void()> f) : nome(n), executa(std::move(f)) { registro().push_back(this); }

double Cronometra(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e9;
}

double PicoMemoriaMiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

QString RaizTemporaria()
{
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    const QString raiz = dirs.back()->path();
    CriaBancosDaRaiz(raiz, {QStringLiteral("01")});
    qputenv("TORVENIA_DIR", raiz.toLocal8Bit());
    return raiz;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList pedidos = app.arguments().mid(1);
    for (Medicao *m : registro()) {
        if (!pedidos.isEmpty() && !pedidos.contains(QString::fromLatin1(m->nome)))
            continue;
        std::printf("== %s\n", m->nome);
        std::fflush(stdout);
        m->executa();
    }
    return 0;
}
