#pragma once
// The command line of `livro`: a subcommand followed by --options.
#include <QHash>
#include <QString>
#include <QStringList>

struct Argumentos {
    QString subcomando;
    QHash<QString, QString> valores; // "--inicio" -> "01/03/2024"
    QStringList sinais;              // options without a value ("--renumerar")
    bool ajuda = false;
    QString erro;                    // a usage error, in Portuguese

    bool tem(const QString &opcao) const { return valores.contains(opcao) || sinais.contains(opcao); }
    QString valor(const QString &opcao) const { return valores.value(opcao); }
};

// `comValor`: the options that take a value; `semValor`: the switches.
Argumentos LeArgumentos(const QStringList &args, const QHash<QString, QPair<QStringList, QStringList>> &opcoes);
