#include "comum/interfaceteste.h"
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

InterfaceTeste::InterfaceTeste() = default;

void InterfaceTeste::mostraMensagem(const QString &texto)
{
    mensagens.append({QStringLiteral("mensagem"), QString(), texto});
    if (aoMostrar)
        aoMostrar(mensagens.last());
}

void InterfaceTeste::mostraErro(const QString &texto)
{
    mensagens.append({QStringLiteral("erro"), QString(), texto});
    if (aoMostrar)
        aoMostrar(mensagens.last());
}

void InterfaceTeste::mostraAviso(const QString &titulo, const QString &texto)
{
    mensagens.append({QStringLiteral("aviso"), titulo, texto});
    if (aoMostrar)
        aoMostrar(mensagens.last());
}

void InterfaceTeste::progressoMostra(const QString &titulo, int maximo)
{
    titulosProgresso << titulo;
    maximosProgresso << maximo;
    progressoVisivel = true;
}

void InterfaceTeste::apresentaRelatorio(const QString &titulo,
                                        const std::function<void(QPagedPaintDevice &)> &desenha)
{
    RelatorioRegistrado r;
    r.titulo = titulo;
    r.pdf = m_dir.filePath(QStringLiteral("relatorio%1.pdf").arg(relatorios.size() + 1));
    {
        QPdfWriter pdf(r.pdf);
        desenha(pdf);
    }
    r.texto = TextoDoPdf(r.pdf);
    r.paginas = PaginasDoPdf(r.pdf);
    relatorios.append(r);
}

QStringList InterfaceTeste::textos(const QString &tipo) const
{
    QStringList l;
    for (const auto &m : mensagens)
        if (tipo.isEmpty() || m.tipo == tipo)
            l << m.texto;
    return l;
}

QString TextoDoPdf(const QString &arquivo)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          arquivo, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginasDoPdf(const QString &arquivo)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {arquivo});
    p.waitForFinished(60000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
