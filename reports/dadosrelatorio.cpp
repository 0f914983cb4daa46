#include "reports/dadosrelatorio.h"
#include "config/regional.h"
#include "config/textos.h"
#include "data/clientdataset.h"
#include "reports/urm.h"

DadosRelatorio::DadosRelatorio(const LayoutRelatorio &layout, const QList<const ConexaoDadosRelatorio *> &conexoes)
    : m_layout(layout)
{
    const QStringList usadas = layout.conexoesUsadas();
    for (const ConexaoDadosRelatorio *c : conexoes)
        if (c && c->DataSet && usadas.contains(c->nome, Qt::CaseInsensitive))
            m_datasets.insert(c->nome.toLower(), c->DataSet);
    try {
        for (ClientDataSet *ds : std::as_const(m_datasets)) {
            if (!ds->Active()) {
                ds->Open(); // on its first row
                m_abertosAqui << ds;
            }
        }
        // A layout naming a column the dataset lacks fails before any page is drawn.
        for (const auto *parte : {&layout.cabecalho, &layout.rodape, &layout.detalhe, &layout.semLinhas})
            for (const BandaRelatorio &b : *parte)
                for (const ElementoRelatorio &e : b.elementos)
                    for (const TrechoTexto &t : e.trechos)
                        if (t.tipo == TrechoTexto::Tipo::Campo)
                            if (ClientDataSet *ds = dataset(t.conexao))
                                ds->FieldByName(t.coluna);
    } catch (...) {
        for (ClientDataSet *ds : std::as_const(m_abertosAqui))
            ds->Close();
        throw;
    }
    m_detalhe = dataset(layout.conexaoDetalhe);
}

DadosRelatorio::~DadosRelatorio()
{
    for (ClientDataSet *ds : std::as_const(m_abertosAqui)) {
        try {
            ds->Close();
        } catch (...) {
            // Closing drops the cached rows; nothing useful to report at the report's end.
        }
    }
}

ClientDataSet *DadosRelatorio::dataset(const QString &conexao) const
{
    return conexao.isEmpty() ? nullptr : m_datasets.value(conexao.toLower(), nullptr);
}

bool DadosRelatorio::primeiraLinha()
{
    if (!m_detalhe || !m_detalhe->Active())
        return false;
    const EstadoDataSet estado = m_detalhe->State();
    m_detalheFixo = estado == EstadoDataSet::Edicao || estado == EstadoDataSet::Insercao;
    if (m_detalheFixo)
        return true;
    m_detalhe->First();
    return !m_detalhe->Eof();
}

bool DadosRelatorio::proximaLinha()
{
    if (!m_detalhe || m_detalheFixo)
        return false;
    m_detalhe->Next();
    return !m_detalhe->Eof();
}

QString DadosRelatorio::texto(const TrechoTexto &t, int pagina) const
{
    QString valor;
    switch (t.tipo) {
    case TrechoTexto::Tipo::Literal:
        return t.texto;
    case TrechoTexto::Tipo::Pagina:
        valor = t.formato.isEmpty() ? QString::number(pagina) : FormataNumero(pagina, t.formato);
        break;
    case TrechoTexto::Tipo::Campo: {
        ClientDataSet *ds = dataset(t.conexao);
        if (!ds || !ds->Active() || (ds->RecordCount() == 0 && ds->State() == EstadoDataSet::Navegacao))
            break;
        Campo &c = ds->FieldByName(t.coluna);
        if (c.IsNull())
            break;
        if (t.formato.isEmpty()) {
            valor = c.AsString();
        } else {
            switch (c.tipo()) {
            case TipoCampo::Data:
            case TipoCampo::DataHora:
                valor = FormataData(c.AsDate(), t.formato);
                break;
            case TipoCampo::Inteiro:
            case TipoCampo::Decimal:
            case TipoCampo::Duplo:
                valor = FormataNumero(c.AsFloat(), t.formato);
                break;
            default:
                valor = c.AsString();
            }
        }
        // Fixed-length columns come with their trailing blanks.
        while (valor.endsWith(QLatin1Char(' ')))
            valor.chop(1);
        break;
    }
    }
    return valor.isEmpty() ? t.substituto : valor;
}

QString DadosRelatorio::texto(const QList<TrechoTexto> &trechos, int pagina) const
{
    QString s;
    for (const TrechoTexto &t : trechos)
        s += texto(t, pagina);
    return s;
}
