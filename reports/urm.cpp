// Report module (engine still being built).
#include "reports/urm.h"
#include "config/globais.h"
#include "config/textos.h"
#include "data/udm.h"

struct ProjetoRelatorio::Conteudo {};

TRM::TRM(InterfaceUsuario &ui) : m_ui(ui) {}
void TRM::LigaDados(TDM &dm)
{
    rvdsDadosGer.DataSet = &dm.DadosGer;
    rvdsLivroSC.DataSet = &dm.sqlLivroSC;
}
void ProjetoRelatorio::Close() { m_carregado = false; m_conteudo.reset(); }
void ProjetoRelatorio::ExecuteReport(const QString &) {}
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
