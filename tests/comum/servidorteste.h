#pragma once
// A private Firebird server for tests, on 127.0.0.1, leaving the system's
// configuration and service alone: its own root folder (configuration copied
// from the system's, messages and plugins linked), its own copy of the
// security database with SYSDBA's password set to the one the system
// connects with, its own lock folder, and aliases in its databases.conf that
// give the system's literal Windows paths to test database files. Stopped by
// its process id when the object goes (and when the test program dies).
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class ServidorTeste {
public:
    // Each pair: an alias (for example "C:\torvenia\dados\torvenia.bd") and
    // the database file it stands for. The port is 3051, or the next free
    // one when 3051 is taken.
    explicit ServidorTeste(const QList<QPair<QString, QString>> &apelidos);
    ~ServidorTeste();
    ServidorTeste(const ServidorTeste &) = delete;
    ServidorTeste &operator=(const ServidorTeste &) = delete;

    bool ativo() const { return m_erro.isEmpty(); }
    const QString &erro() const { return m_erro; } // why it did not start
    int porta() const { return m_porta; }
    // The server setting that reaches it: "localhost/<port>".
    QString servidor() const { return QStringLiteral("localhost/%1").arg(m_porta); }

    void para();

private:
    void inicia(const QList<QPair<QString, QString>> &apelidos);

    QTemporaryDir m_raiz;
    std::unique_ptr<QProcess> m_processo;
    int m_porta = 0;
    QString m_erro;
};
