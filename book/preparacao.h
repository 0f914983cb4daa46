#pragma once
// The book preparation run: numbers the period's formulas into the store's
// current book and marks orders, formulas and components as booked (or, for
// the Farmácia de Minas programme, writes one book line per dispensed item),
// then hands over to the book assembly or shows the programme's book.
#include <QDate>
#include <functional>

class TDM;
class TRM;
class InterfaceUsuario;

using MontagemLivro = std::function<void(const QDate &inicio, const QDate &fim)>;

// `renumerar`: the period's formulas of the store's laboratory lose their
// numbers first. `montaLivro` is called with the same dates at the end of the
// general variant.
void PreparaLivros(TDM &dm, TRM &rm, InterfaceUsuario &ui, const QDate &inicio, const QDate &fim, bool renumerar,
                   const MontagemLivro &montaLivro);

// What the period panel's confirmation removes before a run: the component
// rows that name no component (every store) and the store's book lines.
void ApagaDadosAntesDaPreparacao(TDM &dm);
