// The "Livro" menu, the preparation commands and the period panel (being built).
#include "app/utombario.h"

void TFormLivros::criaPainelPeriodo() {}
void TFormLivros::CapasLivro1Click() { RenumerarFormulas = false; }
void TFormLivros::PrepararLivroLimparNmFrmulas1Click()
{
    RenumerarFormulas = true;
    Preparar1Click();
}
void TFormLivros::Preparar1Click() {}
void TFormLivros::BotDesfPrepClick() {}
void TFormLivros::BotCancelaDesfazerClick() {}
