#include "config/senha.h"
#include "config/textos.h"
#include <vector>

QString CodificaSenha(const QString &texto)
{
    const QByteArray bytes = ParaWin1252(texto);
    const int m = int(bytes.size() % 32);
    if (m == 0)
        return QString();
    std::vector<bool> bits;
    bits.reserve(8 * m);
    for (int i = 0; i < m; ++i)
        for (int b = 7; b >= 0; --b)
            bits.push_back((static_cast<unsigned char>(bytes[i]) >> b) & 1);
    std::vector<bool> rodado(bits.begin() + 3, bits.end());
    rodado.insert(rodado.end(), bits.begin(), bits.begin() + 3);
    QString codigo;
    codigo.reserve(2 * m);
    for (int g = m - 1; g >= 0; --g) {
        int v = 0;
        for (int b = 0; b < 8; ++b)
            v = (v << 1) | int(rodado[8 * g + b]);
        codigo += QChar(char16_t(65 + v / 16));
        codigo += QChar(char16_t(65 + v % 16));
    }
    return codigo;
}
