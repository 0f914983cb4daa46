#include "comum/ambiente.h"
#include "config/configuracao.h"
#include "config/textos.h"
#include "data/esquema.h"
#include "data/firebird.h"
#include "data/udm.h"
#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {
// The template databases, made once per test program.
QString modelo()
{
    static QTemporaryDir dir;
    static bool feito = false;
    if (!feito) {
        CriaBanco(dir.path() + QStringLiteral("/principal.fdb"), ScriptBancoPrincipal());
        CriaBanco(dir.path() + QStringLiteral("/interface.fdb"), ScriptBancoInterface());
        feito = true;
    }
    return dir.path();
}

void copia(const QString &de, const QString &para)
{
    QDir().mkpath(QFileInfo(para).path());
    QFile::remove(para);
    if (!QFile::copy(de, para))
        throw std::runtime_error("cannot copy template database");
    QFile(para).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
}

ConexaoFirebird *abre(const QString &banco)
{
    auto *c = new ConexaoFirebird(QStringLiteral("teste"));
    DefineParametrosPadrao(*c);
    c->defineParametro(QStringLiteral("RoleName"), QString());
    c->defineParametro(QStringLiteral("Database"), banco);
    return c;
}
}

AmbienteTeste::AmbienteTeste() : m_dir(new QTemporaryDir)
{
    m_torveniaAnterior = qgetenv("TORVENIA_DIR");
    const QString m = modelo();
    copia(m + QStringLiteral("/principal.fdb"), caminho(QStringLiteral("dados/torvenia.bd")));
    copia(m + QStringLiteral("/interface.fdb"), caminho(QStringLiteral("interfac/torvenia.bd")));
    for (const char *e : {"01", "02", "03"})
        copia(m + QStringLiteral("/interface.fdb"), caminho(QStringLiteral("Interfac%1/torvenia.bd").arg(QLatin1String(e))));
    qputenv("TORVENIA_DIR", raiz().toLocal8Bit());
}

AmbienteTeste::~AmbienteTeste()
{
    if (m_torveniaAnterior.isEmpty())
        qunsetenv("TORVENIA_DIR");
    else
        qputenv("TORVENIA_DIR", m_torveniaAnterior);
}

QString AmbienteTeste::raiz() const { return m_dir->path(); }
QString AmbienteTeste::caminho(const QString &relativo) const { return raiz() + QLatin1Char('/') + relativo; }

void AmbienteTeste::executaEm(const QString &banco, const QString &sql) const
{
    std::unique_ptr<ConexaoFirebird> c(abre(banco));
    c->executa(sql);
}

void AmbienteTeste::executa(const QString &sql) const { executaEm(bancoPrincipal(), sql); }

void AmbienteTeste::executa(const QStringList &sqls) const
{
    std::unique_ptr<ConexaoFirebird> c(abre(bancoPrincipal()));
    for (const QString &s : sqls)
        c->executa(s);
}

QString AmbienteTeste::valorEm(const QString &banco, const QString &sql) const
{
    std::unique_ptr<ConexaoFirebird> c(abre(banco));
    const ResultadoConsulta r = c->consulta(sql);
    if (r.linhas.isEmpty() || r.linhas.first().isEmpty() || r.linhas.first().first().isNull())
        return QString();
    const QVariant v = r.linhas.first().first();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    return v.toString();
}

QString AmbienteTeste::valor(const QString &sql) const { return valorEm(bancoPrincipal(), sql); }

QStringList AmbienteTeste::linhas(const QString &sql) const
{
    std::unique_ptr<ConexaoFirebird> c(abre(bancoPrincipal()));
    const ResultadoConsulta r = c->consulta(sql);
    QStringList saida;
    for (const auto &l : r.linhas) {
        QStringList cols;
        for (const QVariant &v : l)
            cols << (v.isNull() ? QString() : v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("yyyy-MM-dd")) : v.toString());
        saida << cols.join(QLatin1Char('|'));
    }
    return saida;
}

QString AmbienteTeste::escreveIni(const QList<QPair<QString, QString>> &valores) const
{
    const QString pasta = caminho(QStringLiteral("programa"));
    QDir().mkpath(pasta);
    QByteArray conteudo;
    for (const auto &p : valores)
        conteudo += ParaWin1252(RotuloCompleto(p.first) + QLatin1Char(' ') + p.second + QStringLiteral("\r\n"));
    QFile f(pasta + QStringLiteral("/TORVENIA.INI"));
    f.open(QIODevice::WriteOnly);
    f.write(conteudo);
    return pasta;
}

void AmbienteTeste::instalaProjetoRelatorios() const
{
    const QString destino = caminho(QStringLiteral("rpt/rptTombario.rav"));
    QDir().mkpath(QFileInfo(destino).path());
    QFile::remove(destino);
    QFile::copy(QStringLiteral(RMG_FONTE_DIR "/rpt/rptTombario.rav"), destino);
}
