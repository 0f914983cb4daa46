#include "book/textoslivro.h"
#include "config/regional.h"
#include "config/textos.h"
#include <cmath>

QString DataSql(const QDate &data) { return FormataData(data, QStringLiteral("mm/dd/yy")); }

QString DataLivro(const QDate &data)
{
    return data.isValid() ? FormataData(data, QStringLiteral("dd/mm/yy")) : QString();
}

QString TextoComponente(const QString &componenteDig, double qdeDig, const QString &unidDig)
{
    const QString quantidade = MaiusculasAZ(unidDig) == QLatin1String("QSP")
                                   ? QString()
                                   : Corta(FormataNumero(qdeDig, QStringLiteral("##,###,##0.###")), 12);
    return componenteDig + QLatin1Char(' ') + quantidade + unidDig;
}

QString TextoDatasLote(const QString &fabricacao, const QString &validade)
{
    QStringList partes;
    if (!fabricacao.isEmpty())
        partes << QStringLiteral("Fab: ") + fabricacao;
    if (!validade.isEmpty())
        partes << QStringLiteral("Val: ") + validade;
    if (partes.isEmpty())
        return QString();
    return QStringLiteral(" (") + Corta(partes.join(QStringLiteral(", ")), 100) + QLatin1Char(')');
}

bool FormaCapsula(const QString &formaFarma) { return MaiusculasAZ(formaFarma).mid(3, 7) == QLatin1String("SULA"); }

QString FinalPrescricao(double volumeTotal, const QString &unidade, const QString &formaFarma, int qdeCapsulas,
                        int qdeRotulos, const QString &posologia)
{
    QString texto;
    if (volumeTotal != 0 && !FormaCapsula(formaFarma))
        texto = QStringLiteral(". Qde Tot: ") + FormataNumero(volumeTotal, QStringLiteral("#####0")) + unidade;
    else if (qdeCapsulas > 0)
        texto = QStringLiteral(". Qde Cáps:") + FormataNumero(qdeCapsulas, QStringLiteral("#####0"));
    else
        texto = QStringLiteral(".");
    if (qdeRotulos > 1)
        texto += QLatin1Char(' ') + QString::number(qdeRotulos) + QStringLiteral(" frascos.");
    return texto + QStringLiteral(". Posologia: ") + posologia;
}

QString TextoConselho(const QString &conselho, const QString &crm, const QString &uf, bool soNumero)
{
    if (uf.size() >= 2)
        return conselho + QStringLiteral(": ") + crm + QStringLiteral(" - ") + uf;
    return soNumero ? crm : QString();
}

QString QuantidadeInteira(double qde) { return QString::number(qint64(std::nearbyint(qde))); }
