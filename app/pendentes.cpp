// Commands whose panels and runs are still being built.
#include "app/utombario.h"

void TFormLivros::criaPainelConfigLivro() {}
void TFormLivros::Configurao2Click() {}
void TFormLivros::MostraConteudoLivro() {}
void TFormLivros::BitBtn36Click() {}
void TFormLivros::DBEdit47Exit() {}
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
void TFormLivros::Prepara_Livros_FB(const QDate &, const QDate &) {}
void TFormLivros::Monta_Livros_por_Periodo_FB(const QDate &, const QDate &) {}
void TFormLivros::ermoAbertura1Click() {}
void TFormLivros::ermoEncerramento1Click() {}
void TFormLivros::MostrarnaTela1Click() {}
void TFormLivros::ConfigurarImpressora1Click() {}
