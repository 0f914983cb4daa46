#pragma once
// A connection to a Firebird database through the client library's OO API:
// WIN1252, dialect 3, role, read-committed rec_version wait write transactions
// with hard commits, each statement its own short transaction.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// The kinds of value the system stores. A NULL is an invalid QVariant; the
// others hold QString (text), int (integer), double (double and decimal),
// QDate, QTime, QDateTime or QByteArray (BLOB).
enum class TipoCampo { Texto, TextoFixo, Inteiro, Decimal, Duplo, Data, Hora, DataHora, Blob };

struct ColunaResultado {
    QString nome;
    TipoCampo tipo = TipoCampo::Texto;
    int tamanho = 0; // characters of a text column
    int escala = 0;  // digits after the point of a decimal
};

struct ResultadoConsulta {
    QList<ColunaResultado> colunas;
    QList<QList<QVariant>> linhas;
};

// A statement of an apply run and what became of it.
struct ComandoAplicacao {
    QString sql;
    bool exigeUmaLinha = false; // an UPDATE/DELETE that must find its row
    bool aceito = false;
    QString erro;
};

class ConexaoFirebird {
public:
    explicit ConexaoFirebird(QString nome);
    ~ConexaoFirebird();
    ConexaoFirebird(const ConexaoFirebird &) = delete;
    ConexaoFirebird &operator=(const ConexaoFirebird &) = delete;

    const QString &nome() const { return m_nome; }

    // The connection's parameter list; keys match whatever their letter case
    // ("DataBase" replaces a stored "Database").
    void defineParametro(const QString &chave, const QString &valor);
    QString parametro(const QString &chave) const;
    QStringList parametros() const; // "Key=Value" lines

    // Name of the client library ("gds32.dll" or the one the location file names).
    QString bibliotecaCliente() const { return m_biblioteca; }
    void defineBibliotecaCliente(const QString &nome) { m_biblioteca = nome; }

    void conecta();
    void desconecta();
    bool conectada() const;

    // Executes one statement in a transaction of its own; returns the rows it changed.
    int executa(const QString &sql);
    // Runs a SELECT in a transaction of its own and fetches every row.
    ResultadoConsulta consulta(const QString &sql);
    // Sends an apply run in one transaction committed at its end: a statement
    // the database refuses (or that finds no row when it must) is marked and
    // the others go on.
    void aplica(QList<ComandoAplicacao> &comandos);

    // Where a database string goes: "host:path" to that server unchanged; an
    // empty host or a plain path to the embedded engine with the path mapped
    // under the platform root.
    static QString destinoBanco(const QString &banco);

    // Creates an empty database (WIN1252) at a database string; for set-up and tests.
    static void criaBanco(const QString &banco, const QString &usuario, const QString &senha);

private:
    struct Privado;
    QString m_nome;
    QList<QPair<QString, QString>> m_parametros;
    QString m_biblioteca = QStringLiteral("gds32.dll");
    std::unique_ptr<Privado> d;
};

// Formats a value as an SQL literal: quoted text with doubled quotes, numbers
// with a point, dates 'yyyy-mm-dd', NULL. A decimal with its scale given is
// written with exactly that many digits, so that it equals the stored value.
QString LiteralSql(const QVariant &valor, TipoCampo tipo, int escala = -1);
