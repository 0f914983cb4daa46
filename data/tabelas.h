#pragma once
// The record format of every table the system touches, as the system declares
// it, and the column-list constants built from it.
#include "data/firebird.h"
#include <QList>
#include <QString>
#include <QStringList>

struct DefCampo {
    QString nome;
    TipoCampo tipo = TipoCampo::Texto;
    int tamanho = 0; // text capacity, or the precision of a decimal
    int escala = 0;  // digits after the point of a decimal
    bool naoNulo = false;
};

struct TabelaDeclarada {
    QString nome;
    QList<DefCampo> campos;
    QStringList chave; // empty: no key declared (rows are matched by every column)
};

// PEDIDOS, PEDIFORM, COMPEDID, ITENS, DADOSGER, USUARIOS, ESTACOES, CLIENTES,
// COMPRAS, LIVROSC, PERIODO. Throws EDatabaseError for an unknown name.
const TabelaDeclarada &Tabela(const QString &nome);
// The table's columns in declaration order joined by ", ".
QString ListaCampos(const QString &tabela);

// Column-list constants: "Select " + constant + " from " + table + condition.
inline QString CamposPediform;
inline QString CamposCompedid;
inline QString CamposItens;
inline QString CamposDadosGer;
inline QString CamposLivroSC;
inline QString CamposClientes;
inline QString CamposCompras;

void AtribuiCamposDadosGer();
void AtribuiCamposConstantes(); // all seven
