#pragma once
// Regional settings: read once at start-up from the system locale (Brazilian
// Portuguese where the locale is C or POSIX); tests set their own.
#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

struct ConfiguracoesRegionais {
    QString formatoDataCurta = QStringLiteral("dd/mm/yyyy"); // Delphi notation: d, m, y
    QChar separadorData = QLatin1Char('/');
    QChar separadorHora = QLatin1Char(':');
    QChar separadorDecimal = QLatin1Char(',');
    QChar separadorMilhar = QLatin1Char('.');
};

const ConfiguracoesRegionais &Regionais();
void DefineRegionais(const ConfiguracoesRegionais &c);
ConfiguracoesRegionais RegionaisDoSistema();

// Formats with a Delphi pattern: d dd m mm yy yyyy h hh n nn s ss; "/" and ":"
// stand for the regional date and time separators; other characters are copied.
QString FormataDataHora(const QDateTime &momento, const QString &formato);
QString FormataData(const QDate &data, const QString &formato);
QString FormataHora(const QTime &hora, const QString &formato);

// A date in the regional short format ("dd/mm/yy" shown to the user).
QString DataCurta(const QDate &data);

// Reads a date typed by the user in the regional short date format: day, month
// and year in the format's order, separated by the regional separator (a '/',
// '-' or '.' is accepted too); two-digit years fall in 1950..2049; an optional
// time after a blank is accepted and ignored. Throws EConvertError
// "'%s' is not a valid date" otherwise.
QDate StrToDate(const QString &texto);
bool TentaStrToDate(const QString &texto, QDate &data);

// Delphi FormatFloat for the patterns the system uses ("##,###,##0.###",
// "#####0", "###0", "0"): '0' forced digit, '#' optional digit, ',' anywhere
// before the point asks for thousands separators, '.' the decimal point.
// Rounds half away from zero. Uses the regional separators.
QString FormataNumero(double valor, const QString &formato);
