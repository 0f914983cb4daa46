#include "reports/modelorelatorio.h"

namespace {
void acrescentaConexoes(const QList<BandaRelatorio> &bandas, QStringList &lista)
{
    for (const BandaRelatorio &b : bandas)
        for (const ElementoRelatorio &e : b.elementos)
            for (const TrechoTexto &t : e.trechos)
                if (t.tipo == TrechoTexto::Tipo::Campo && !lista.contains(t.conexao))
                    lista << t.conexao;
}
}

QStringList LayoutRelatorio::conexoesUsadas() const
{
    QStringList lista;
    if (!conexaoDetalhe.isEmpty())
        lista << conexaoDetalhe;
    for (const auto *parte : {&cabecalho, &rodape, &detalhe, &semLinhas})
        acrescentaConexoes(*parte, lista);
    return lista;
}

const LayoutRelatorio *ProjetoRelatorios::procura(const QString &nome) const
{
    for (const LayoutRelatorio &r : relatorios)
        if (r.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}
