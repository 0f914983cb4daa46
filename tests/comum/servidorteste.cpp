#include "comum/servidorteste.h"
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString kBinario = QStringLiteral("/usr/sbin/firebird");
const QString kInstalacao = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");
const QString kConfiguracao = QStringLiteral("/etc/firebird/3.0");
const QString kSeguranca = QStringLiteral("/var/lib/firebird/3.0/system/security3.fdb");

// 127.0.0.1:porta accepts a connection (true) or can be bound (free).
bool aceitaConexao(int porta)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(porta));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

bool livre(int porta)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return false;
    const int sim = 1;
    ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(porta));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

QString copia(const QString &de, const QString &para)
{
    QFile::remove(para);
    return QFile::copy(de, para) ? QString() : QStringLiteral("cannot copy %1 to %2").arg(de, para);
}

} // namespace

ServidorTeste::ServidorTeste(const QList<QPair<QString, QString>> &apelidos)
{
    inicia(apelidos);
    if (!ativo())
        para();
}

ServidorTeste::~ServidorTeste() { para(); }

void ServidorTeste::inicia(const QList<QPair<QString, QString>> &apelidos)
{
    const QString isql = QStandardPaths::findExecutable(QStringLiteral("isql-fb"));
    for (const QString &f : {kBinario, kInstalacao, kSeguranca, isql})
        if (f.isEmpty() || !QFileInfo::exists(f)) {
            m_erro = QStringLiteral("Firebird server not installed (missing %1)").arg(f.isEmpty() ? QStringLiteral("isql-fb") : f);
            return;
        }
    const QString r = m_raiz.path();
    QDir raiz(r);
    for (const char *p : {"data", "lock", "tmp", "intl"})
        raiz.mkpath(QLatin1String(p));
    for (const char *p : {"firebird.msg", "plugins", "UDF", "lib"})
        QFile::link(kInstalacao + QLatin1Char('/') + QLatin1String(p), r + QLatin1Char('/') + QLatin1String(p));
    // The character sets module must be a file of this root: the server does
    // not install the character sets from a linked one.
    QString falha = copia(kInstalacao + QStringLiteral("/intl/libfbintl.so"), r + QStringLiteral("/intl/libfbintl.so"));
    for (const char *c : {"firebird.conf", "plugins.conf", "fbintl.conf"})
        if (falha.isEmpty())
            falha = copia(kConfiguracao + QLatin1Char('/') + QLatin1String(c), r + QLatin1Char('/') + QLatin1String(c));
    if (falha.isEmpty())
        falha = copia(kConfiguracao + QStringLiteral("/fbintl.conf"), r + QStringLiteral("/intl/fbintl.conf"));
    if (falha.isEmpty())
        falha = copia(kSeguranca, r + QStringLiteral("/data/security3.fdb"));
    if (!falha.isEmpty()) {
        m_erro = falha;
        return;
    }
    QFile(r + QStringLiteral("/data/security3.fdb")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    for (int p = 3051; p <= 3070 && m_porta == 0; ++p)
        if (livre(p))
            m_porta = p;
    if (m_porta == 0) {
        m_erro = QStringLiteral("no free port from 3051 to 3070 on 127.0.0.1");
        return;
    }
    {
        QFile conf(r + QStringLiteral("/firebird.conf"));
        conf.open(QIODevice::Append);
        conf.write(QStringLiteral("\nRemoteServicePort = %1\nRemoteBindAddress = 127.0.0.1\nSecurityDatabase = %2/data/security3.fdb\n"
                                  "GuardianOption = 0\n")
                       .arg(m_porta)
                       .arg(r)
                       .toLocal8Bit());
        QFile bancos(r + QStringLiteral("/databases.conf"));
        bancos.open(QIODevice::WriteOnly);
        for (const auto &a : apelidos)
            bancos.write((a.first + QStringLiteral(" = ") + a.second + QLatin1Char('\n')).toLocal8Bit());
    }

    QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
    amb.insert(QStringLiteral("FIREBIRD"), r);
    amb.insert(QStringLiteral("FIREBIRD_LOCK"), r + QStringLiteral("/lock"));
    amb.insert(QStringLiteral("FIREBIRD_TMP"), r + QStringLiteral("/tmp"));

    // SYSDBA with the password the system sends, in this root's security database.
    QProcess senha;
    senha.setProcessEnvironment(amb);
    senha.setProcessChannelMode(QProcess::MergedChannels);
    senha.start(isql, {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), r + QStringLiteral("/data/security3.fdb")});
    senha.write("create or alter user SYSDBA password 'quartzine' using plugin Srp;\ncommit;\nexit;\n");
    senha.closeWriteChannel();
    const bool terminou = senha.waitForFinished(60000);
    const QByteArray saida = senha.readAll();
    if (!terminou || senha.exitCode() != 0 || saida.contains("failed")) {
        m_erro = QStringLiteral("cannot set the SYSDBA password: ") + QString::fromLocal8Bit(saida);
        return;
    }

    m_processo = std::make_unique<QProcess>();
    m_processo->setProcessEnvironment(amb);
    m_processo->setProcessChannelMode(QProcess::MergedChannels);
    // The server ends with the test program, whatever way it ends.
    m_processo->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_processo->start(kBinario, {});
    if (!m_processo->waitForStarted(10000)) {
        m_erro = QStringLiteral("cannot start %1: %2").arg(kBinario, m_processo->errorString());
        return;
    }
    const QDeadlineTimer prazo(30000);
    while (!aceitaConexao(m_porta)) {
        if (m_processo->state() != QProcess::Running || prazo.hasExpired()) {
            m_erro = QStringLiteral("the server did not listen on port %1: %2")
                         .arg(m_porta)
                         .arg(QString::fromLocal8Bit(m_processo->readAll()));
            return;
        }
        QThread::msleep(100);
    }
}

void ServidorTeste::para()
{
    if (!m_processo)
        return;
    if (m_processo->state() != QProcess::NotRunning) {
        m_processo->terminate(); // SIGTERM to this process id: the server shuts down
        if (!m_processo->waitForFinished(15000)) {
            m_processo->kill();
            m_processo->waitForFinished(5000);
        }
    }
    m_processo.reset();
}
