#include "config/textos.h"
#include "config/erros.h"
#include <array>
#include <cctype>
#include <limits>

namespace {
// Code points of bytes 0x80..0x9F in Windows-1252 (0 where the byte is unused).
constexpr std::array<char16_t, 32> kAlto = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
}

QByteArray ParaWin1252(const QString &texto)
{
    QByteArray saida;
    saida.reserve(texto.size());
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            saida.append(char(u));
            continue;
        }
        char byte = '?';
        for (int i = 0; i < 32; ++i)
            if (kAlto[i] == u && u != 0) {
                byte = char(0x80 + i);
                break;
            }
        // Unused bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D map to the C1 controls.
        if (byte == '?' && u >= 0x80 && u < 0xA0 && kAlto[u - 0x80] == 0)
            byte = char(u);
        saida.append(byte);
    }
    return saida;
}

QString DeWin1252(const char *dados, int tamanho)
{
    QString s;
    s.reserve(tamanho);
    for (int i = 0; i < tamanho; ++i) {
        const unsigned char b = static_cast<unsigned char>(dados[i]);
        if (b >= 0x80 && b < 0xA0 && kAlto[b - 0x80] != 0)
            s.append(QChar(kAlto[b - 0x80]));
        else
            s.append(QChar(char16_t(b)));
    }
    return s;
}

QString DeWin1252(const QByteArray &bytes)
{
    return DeWin1252(bytes.constData(), int(bytes.size()));
}

QString MaiusculasAZ(const QString &texto)
{
    QString s = texto;
    for (QChar &c : s)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(char16_t(c.unicode() - 32));
    return s;
}

QString Corta(const QString &texto, int largura)
{
    return texto.size() > largura ? texto.left(largura) : texto;
}

QString TiraEspacos(const QString &texto)
{
    qsizetype ini = 0, fim = texto.size();
    while (ini < fim && texto.at(ini) == QLatin1Char(' '))
        ++ini;
    while (fim > ini && texto.at(fim - 1) == QLatin1Char(' '))
        --fim;
    return texto.mid(ini, fim - ini);
}

QString EscapaSql(const QString &valor)
{
    QString s = valor;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return s;
}

bool TentaStrToInt(const QString &texto, int &valor)
{
    qsizetype i = 0;
    const qsizetype n = texto.size();
    while (i < n && texto.at(i) == QLatin1Char(' '))
        ++i;
    bool negativo = false;
    if (i < n && (texto.at(i) == QLatin1Char('+') || texto.at(i) == QLatin1Char('-'))) {
        negativo = texto.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && texto.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i < n && (texto.at(i) == QLatin1Char('x') || texto.at(i) == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && texto.at(i) == QLatin1Char('0')
               && (texto.at(i + 1) == QLatin1Char('x') || texto.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    qint64 acumulado = 0;
    for (; i < n; ++i) {
        const int d = QChar(texto.at(i)).isDigit() && texto.at(i).unicode() < 128
                          ? texto.at(i).unicode() - '0'
                          : (base == 16 && texto.at(i).unicode() < 128 && std::isxdigit(texto.at(i).unicode())
                                 ? std::toupper(texto.at(i).unicode()) - 'A' + 10
                                 : -1);
        if (d < 0 || d >= base)
            return false;
        acumulado = acumulado * base + d;
        if (acumulado > qint64(1) << 32)
            return false;
    }
    if (negativo)
        acumulado = -acumulado;
    if (acumulado > std::numeric_limits<qint32>::max() || acumulado < std::numeric_limits<qint32>::min())
        return false;
    valor = int(acumulado);
    return true;
}

int StrToInt(const QString &texto)
{
    int v = 0;
    if (!TentaStrToInt(texto, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(texto));
    return v;
}

bool ConfiguracaoSim(const QString &valor)
{
    return !valor.isEmpty() && MaiusculasAZ(valor.left(1)) == QLatin1String("S");
}

QString QuebrasDeLinha(const QString &texto)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
