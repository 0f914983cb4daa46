#pragma once
// Book fixtures in a few lines: a store with its book data, orders with their
// formulas, components and items, written to the test's main database; and a
// base that gives the book engine its data module, report module and a
// recording user interface.
#include "comum/ambiente.h"
#include "comum/interfaceteste.h"
#include <QDate>
#include <QVariant>
#include <memory>
#include <ostream>

class TDM;
class TRM;

// Readable QString values in the test failures.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

// Column values that replace the defaults; an invalid QVariant stores NULL.
using Valores = QList<QPair<QString, QVariant>>;

inline const QString kLoja = QStringLiteral("11222333000144");

class CenarioLivro {
public:
    explicit CenarioLivro(const AmbienteTeste &amb) : m_amb(amb) {}

    // The store's DADOSGER row.
    CenarioLivro &loja(const QString &cnpj, const QString &codigoLivro, int numeroInicial);
    // The store's TABLAB row.
    CenarioLivro &laboratorio(const QString &cnpj, const QString &laboratorio);
    // An order that qualifies for the book unless `extra` says otherwise.
    CenarioLivro &pedido(const QString &estacao, int npedido, const QDate &data, const Valores &extra = {});
    // A formula of the last order: 30 capsules, one label.
    CenarioLivro &formula(int nformula, const Valores &extra = {});
    // A component of the last formula.
    CenarioLivro &componente(const QString &nome, double qde, const QString &unidade, const Valores &extra = {});
    // A ready-product item of the last order.
    CenarioLivro &item(const QString &codprod, const QString &descricao, double qde, const QString &unidade);
    // Any other row (CLIENTES, COMPRAS, ...).
    CenarioLivro &insere(const QString &tabela, const Valores &valores);
    // Writes everything added so far.
    void grava();

private:
    QString estacao;
    int npedido = 0, nformula = 0;
    const AmbienteTeste &m_amb;
    QStringList m_sqls;
};

// The book engine over a fresh environment: DM, RM, the test interface,
// Brazilian regional settings, the store logged in.
class BaseLivro {
public:
    BaseLivro();
    ~BaseLivro();

    // The preparation run with its hand-over to the assembly.
    void prepara(const QDate &inicio, const QDate &fim, bool renumerar = false);
    // Lines of the store's book: NUMERO|NPEDIDO|... as the query selects them.
    QStringList livro(const QString &colunas = QStringLiteral("NUMERO, NPEDIDO")) const;

    AmbienteTeste amb;
    InterfaceTeste ui;
    CenarioLivro cenario{amb};
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TRM> rm;
};
