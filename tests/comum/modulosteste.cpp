#include "comum/modulosteste.h"
#include "config/globais.h"
#include "config/regional.h"
#include "data/tabelas.h"

ModulosTeste::ModulosTeste(const QString &servidor, bool criar)
{
    ReiniciaGlobais();
    DefineRegionais(ConfiguracoesRegionais());
    AtribuiCamposConstantes();
    IpServidorCentral = servidor;
    dm = std::make_unique<TDM>(ui);
    dm2 = std::make_unique<TDM2>();
    DM = dm.get();
    DM2 = dm2.get();
    if (criar) {
        dm->DataModuleCreate();
        dm2->DataModuleCreate();
    }
}

ModulosTeste::~ModulosTeste()
{
    DM = nullptr;
    DM2 = nullptr;
    dm2.reset();
    dm.reset();
    ReiniciaGlobais();
}
