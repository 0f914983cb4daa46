#include "reports/comandosrelatorio.h"
#include "config/globais.h"
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

void MostraLivroNaTela(TDM &dm, TRM &rm)
{
    rm.rvpj1.Close();
    if (MaiusculasAZ(ProgramaFarmaciaDeMinas) == QLatin1String("S")) {
        ExecutaConsultaLivro(dm, true);
        rm.rvpj1.ExecuteReport(QStringLiteral("rpt_LivroFarmaciaDeMinas"));
    } else {
        ExecutaConsultaLivro(dm, OrdenaPorCodigoLivro());
        rm.rvpj1.Close();
        rm.rvpj1.ExecuteReport(QStringLiteral("rpt_LivroRMG"));
    }
}

void ImprimeTermoAbertura(TDM &dm, TRM &rm)
{
    SalvaDadosGerEmEdicao(dm);
    rm.rvpj1.Close();
    dm.SQLDS_DadosGer.CommandText = QStringLiteral("select ") + CamposDadosGer
                                    + QStringLiteral(" from DADOSGER where CGC = '") + EscapaSql(CnpjLoja)
                                    + QStringLiteral("'");
    rm.rvpj1.ExecuteReport(QStringLiteral("rpt_TermoAbertura"));
}

void ImprimeTermoEncerramento(TDM &dm, TRM &rm)
{
    SalvaDadosGerEmEdicao(dm);
    rm.rvpj1.Close();
    // The selection made last (the store's row), or every row before any.
    rm.rvpj1.ExecuteReport(QStringLiteral("rpt_TermoEncerramento"));
}
