// The report commands of the menu: the book as last assembled, the opening and
// closing terms, and the printer set-up.
#include "app/utombario.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "config/textos.h"
#include "data/tabelas.h"
#include "data/udm.h"
#include "reports/urm.h"

namespace {
// The configuration panel may have the general data in editing: the terms show
// what is saved, so the row is posted and the dataset closed first. A new row
// (the store had none) is saved the same way.
void SalvaDadosGerEmEdicao(TDM &dm)
{
    const EstadoDataSet estado = dm.DadosGer.State();
    if (estado == EstadoDataSet::Edicao || estado == EstadoDataSet::Insercao) {
        dm.DadosGer.Post();
        dm.DadosGer.Close();
    }
}
}

void TFormLivros::MostrarnaTela1Click()
{
    RM->rvpj1.Close();
    if (MaiusculasAZ(ProgramaFarmaciaDeMinas) == QLatin1String("S")) {
        ExecutaConsultaLivro(*DM, true);
        RM->rvpj1.ExecuteReport(QStringLiteral("rpt_LivroFarmaciaDeMinas"));
    } else {
        ExecutaConsultaLivro(*DM, OrdenaPorCodigoLivro());
        RM->rvpj1.Close();
        RM->rvpj1.ExecuteReport(QStringLiteral("rpt_LivroRMG"));
    }
}

void TFormLivros::ermoAbertura1Click()
{
    SalvaDadosGerEmEdicao(*DM);
    RM->rvpj1.Close();
    DM->SQLDS_DadosGer.CommandText = QStringLiteral("select ") + CamposDadosGer
                                     + QStringLiteral(" from DADOSGER where CGC = '") + EscapaSql(CnpjLoja)
                                     + QStringLiteral("'");
    RM->rvpj1.ExecuteReport(QStringLiteral("rpt_TermoAbertura"));
}

void TFormLivros::ermoEncerramento1Click()
{
    SalvaDadosGerEmEdicao(*DM);
    RM->rvpj1.Close();
    // The selection made last (the store's row), or every row before any.
    RM->rvpj1.ExecuteReport(QStringLiteral("rpt_TermoEncerramento"));
}

void TFormLivros::ConfigurarImpressora1Click() { ui().configuraImpressora(); }
