// The book configuration panel (being built).
#include "app/utombario.h"

void TFormLivros::criaPainelConfigLivro() {}
void TFormLivros::Configurao2Click() {}
void TFormLivros::MostraConteudoLivro() {}
void TFormLivros::BitBtn36Click() {}
void TFormLivros::DBEdit47Exit() {}
