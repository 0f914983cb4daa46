#pragma once
#include <QString>

// The help text of the program, or of one subcommand.
QString TextoAjuda(const QString &subcomando = QString());
