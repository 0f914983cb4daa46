#include "data/esquema.h"
#include "data/firebird.h"
#include "data/udm.h"
#include <QDir>
#include <QRegularExpression>

extern const char *const kScriptPrincipal;
extern const char *const kScriptInterface;

QString ScriptBancoPrincipal() { return QString::fromUtf8(kScriptPrincipal); }
QString ScriptBancoInterface() { return QString::fromUtf8(kScriptInterface); }

QStringList ComandosDoScript(const QString &script)
{
    QStringList linhas;
    for (const QString &l : script.split(QLatin1Char('\n')))
        if (!l.trimmed().startsWith(QLatin1String("--")))
            linhas << l;
    QStringList comandos;
    for (const QString &c : linhas.join(QLatin1Char('\n')).split(QLatin1Char(';')))
        if (!c.trimmed().isEmpty())
            comandos << c.trimmed();
    return comandos;
}

void CriaBanco(const QString &banco, const QString &script)
{
    ConexaoFirebird::criaBanco(banco, QStringLiteral("SYSDBA"), QStringLiteral("quartzine"));
    ConexaoFirebird c(QStringLiteral("criacao"));
    DefineParametrosPadrao(c);
    c.defineParametro(QStringLiteral("RoleName"), QString());
    c.defineParametro(QStringLiteral("Database"), banco);
    for (const QString &cmd : ComandosDoScript(script))
        c.executa(cmd);
    c.desconecta();
}

void CriaBancosDaRaiz(const QString &raiz, const QStringList &estacoes)
{
    QDir(raiz).mkpath(QStringLiteral("dados"));
    QDir(raiz).mkpath(QStringLiteral("interfac"));
    CriaBanco(raiz + QStringLiteral("/dados/torvenia.bd"), ScriptBancoPrincipal());
    CriaBanco(raiz + QStringLiteral("/interfac/torvenia.bd"), ScriptBancoInterface());
    for (const QString &e : estacoes) {
        const QString pasta = QStringLiteral("Interfac") + e;
        QDir(raiz).mkpath(pasta);
        CriaBanco(raiz + QLatin1Char('/') + pasta + QStringLiteral("/torvenia.bd"), ScriptBancoInterface());
    }
}
