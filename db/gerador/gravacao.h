#pragma once
// Writing the demo pharmacy's rows.
#include "gerador/gravador.h"
#include "gerador/modelo.h"

// The stores (DADOSGER, TABLAB), the users (USUARIOS) and their stations (ESTACOES).
void GravaCadastros(Gravador &g, const Farmacia &fm);
// CLIENTES and COMPRAS.
void GravaClientesECompras(Gravador &g, const Farmacia &fm);
// PEDIDOS, PEDIFORM, COMPEDID, ITENS.
void GravaPedidos(Gravador &g, const Farmacia &fm);
