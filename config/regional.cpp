#include "config/regional.h"
#include "config/erros.h"
#include <QLocale>
#include <QStringList>
#include <QRegularExpression>
#include <cmath>

namespace {
ConfiguracoesRegionais &atuais()
{
    static ConfiguracoesRegionais c = RegionaisDoSistema();
    return c;
}

QChar primeiroSeparador(const QString &formato, QChar padrao)
{
    for (QChar c : formato)
        if (!c.isLetter())
            return c;
    return padrao;
}
}

ConfiguracoesRegionais RegionaisDoSistema()
{
    QLocale loc = QLocale::system();
    if (loc.language() == QLocale::C)
        loc = QLocale(QLocale::Portuguese, QLocale::Brazil);
    ConfiguracoesRegionais c;
    // Qt writes months as M; the system's own notation uses m (minutes are n).
    QString f = loc.dateFormat(QLocale::ShortFormat);
    f.replace(QLatin1Char('M'), QLatin1Char('m'));
    c.formatoDataCurta = f;
    c.separadorData = primeiroSeparador(f, QLatin1Char('/'));
    c.separadorHora = primeiroSeparador(loc.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    c.separadorDecimal = loc.decimalPoint().at(0);
    c.separadorMilhar = loc.groupSeparator().at(0);
    return c;
}

const ConfiguracoesRegionais &Regionais() { return atuais(); }
void DefineRegionais(const ConfiguracoesRegionais &c) { atuais() = c; }

QString FormataDataHora(const QDateTime &momento, const QString &formato)
{
    const QDate d = momento.date();
    const QTime t = momento.time();
    QString s;
    const auto dois = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    for (qsizetype i = 0; i < formato.size();) {
        const QChar c = formato.at(i).toLower();
        qsizetype n = 1;
        while (i + n < formato.size() && formato.at(i + n).toLower() == c)
            ++n;
        if (c == QLatin1Char('d')) {
            s += n >= 2 ? dois(d.day()) : QString::number(d.day());
        } else if (c == QLatin1Char('m')) {
            s += n >= 2 ? dois(d.month()) : QString::number(d.month());
        } else if (c == QLatin1Char('y')) {
            s += n >= 3 ? QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0')) : dois(d.year() % 100);
        } else if (c == QLatin1Char('h')) {
            s += n >= 2 ? dois(t.hour()) : QString::number(t.hour());
        } else if (c == QLatin1Char('n')) {
            s += n >= 2 ? dois(t.minute()) : QString::number(t.minute());
        } else if (c == QLatin1Char('s')) {
            s += n >= 2 ? dois(t.second()) : QString::number(t.second());
        } else if (c == QLatin1Char('/')) {
            s += QString(n, Regionais().separadorData);
        } else if (c == QLatin1Char(':')) {
            s += QString(n, Regionais().separadorHora);
        } else {
            s += formato.mid(i, n);
        }
        i += n;
    }
    return s;
}

QString FormataData(const QDate &data, const QString &formato)
{
    return FormataDataHora(QDateTime(data, QTime(0, 0)), formato);
}

QString FormataHora(const QTime &hora, const QString &formato)
{
    return FormataDataHora(QDateTime(QDate(1899, 12, 30), hora), formato);
}

QString DataCurta(const QDate &data)
{
    return FormataData(data, Regionais().formatoDataCurta);
}

bool TentaStrToDate(const QString &texto, QDate &data)
{
    QString t = texto.trimmed();
    const qsizetype branco = t.indexOf(QLatin1Char(' '));
    if (branco > 0)
        t = t.left(branco); // a time part is accepted and ignored
    QString normal = t;
    for (QChar &c : normal)
        if (c == Regionais().separadorData || c == QLatin1Char('-') || c == QLatin1Char('.'))
            c = QLatin1Char('/');
    const QStringList partes = normal.split(QLatin1Char('/'));
    if (partes.size() != 3)
        return false;
    // Order of day, month and year as in the regional short format.
    QString ordem;
    for (QChar c : Regionais().formatoDataCurta.toLower())
        if ((c == QLatin1Char('d') || c == QLatin1Char('m') || c == QLatin1Char('y')) && !ordem.contains(c))
            ordem += c;
    if (ordem.size() != 3)
        ordem = QStringLiteral("dmy");
    int dia = 0, mes = 0, ano = 0;
    for (int i = 0; i < 3; ++i) {
        const QString &p = partes.at(i);
        if (p.isEmpty() || p.size() > 4)
            return false;
        bool ok = false;
        const int v = p.toInt(&ok);
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                ok = false;
        if (!ok)
            return false;
        if (ordem.at(i) == QLatin1Char('d'))
            dia = v;
        else if (ordem.at(i) == QLatin1Char('m'))
            mes = v;
        else
            ano = p.size() <= 2 ? (v < 50 ? 2000 + v : 1900 + v) : v;
    }
    const QDate d(ano, mes, dia);
    if (!d.isValid())
        return false;
    data = d;
    return true;
}

QDate StrToDate(const QString &texto)
{
    QDate d;
    if (!TentaStrToDate(texto, d))
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(texto));
    return d;
}

QString FormataNumero(double valor, const QString &formato)
{
    const qsizetype ponto = formato.indexOf(QLatin1Char('.'));
    const QString inteira = ponto < 0 ? formato : formato.left(ponto);
    const QString fracao = ponto < 0 ? QString() : formato.mid(ponto + 1);
    const bool milhar = inteira.contains(QLatin1Char(','));
    const int minInteiros = int(inteira.count(QLatin1Char('0')));
    const int minDecimais = int(fracao.count(QLatin1Char('0')));
    const int maxDecimais = minDecimais + int(fracao.count(QLatin1Char('#')));

    const bool negativo = valor < 0;
    const double escala = std::pow(10.0, maxDecimais);
    // Half away from zero, after removing binary noise such as 2.675 -> 2.67499...
    double absoluto = std::round(std::fabs(valor) * escala * (1.0 + 1e-15)) / escala;
    QString digitos = QString::number(absoluto, 'f', maxDecimais);
    QString parteInt = digitos, parteDec;
    if (const qsizetype p = digitos.indexOf(QLatin1Char('.')); p >= 0) {
        parteInt = digitos.left(p);
        parteDec = digitos.mid(p + 1);
    }
    while (parteDec.size() > minDecimais && parteDec.endsWith(QLatin1Char('0')))
        parteDec.chop(1);
    if (parteInt == QLatin1String("0") && minInteiros == 0)
        parteInt.clear();
    while (parteInt.size() < minInteiros)
        parteInt.prepend(QLatin1Char('0'));
    if (milhar) {
        for (qsizetype i = parteInt.size() - 3; i > 0; i -= 3)
            parteInt.insert(i, Regionais().separadorMilhar);
    }
    QString s = parteInt;
    if (!parteDec.isEmpty())
        s += Regionais().separadorDecimal + parteDec;
    if (negativo && s.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        s.prepend(QLatin1Char('-'));
    return s;
}
