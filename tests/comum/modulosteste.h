#pragma once
// The two data modules over a fresh platform root: globals reset, Brazilian
// regional settings, column lists assigned, DM and DM2 pointed at the
// modules; unless told otherwise both creation hooks run, by default with an
// empty server setting (the embedded databases of the root).
#include "comum/ambiente.h"
#include "comum/interfaceteste.h"
#include "data/udm.h"
#include "data/udm2.h"
#include <memory>

class ModulosTeste {
public:
    // `servidor` is the server setting the modules are created with.
    explicit ModulosTeste(const QString &servidor = QString(), bool criar = true);
    ~ModulosTeste();

    AmbienteTeste ambiente;
    InterfaceTeste ui;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TDM2> dm2;
};
