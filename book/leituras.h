#pragma once
// Small reads shared by the preparation run and the book assembly.
#include <QString>

class ClientDataSet;
class TDM;

// A column of the current row as text.
QString Texto(ClientDataSet &ds, const char *campo);

// The store's laboratory from TABLAB ("Select LABORATORIO, LOJA from TABLAB
// where LOJA = ..."): when a row is found, LaboratorioPadrao takes its first 30
// characters until the program ends.
void LeLaboratorioDaLoja(TDM &dm);
