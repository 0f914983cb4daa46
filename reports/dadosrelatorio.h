#pragma once
// The data connections of one report execution: a closed dataset the layout
// reads is opened on its first row and closed again at the end; an open one
// is used as it stands and left open.
#include "reports/modelorelatorio.h"
#include <QHash>
#include <QList>

class ClientDataSet;
struct ConexaoDadosRelatorio;

class DadosRelatorio {
public:
    DadosRelatorio(const LayoutRelatorio &layout, const QList<const ConexaoDadosRelatorio *> &conexoes);
    ~DadosRelatorio();
    DadosRelatorio(const DadosRelatorio &) = delete;
    DadosRelatorio &operator=(const DadosRelatorio &) = delete;

    // The dataset behind a connection name (null when the layout does not read it).
    ClientDataSet *dataset(const QString &conexao) const;
    // Moves the detail to its first row / the next one; false when there is none.
    bool primeiraLinha();
    bool proximaLinha();
    // The text of one piece, or of a whole text, on the current rows.
    QString texto(const TrechoTexto &t, int pagina) const;
    QString texto(const QList<TrechoTexto> &trechos, int pagina) const;

private:
    const LayoutRelatorio &m_layout;
    QHash<QString, ClientDataSet *> m_datasets;
    QList<ClientDataSet *> m_abertosAqui;
    ClientDataSet *m_detalhe = nullptr;
    bool m_detalheFixo = false;
};
