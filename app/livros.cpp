// The book runs of the window: the preparation run and the period book
// assembly, both in the core, talking to the user through the window.
#include "app/utombario.h"
#include "book/montagem.h"
#include "book/preparacao.h"
#include "data/udm.h"
#include "reports/urm.h"

void TFormLivros::Prepara_Livros_FB(const QDate &inicio, const QDate &fim)
{
    PreparaLivros(*DM, *RM, *m_ui, inicio, fim, RenumerarFormulas,
                  [this](const QDate &i, const QDate &f) { Monta_Livros_por_Periodo_FB(i, f); });
}

void TFormLivros::Monta_Livros_por_Periodo_FB(const QDate &inicio, const QDate &fim)
{
    MontaLivrosPorPeriodo(*DM, *RM, *m_ui, inicio, fim);
}
