#pragma once
// The period book assembly: one book line per booked formula of the period's
// orders, with its composed prescription text and the customer's address, then
// the book report (or, when customer look-ups failed, the list of failures).
#include <QDate>

class TDM;
class TRM;
class InterfaceUsuario;

void MontaLivrosPorPeriodo(TDM &dm, TRM &rm, InterfaceUsuario &ui, const QDate &inicio, const QDate &fim);
