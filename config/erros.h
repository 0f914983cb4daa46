#pragma once
// Exception types of the system. Each carries the message the user reads and
// the class name that some messages quote ("Classe    : ...").
#include <QString>
#include <QByteArray>
#include <exception>

class EErro : public std::exception {
public:
    explicit EErro(QString mensagem) : m_mensagem(std::move(mensagem)), m_utf8(m_mensagem.toUtf8()) {}
    const QString &mensagem() const { return m_mensagem; }
    virtual QString classe() const { return QStringLiteral("Exception"); }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mensagem;
    QByteArray m_utf8;
};

#define RMG_DECLARA_ERRO(Nome)                                             \
    class Nome : public EErro {                                            \
    public:                                                                \
        using EErro::EErro;                                                \
        QString classe() const override { return QStringLiteral(#Nome); }  \
    };

RMG_DECLARA_ERRO(EConvertError)     // text that is not a number or a date
RMG_DECLARA_ERRO(EInOutError)       // a file that cannot be read or written
RMG_DECLARA_ERRO(EDatabaseError)    // the datasets' own errors
RMG_DECLARA_ERRO(EFirebirdError)    // errors reported by the Firebird client library
RMG_DECLARA_ERRO(EReportError)      // the report engine

// The general error report's record: appends the message, with date and time,
// to the error log under the platform root. Failures to write it are ignored.
void RegistraErro(const QString &classe, const QString &mensagem);

// Path of that log ("c:\torvenia\ErrosReceituario.log" mapped locally).
QString CaminhoLogErros();
