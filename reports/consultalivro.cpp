// The book query: the store's book lines in book order, read by every book report.
#include "reports/urm.h"
#include "config/globais.h"
#include "config/textos.h"
#include "data/udm.h"

bool OrdenaPorCodigoLivro() { return ConfiguracaoSim(OrdenarPorCodLivro); }

void ExecutaConsultaLivro(TDM &dm, bool porCodigo)
{
    dm.SQLqryLivroSC.Close();
    dm.SQLqryLivroSC.CommandText.clear();
    dm.SQLqryLivroSC.CommandText = QStringLiteral("SELECT * FROM LIVROSC WHERE LOJA = '") + EscapaSql(CnpjLoja)
                                   + (porCodigo ? QStringLiteral("' ORDER BY CODLIVRO,NUMERO,DATA")
                                                : QStringLiteral("' ORDER BY Numero"));
    dm.SQLqryLivroSC.Open();
}
