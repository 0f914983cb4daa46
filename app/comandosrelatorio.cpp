// The report commands of the menu (being built).
#include "app/utombario.h"

void TFormLivros::ermoAbertura1Click() {}
void TFormLivros::ermoEncerramento1Click() {}
void TFormLivros::MostrarnaTela1Click() {}
void TFormLivros::ConfigurarImpressora1Click() {}
