// criabancos RAIZ [ESTACAO ...]: creates the empty main database and the
// interface databases under a platform root.
#include "config/erros.h"
#include "data/esquema.h"
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "uso: criabancos RAIZ [ESTACAO ...]\n");
        return 2;
    }
    const QString raiz = args.takeFirst();
    try {
        CriaBancosDaRaiz(raiz, args);
    } catch (const EErro &e) {
        std::fprintf(stderr, "criabancos: %s\n", e.what());
        return 1;
    }
    return 0;
}
