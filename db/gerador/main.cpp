// geradados --raiz DIR --formulas N --semente S [--mes AAAA-MM] [--escrita-forcada]
// Fills the demo pharmacy's main database under a platform root whose empty
// databases already exist (criabancos).
#include "config/erros.h"
#include "gerador/gerador.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Gera a farmácia de demonstração no banco principal."));
    p.addHelpOption();
    const QCommandLineOption raiz(QStringLiteral("raiz"), QStringLiteral("Raiz da plataforma (com dados/torvenia.bd)."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption formulas(QStringLiteral("formulas"), QStringLiteral("Número de fórmulas."),
                                      QStringLiteral("N"), QStringLiteral("400"));
    const QCommandLineOption semente(QStringLiteral("semente"), QStringLiteral("Semente (mesma semente, mesmos dados)."),
                                     QStringLiteral("S"), QStringLiteral("2026"));
    const QCommandLineOption mes(QStringLiteral("mes"), QStringLiteral("Primeiro mês dos pedidos."), QStringLiteral("AAAA-MM"),
                                 QStringLiteral("2026-11"));
    const QCommandLineOption escrita(QStringLiteral("escrita-forcada"),
                                     QStringLiteral("Deixa o banco com gravação forçada (forced writes) ligada."));
    p.addOptions({raiz, formulas, semente, mes, escrita});
    p.process(app);

    bool okF = false, okS = false;
    const int n = p.value(formulas).toInt(&okF);
    const uint s = p.value(semente).toUInt(&okS);
    const QDate m = QDate::fromString(p.value(mes) + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
    if (!p.isSet(raiz) || !okF || n < 0 || !okS || !m.isValid()) {
        std::fprintf(stderr, "uso: geradados --raiz DIR --formulas N --semente S [--mes AAAA-MM] [--escrita-forcada]\n");
        return 2;
    }
    try {
        QElapsedTimer t;
        t.start();
        const ResumoGeracao r = GeraDadosDemo(p.value(raiz), n, s, m, p.isSet(escrita));
        std::printf("%d pedidos, %d fórmulas, %d componentes, %d itens, %d clientes, %d compras; "
                    "%s a %s; gravação forçada %s; %.1f s\n",
                    r.pedidos, r.formulas, r.componentes, r.itens, r.clientes, r.compras,
                    qPrintable(r.primeiroDia.toString(QStringLiteral("dd/MM/yyyy"))),
                    qPrintable(r.ultimoDia.toString(QStringLiteral("dd/MM/yyyy"))),
                    p.isSet(escrita) ? "ligada" : "desligada", double(t.elapsed()) / 1000.0);
    } catch (const EErro &e) {
        std::fprintf(stderr, "geradados: %s\n", e.what());
        return 1;
    }
    return 0;
}
