#include "cli/argumentos.h"

Argumentos LeArgumentos(const QStringList &args, const QHash<QString, QPair<QStringList, QStringList>> &opcoes)
{
    Argumentos a;
    int i = 0;
    if (i < args.size() && !args[i].startsWith(QLatin1String("--")))
        a.subcomando = args[i++];
    const QStringList comValor = opcoes.value(a.subcomando).first;
    const QStringList semValor = opcoes.value(a.subcomando).second;
    if (!a.subcomando.isEmpty() && !opcoes.contains(a.subcomando)) {
        a.erro = QStringLiteral("Subcomando desconhecido: %1").arg(a.subcomando);
        return a;
    }
    for (; i < args.size(); ++i) {
        QString opcao = args[i];
        QString valor;
        bool temValor = false;
        if (const qsizetype igual = opcao.indexOf(QLatin1Char('=')); igual > 0 && opcao.startsWith(QLatin1String("--"))) {
            valor = opcao.mid(igual + 1);
            opcao = opcao.left(igual);
            temValor = true;
        }
        if (opcao == QLatin1String("--help") || opcao == QLatin1String("-h") || opcao == QLatin1String("--ajuda")) {
            a.ajuda = true;
        } else if (comValor.contains(opcao)) {
            if (!temValor) {
                if (i + 1 >= args.size()) {
                    a.erro = QStringLiteral("Falta o valor de %1.").arg(opcao);
                    return a;
                }
                valor = args[++i];
            }
            a.valores.insert(opcao, valor);
        } else if (semValor.contains(opcao) && !temValor) {
            a.sinais << opcao;
        } else {
            a.erro = QStringLiteral("Opção desconhecida: %1").arg(args[i]);
            return a;
        }
    }
    return a;
}
