#pragma once
// What a pharmacy's orders are made of: people's names, prescribers, raw
// materials with their lots and suppliers, pharmaceutical forms, ready
// products. Plain lists; the choices are made by the generator.
#include <QList>
#include <QString>

struct Prescritor {
    QString nome;
    QString conselho; // CRM, CRO, CRMV...
    QString numero;
    QString uf;
};

// A raw material as the pharmacy stocks it and as a prescription names it.
struct MateriaPrima {
    QString componente;  // stock name (COMPEDID.COMPONENTE, COMPRAS.COMPONENTE)
    QString digitado;    // as prescribed (COMPONENTEDIG)
    QString unidade;     // prescribed unit (UNIDDIG): mg, g, mcg, UI, %...
    QList<double> doses; // usual prescribed quantities in that unit
    bool controlada = false;
};

enum class TipoForma { Capsula, Liquido, Semissolido };

struct FormaFarmaceutica {
    QString nome;    // FORMAFARMA as the pharmacy's programs write it
    TipoForma tipo;
    int peso;        // how often it is chosen, relative
};

struct ProdutoPronto {
    QString codigo;
    QString descricao;
    QString unidade;
};

const QStringList &PrimeirosNomes();
const QStringList &Sobrenomes();
const QStringList &Ruas();
const QStringList &Bairros();
const QStringList &Cidades(); // "Cidade|UF"
const QStringList &Atendentes();
const QList<Prescritor> &Prescritores();
const QList<MateriaPrima> &Ativos(TipoForma tipo);
// The vehicle completing a formula to its total (unit QSP).
const QStringList &Veiculos(TipoForma tipo);
const QList<FormaFarmaceutica> &Formas();
const QStringList &Posologias(TipoForma tipo);
const QStringList &Fornecedores();
const QList<ProdutoPronto> &ProdutosProntos();
