// livro: the book commands on the command line, over the same core as the window.
#include "cli/ajuda.h"
#include "cli/argumentos.h"
#include "cli/comandos.h"
#include <QGuiApplication>
#include <cstdio>

namespace {
// The toolkit's own warnings (for instance about a missing runtime folder)
// mean nothing to a pharmacist: only our messages reach the terminal.
void SoErrosGraves(QtMsgType tipo, const QMessageLogContext &, const QString &msg)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "livro: %s\n", msg.toUtf8().constData());
}
}

int main(int argc, char **argv)
{
    qInstallMessageHandler(SoErrosGraves);
    // Reports are laid out with the GUI module; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("livro"));

    const Argumentos args = LeArgumentos(app.arguments().mid(1), OpcoesDosSubcomandos());
    if (!args.erro.isEmpty()) {
        std::fprintf(stderr, "livro: %s\nUse \"livro --help\" para ajuda.\n", args.erro.toUtf8().constData());
        return SaidaUso;
    }
    if (args.ajuda || args.subcomando.isEmpty()) {
        std::fputs(TextoAjuda(args.subcomando).toUtf8().constData(), args.ajuda ? stdout : stderr);
        return args.ajuda ? SaidaOk : SaidaUso;
    }
    return ExecutaSubcomando(args);
}
