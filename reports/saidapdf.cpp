#include "reports/saidapdf.h"
#include "config/erros.h"
#include "reports/urm.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>

void GravaPdf(const QString &arquivo, const QString &titulo, const SaidaPdf &configuracao,
              const std::function<void(QPagedPaintDevice &)> &desenha)
{
    {
        // QPdfWriter says nothing about a file it cannot create; find out first.
        QFile teste(arquivo);
        if (!teste.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw EInOutError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(QFileInfo(arquivo).absoluteFilePath()),
                                                           teste.errorString()));
    }
    QPdfWriter pdf(arquivo);
    pdf.setTitle(titulo);
    pdf.setCreator(QStringLiteral("Receituário Médico Geral"));
    pdf.setResolution(configuracao.MetafileDPI);
    desenha(pdf);
}
