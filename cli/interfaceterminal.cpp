#include "cli/interfaceterminal.h"
#include "config/erros.h"
#include "config/textos.h"
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <unistd.h>

namespace {
QString minutos(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
}
}

InterfaceTerminal::InterfaceTerminal(std::FILE *saida) : m_saida(saida), m_terminal(isatty(fileno(saida))) {}

void InterfaceTerminal::escreve(const QString &tipo, const QString &texto)
{
    apagaBarra();
    std::fprintf(m_saida, "%s: %s\n", tipo.toUtf8().constData(), QuebrasDeLinha(texto).toUtf8().constData());
    std::fflush(m_saida);
}

void InterfaceTerminal::mostraMensagem(const QString &texto)
{
    ++mensagensMostradas;
    escreve(QStringLiteral("Mensagem"), texto);
}

void InterfaceTerminal::mostraErro(const QString &texto)
{
    ++mensagensMostradas;
    ++errosMostrados;
    escreve(QStringLiteral("Erro"), texto);
}

void InterfaceTerminal::mostraAviso(const QString &titulo, const QString &texto)
{
    ++mensagensMostradas;
    escreve(QStringLiteral("Aviso"), TiraEspacos(titulo) + QStringLiteral("\n") + texto);
}

QString InterfaceTerminal::linhaProgresso(const QString &titulo, int feitos, int total, qint64 decorridoMs)
{
    const int largura = 30;
    const int cheios = total > 0 ? int(qint64(largura) * feitos / total) : largura;
    QString barra = QString(cheios, QLatin1Char('#')) + QString(largura - cheios, QLatin1Char('.'));
    QString linha = QStringLiteral("%1 [%2] %3/%4 pedidos  %5").arg(titulo, barra).arg(feitos).arg(total).arg(minutos(decorridoMs));
    if (feitos > 0 && feitos < total)
        linha += QStringLiteral("  faltam ~%1").arg(minutos(decorridoMs * (total - feitos) / feitos));
    return linha;
}

void InterfaceTerminal::progressoMostra(const QString &titulo, int maximo)
{
    m_titulo = titulo;
    m_maximo = maximo;
    m_relogio.start();
    progressoPosicao(0);
}

void InterfaceTerminal::progressoPosicao(int posicao)
{
    if (!m_terminal)
        return;
    std::fprintf(m_saida, "\r%s\x1b[K", linhaProgresso(m_titulo, posicao, m_maximo, m_relogio.elapsed()).toUtf8().constData());
    std::fflush(m_saida);
    m_barraNaTela = true;
}

void InterfaceTerminal::apagaBarra()
{
    if (m_barraNaTela) {
        std::fprintf(m_saida, "\r\x1b[K");
        m_barraNaTela = false;
    }
}

void InterfaceTerminal::progressoOculta() { apagaBarra(); }

void InterfaceTerminal::apresentaRelatorio(const QString &titulo,
                                           const std::function<void(QPagedPaintDevice &)> &desenha)
{
    if (arquivoPdf.isEmpty())
        throw EReportError(QStringLiteral("Nenhum arquivo PDF foi indicado para o relatório %1.").arg(titulo));
    {
        QPdfWriter pdf(arquivoPdf);
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("Receituário Médico Geral"));
        desenha(pdf);
    }
    if (!QFileInfo(arquivoPdf).isFile() || QFileInfo(arquivoPdf).size() == 0)
        throw EInOutError(QStringLiteral("Não foi possível gravar %1.").arg(QDir::toNativeSeparators(arquivoPdf)));
    ++relatoriosGravados;
}

void InterfaceTerminal::configuraImpressora()
{
    escreve(QStringLiteral("Mensagem"), QStringLiteral("A configuração da impressora é feita na janela do programa."));
}
