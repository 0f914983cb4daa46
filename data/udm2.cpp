#include "data/udm2.h"
#include "data/udm.h"

TDM2::TDM2()
    : Periodo(QStringLiteral("Periodo"), SQLConnection1, Tabela(QStringLiteral("PERIODO")).campos,
              {QStringLiteral("PERIODO"), {}, false, false}, {},
              QStringLiteral("select DATAINICIAL, DATAFINAL, HORAINICIAL, HORAFINAL, CHAVE, ESTACAO, NPEDIDO, "
                             "NFORMULA, VALORTOTAL, VALORTOTAL2 from PERIODO"))
{
    DefineParametrosPadrao(SQLConnection1);
    SQLConnection1.defineParametro(QStringLiteral("Database"), QStringLiteral("c:\\torvenia\\interfac\\torvenia.bd"));
    Periodo.FieldByName(QStringLiteral("HORAINICIAL")).EditMask = QStringLiteral("!90:00;1;_");
    Periodo.FieldByName(QStringLiteral("HORAFINAL")).EditMask = QStringLiteral("!90:00;1;_");
    Periodo.AfterPost = &TDM::GravaERele;
}

void TDM2::DataModuleCreate()
{
    SQLConnection1.defineBibliotecaCliente(BibliotecaClienteConfigurada());
}
