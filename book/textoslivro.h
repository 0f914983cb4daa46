#pragma once
// The pieces of text the book runs compose: SQL date texts, the prescription
// text of a formula, the prescriber's council line, item quantities.
#include <QDate>
#include <QString>

// A date as the statements take it: "mm/dd/yy" with the regional separator.
QString DataSql(const QDate &data);
// A date as the book and the progress line show it: "dd/mm/yy".
QString DataLivro(const QDate &data);

// One component as the prescription lists it: the typed name, a blank, the
// quantity (regional separators, up to three decimals; none for "QSP") and
// the unit, with no blank between quantity and unit.
QString TextoComponente(const QString &componenteDig, double qdeDig, const QString &unidDig);

// The lot dates after a component: " (Fab: 01/02/24, Val: 01/02/26)", only the
// dates known; empty when neither is.
QString TextoDatasLote(const QString &fabricacao, const QString &validade);

// A capsule form: the form, upper-cased a-z, from its fourth character on (at
// most seven characters) reads "SULA" ("CAPSULA", "CÁPSULA"; not "CAPSULAS").
bool FormaCapsula(const QString &formaFarma);

// The end of a prescription: total quantity or capsules, bottles, dosage.
QString FinalPrescricao(double volumeTotal, const QString &unidade, const QString &formaFarma, int qdeCapsulas,
                        int qdeRotulos, const QString &posologia);

// The council line: "CRM: 12345 - MG" when the state has two characters or
// more; otherwise empty (`soNumero` false) or the council number alone.
QString TextoConselho(const QString &conselho, const QString &crm, const QString &uf, bool soNumero);

// An item quantity as a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
QString QuantidadeInteira(double qde);
