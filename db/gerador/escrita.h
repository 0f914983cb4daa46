#pragma once
// The database's forced-writes setting: on, every commit waits for the disk;
// off, the operating system writes the pages when it sees fit (faster, but a
// power failure may lose the last commits).
#include <QString>

class ConexaoFirebird;

// Changes the setting of the database at a database string (embedded or on a
// server), attaching as the database's owner.
void DefineEscritaForcada(const QString &banco, bool ligada);
// The setting as the database reports it (MON$DATABASE).
bool EscritaForcadaLigada(ConexaoFirebird &conexao);
