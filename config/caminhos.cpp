#include "config/caminhos.h"
#include <QDir>

QString RaizPlataforma()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/TORVENIA");
#else
    const QString env = qEnvironmentVariable("TORVENIA_DIR");
    return env.isEmpty() ? QStringLiteral("/var/lib/torvenia") : QDir::cleanPath(env);
#endif
}

QString CaminhoLocal(const QString &caminhoSistema)
{
    QString p = caminhoSistema;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QString raiz = QStringLiteral("c:/torvenia");
    if (p.compare(raiz, Qt::CaseInsensitive) == 0)
        return RaizPlataforma();
    if (p.startsWith(raiz + QLatin1Char('/'), Qt::CaseInsensitive))
        return RaizPlataforma() + p.mid(raiz.size());
    return p;
}
