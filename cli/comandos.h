#pragma once
// The subcommands of `livro` and their exit statuses.
#include "cli/argumentos.h"

enum SaidaLivro {
    SaidaOk = 0,       // done
    SaidaComFalhas = 1,// done, with failures reported (look-ups, refused lines, no orders)
    SaidaUso = 2,      // wrong usage or a date that does not read
    SaidaFalha = 3,    // settings, database or login failure
};

QHash<QString, QPair<QStringList, QStringList>> OpcoesDosSubcomandos();
int ExecutaSubcomando(const Argumentos &args);
