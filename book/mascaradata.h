#pragma once
// The edit mask of the period panel's date fields, built from how today's
// date reads in the regional short date format.
#include <QDate>
#include <QString>

// "!99/99/9999;1;_" for 09/12/2024, "!9/9/9999;1;_" for 5/3/2024: one "9" per
// character of each of the first three groups of today's date.
QString MascaraData(const QDate &hoje = QDate::currentDate());
