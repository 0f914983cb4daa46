#include "book/mascaradata.h"
#include "config/regional.h"

QString MascaraData(const QDate &hoje)
{
    const QString texto = FormataData(hoje, Regionais().formatoDataCurta);
    // Positions of the first three characters that are not digits.
    QList<qsizetype> separadores;
    for (qsizetype i = 0; i < texto.size() && separadores.size() < 3; ++i)
        if (texto[i] < QLatin1Char('0') || texto[i] > QLatin1Char('9'))
            separadores << i;
    const qsizetype n = texto.size();
    qsizetype l1 = n, l2 = 0, l3 = 0;
    if (separadores.size() >= 1) {
        l1 = separadores[0];
        l2 = (separadores.size() >= 2 ? separadores[1] : n) - separadores[0] - 1;
    }
    if (separadores.size() >= 2)
        // After the second separator, up to the end or up to and including a third one.
        l3 = separadores.size() >= 3 ? separadores[2] - separadores[1] : n - separadores[1] - 1;
    return QLatin1Char('!') + QString(l1, QLatin1Char('9')) + QLatin1Char('/') + QString(l2, QLatin1Char('9'))
           + QLatin1Char('/') + QString(l3, QLatin1Char('9')) + QStringLiteral(";1;_");
}
