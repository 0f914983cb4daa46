#pragma once
// The demo pharmacy: a plausible month (or more) of a compounding pharmacy's
// orders with everything around them, deterministic from a seed.
#include <QDate>
#include <QString>

// Demo login (name and password as typed on the login panel).
inline const QString kUsuarioDemo = QStringLiteral("DEMO");
inline const QString kSenhaDemo = QStringLiteral("1234");

// Stores of the demo pharmacy and their laboratories (TABLAB).
inline const QString kCnpjLoja1 = QStringLiteral("11222333000181");
inline const QString kCnpjLoja2 = QStringLiteral("11222333000262");
inline const QString kLaboratorioLoja1 = QStringLiteral("Laboratorio Central");
inline const QString kLaboratorioLoja2 = QStringLiteral("Laboratorio Pampulha");

// About what a busy pharmacy compounds in a month; larger sizes spread the
// orders over the following months (100,000 formulas: a year).
constexpr int kFormulasPorMes = 9000;

struct ResumoGeracao {
    int pedidos = 0;
    int formulas = 0;
    int componentes = 0;
    int itens = 0;
    int clientes = 0;
    int compras = 0;
    QDate primeiroDia;
    QDate ultimoDia;
    int numeroInicialLoja1 = 0; // DADOSGER.NUMEROINICIAL of the first store
};

// Fills the main database <raiz>/dados/torvenia.bd (created empty beforehand;
// one that already holds orders or users raises EDatabaseError) with `formulas` formulas, about five components each, starting in the month
// of `mes`; the same seed always gives the same rows. Interface databases
// found under the root (interfac, InterfacNN) get the first month as their
// remembered period. The database's forced writes are left as
// `escritaForcada` says (loading always runs with them off).
ResumoGeracao GeraDadosDemo(const QString &raiz, int formulas, quint32 semente, QDate mes = QDate(2026, 11, 1),
                            bool escritaForcada = false);
