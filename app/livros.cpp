// The book runs of the window (being built).
#include "app/utombario.h"

void TFormLivros::Prepara_Livros_FB(const QDate &, const QDate &) {}
void TFormLivros::Monta_Livros_por_Periodo_FB(const QDate &, const QDate &) {}
