#pragma once
// A temporary platform root (TORVENIA_DIR) with fresh main and interface
// databases, created with the embedded engine. Databases are made once per
// test program from the schema and copied for every test.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class AmbienteTeste {
public:
    // Creates the root with dados/torvenia.bd, interfac/torvenia.bd and
    // Interfac01..03/torvenia.bd, and points TORVENIA_DIR at it.
    AmbienteTeste();
    ~AmbienteTeste();

    QString raiz() const;
    QString caminho(const QString &relativo) const; // raiz + "/" + relativo
    QString bancoPrincipal() const { return caminho(QStringLiteral("dados/torvenia.bd")); }

    // Runs statements on the main database (or another database file) directly.
    void executa(const QString &sql) const;
    void executa(const QStringList &sqls) const;
    void executaEm(const QString &banco, const QString &sql) const;
    // First column of the first row, as text (empty when no row or NULL).
    QString valor(const QString &sql) const;
    QString valorEm(const QString &banco, const QString &sql) const;
    // Every row, columns joined by '|'.
    QStringList linhas(const QString &sql) const;

    // Copies the shipped report project to rpt/rptTombario.rav under the root.
    void instalaProjetoRelatorios() const;

    // Writes the settings file TORVENIA.INI in a program folder inside the root.
    // Each pair is a setting name and its value.
    QString escreveIni(const QList<QPair<QString, QString>> &valores) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_torveniaAnterior;
};
