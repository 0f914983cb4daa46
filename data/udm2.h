#pragma once
// The second data module: the station's interface database and PERIODO.
#include "data/clientdataset.h"
#include "data/firebird.h"

class TDM2 {
public:
    TDM2();
    TDM2(const TDM2 &) = delete;
    TDM2 &operator=(const TDM2 &) = delete;

    void DataModuleCreate();

    ConexaoFirebird SQLConnection1{QStringLiteral("Interfac")};
    ClientDataSet Periodo;
    ClientDataSet &SQLDS_Periodo = Periodo;
};

inline TDM2 *DM2 = nullptr;
