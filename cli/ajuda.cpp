#include "cli/ajuda.h"

QString TextoAjuda(const QString &subcomando)
{
    const QString login = QStringLiteral(
        "\nIdentificação:\n"
        "  --usuario NOME       usuário do sistema (a senha é pedida no terminal, sem eco,\n"
        "                       ou lida da variável de ambiente LIVRO_SENHA)\n"
        "  Com o arquivo SaltaLiv.db na pasta do sistema, não há identificação.\n");
    if (subcomando == QLatin1String("preparar"))
        return QStringLiteral(
                   "Uso: livro preparar --inicio DD/MM/AAAA --fim DD/MM/AAAA [--renumerar] --pdf ARQUIVO --usuario NOME\n\n"
                   "Prepara o Livro de Receituário Médico Geral do período, como a tela \"Período\" do programa:\n"
                   "guarda o período, apaga os componentes sem nome e as linhas do livro da loja, numera as\n"
                   "fórmulas do período no livro atual (mantendo os números já dados, ou renumerando com\n"
                   "--renumerar), monta o livro e grava o relatório do livro no arquivo PDF indicado.\n\n"
                   "  --inicio DD/MM/AAAA  primeiro dia do período\n"
                   "  --fim DD/MM/AAAA     último dia do período\n"
                   "  --renumerar          apaga os números das fórmulas do laboratório da loja e numera de novo\n"
                   "  --pdf ARQUIVO        arquivo PDF do livro\n")
               + login;
    if (subcomando == QLatin1String("mostrar"))
        return QStringLiteral("Uso: livro mostrar --pdf ARQUIVO --usuario NOME\n\n"
                              "Grava no arquivo PDF o livro como foi montado pela última vez (sem montar de novo).\n")
               + login;
    if (subcomando == QLatin1String("termo-abertura"))
        return QStringLiteral("Uso: livro termo-abertura --pdf ARQUIVO --usuario NOME\n\n"
                              "Grava no arquivo PDF o Termo de Abertura do livro, com os dados da loja.\n")
               + login;
    if (subcomando == QLatin1String("termo-encerramento"))
        return QStringLiteral("Uso: livro termo-encerramento --pdf ARQUIVO --usuario NOME\n\n"
                              "Grava no arquivo PDF o Termo de Encerramento do livro.\n")
               + login;
    if (subcomando == QLatin1String("configurar"))
        return QStringLiteral("Uso: livro configurar [--livro CODIGO] [--ultima-formula N] --usuario NOME\n\n"
                              "Mostra o código do livro da loja e o número da próxima fórmula. Com as opções,\n"
                              "altera-os como a tela \"Configuração do Livro\":\n"
                              "  --livro CODIGO       código do livro atual (até 3 caracteres)\n"
                              "  --ultima-formula N   número da última fórmula do livro anterior\n"
                              "                       (o livro novo começa em N + 1)\n")
               + login;
    return QStringLiteral(
        "Uso: livro SUBCOMANDO [opções]\n\n"
        "Livro de Registro de Receituário Médico Geral, pela linha de comando.\n\n"
        "Subcomandos:\n"
        "  preparar             prepara o livro de um período e grava-o em PDF\n"
        "  mostrar              grava em PDF o livro como foi montado pela última vez\n"
        "  termo-abertura       grava em PDF o Termo de Abertura\n"
        "  termo-encerramento   grava em PDF o Termo de Encerramento\n"
        "  configurar           mostra ou altera o código do livro e o número da última fórmula\n\n"
        "Use \"livro SUBCOMANDO --help\" para as opções de cada um.\n\n"
        "Saída: 0 feito; 1 feito, com falhas informadas; 2 uso incorreto ou data inválida;\n"
        "3 falha na configuração, no banco de dados ou na identificação.\n");
}
