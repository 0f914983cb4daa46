#pragma once
// The demo pharmacy in memory, before it is written: clients, lots, orders
// with their formulas, components and ready products. A null QString is a
// NULL column; an empty one is the empty text.
#include "gerador/aleatorio.h"
#include "gerador/catalogos.h"
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

struct Cliente {
    QString estacao;      // where the client was registered
    int codigo = 0;       // CLIENTES.CODIGO of the first row
    QString nome;         // as the orders write it
    QString nomeCadastro; // as CLIENTES writes it (may differ in letter case)
    QString fone;
    QString endereco;
    QString bairro;
    QString complemento;
    QString cidade;
    QString uf;
    QString cep;
    int linhasCadastro = 1; // CLIENTES rows with this name and phone: 0, 1 or 2
};

// One lot of a raw material and its purchase, if any.
struct Lote {
    QString componente;
    QString lote;
    QString fornecedor;
    bool comCompra = true;
    bool fabricacaoNula = false;
    QDate fabricacao;
    QDate validade;
};

struct Componente {
    QString componente; // stock name; the key within the formula
    QString digitado;
    double qde = 0;
    QString unid;
    double qdeDig = 0;
    QString unidDig;
    QString controlada; // "S", "s", "N" or NULL
    QString lote;       // NULL when no lot was recorded
    QString fornecedor;
    QDate validadeLote;
};

struct Formula {
    int nformula = 0;
    QString formaFarma;
    TipoForma tipo = TipoForma::Capsula;
    QString posologia;
    QString nomeFormula;
    int qdeCapsulas = 0;
    int qdeRotulos = 1;
    double volumeTotal = 0;
    QString unidade;
    QString laboratorio;   // NULL, empty, the store's, "Amoxarifado", another
    QString usaSubstContr; // NULL or "S" before any book run
    QString livro;         // book code, NULL when not numbered
    std::optional<int> codLivro;
    QString conferido;
    double preco = 0;
    QList<Componente> componentes;
};

struct ItemPronto {
    ProdutoPronto produto;
    double qde = 1;
    double valor = 0;
};

struct Pedido {
    QString estacao;
    int npedido = 0;
    QDate data;
    QTime hora;
    QString tipo;
    int cliente = 0; // index in Farmacia::clientes
    QString ender2; // the order's copy, which may be shorter than the client's
    QString paciente;
    QString fonePaciente;
    QString medico;
    QString conselho;
    QString crm;
    QString uf;
    QString atendente;
    QList<Formula> formulas;
    QList<ItemPronto> itens;
};

struct Farmacia {
    QList<Cliente> clientes;
    QList<Lote> lotes;
    QList<Pedido> pedidos;
    QDate primeiroDia;
    QDate ultimoDia;
    int numeroInicialLoja1 = 1;
};

// Builds the whole pharmacy in memory.
Farmacia MontaFarmacia(int formulas, quint32 semente, QDate mes);
