#pragma once
// Fast loading of many rows over one connection: rows are turned into INSERT
// statements, packed into EXECUTE BLOCK statements (one prepare for many rows)
// and sent many blocks per transaction.
#include "data/firebird.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// One row of a table; a column never set is left NULL.
class Registro {
public:
    explicit Registro(QString tabela) : m_tabela(std::move(tabela)) {}

    // A null QString leaves the column NULL; an empty one stores ''.
    Registro &texto(const char *coluna, const QString &valor);
    Registro &inteiro(const char *coluna, qint64 valor);
    Registro &numero(const char *coluna, double valor);
    Registro &data(const char *coluna, const QDate &valor);
    Registro &hora(const char *coluna, const QTime &valor);
    Registro &dataHora(const char *coluna, const QDateTime &valor);

    QString sql() const;

private:
    Registro &poe(const char *coluna, const QString &literal);
    QString m_tabela;
    QStringList m_colunas;
    QStringList m_valores;
};

class Gravador {
public:
    explicit Gravador(ConexaoFirebird &conexao) : m_conexao(conexao) {}
    ~Gravador() = default;

    void insere(const Registro &registro);
    // Sends what is still buffered; throws EFirebirdError on the first
    // statement the database refused.
    void conclui();
    qint64 linhas() const { return m_linhas; }

private:
    void fechaBloco();
    void enviaTransacao();

    ConexaoFirebird &m_conexao;
    QList<ComandoAplicacao> m_blocos;
    QString m_bloco;
    qint64 m_linhas = 0;
};
