#pragma once
// The main data module: the connection to the main database and every dataset
// over it, with the hooks that keep the order's formulas, items and
// components selected and write posted rows back at once.
#include "data/clientdataset.h"
#include "data/firebird.h"

class InterfaceUsuario;

class TDM {
public:
    explicit TDM(InterfaceUsuario &ui);
    TDM(const TDM &) = delete;
    TDM &operator=(const TDM &) = delete;

    // Client library from the location file; the main database string.
    void DataModuleCreate();

    ConexaoFirebird sqlcon1{QStringLiteral("TorvFDados")};

    ClientDataSet cdsPedidos;
    ClientDataSet cdsPediform;
    ClientDataSet cdsCompedid;
    ClientDataSet cdsItens;
    ClientDataSet DadosGer;
    ClientDataSet Usuarios;
    ClientDataSet Estacoes;
    ClientDataSet Clientes;
    ClientDataSet Compras;
    ClientDataSet LivroSC;
    ClientDataSet sqlLivroSC;
    ClientDataSet SQLQuery1; // general query: no declared columns, no resolver

    // The commands behind the client datasets: their statement text is the
    // dataset's CommandText.
    ClientDataSet &sqldsPedidos = cdsPedidos;
    ClientDataSet &sqldsPediform = cdsPediform;
    ClientDataSet &sqldsCompedid = cdsCompedid;
    ClientDataSet &sqldsItens = cdsItens;
    ClientDataSet &SQLDS_DadosGer = DadosGer;
    ClientDataSet &SQLDS_Usuarios = Usuarios;
    ClientDataSet &SQLDS_Estacoes = Estacoes;
    ClientDataSet &SQLDS_Clientes = Clientes;
    ClientDataSet &SQLDS_Compras = Compras;
    ClientDataSet &SQLDS_livroSC = LivroSC;
    ClientDataSet &SQLqryLivroSC = sqlLivroSC;

    // Hooks.
    void cdsPedidosAfterScroll(ClientDataSet &ds);
    void cdsPedidosBeforeClose(ClientDataSet &ds);
    void cdsPediformAfterScroll(ClientDataSet &ds);
    void cdsPediformBeforeClose(ClientDataSet &ds);
    void DadosGerAfterInsert(ClientDataSet &ds);
    void LivroSCAfterInsert(ClientDataSet &ds);
    void LivroSCPostError(ClientDataSet &ds, const EErro &erro);
    // cdsPedidosAfterPost, cdsPediformAfterPost, cdsCompedidAfterPost,
    // DadosGerAfterPost, LivroSCAfterPost: the same write-back.
    static void GravaERele(ClientDataSet &ds);

private:
    InterfaceUsuario &m_ui;
};

// The client library named by "c:\torvenia\CaminhoGDS.txt" (first line, first
// 100 characters, plus "GDS32.DLL"), or "gds32.dll". A read error raises EInOutError.
QString BibliotecaClienteConfigurada();

// Connection parameters common to both connections.
void DefineParametrosPadrao(ConexaoFirebird &conexao);

inline TDM *DM = nullptr;
