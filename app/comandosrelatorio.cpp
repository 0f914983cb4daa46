// The report commands of the menu: the book as last assembled, the opening and
// closing terms (shared with the command line), and the printer set-up.
#include "app/utombario.h"
#include "config/interfaceusuario.h"
#include "data/udm.h"
#include "reports/comandosrelatorio.h"
#include "reports/urm.h"

void TFormLivros::MostrarnaTela1Click() { MostraLivroNaTela(*DM, *RM); }
void TFormLivros::ermoAbertura1Click() { ImprimeTermoAbertura(*DM, *RM); }
void TFormLivros::ermoEncerramento1Click() { ImprimeTermoEncerramento(*DM, *RM); }
void TFormLivros::ConfigurarImpressora1Click() { ui().configuraImpressora(); }
