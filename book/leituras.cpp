#include "book/leituras.h"
#include "config/globais.h"
#include "config/textos.h"
#include "data/udm.h"

QString Texto(ClientDataSet &ds, const char *campo) { return ds.FieldByName(QLatin1String(campo)).AsString(); }

void LeLaboratorioDaLoja(TDM &dm)
{
    ClientDataSet &q = dm.SQLQuery1;
    q.Close();
    q.CommandText = QStringLiteral("Select LABORATORIO, LOJA from TABLAB where LOJA = '") + EscapaSql(CnpjLoja)
                    + QLatin1Char('\'');
    q.Open();
    if (q.RecordCount() > 0)
        LaboratorioPadrao = Corta(Texto(q, "LABORATORIO"), 30);
    q.Close();
}
