#include "data/tabelas.h"
#include "config/erros.h"

namespace {
const QList<TabelaDeclarada> &tabelas()
{
    static const QList<TabelaDeclarada> lista = {
#include "data/tabelas.inc"
    };
    return lista;
}
}

const TabelaDeclarada &Tabela(const QString &nome)
{
    for (const TabelaDeclarada &t : tabelas())
        if (t.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return t;
    throw EDatabaseError(QStringLiteral("Table '%1' not declared").arg(nome));
}

QString ListaCampos(const QString &tabela)
{
    QStringList nomes;
    for (const DefCampo &c : Tabela(tabela).campos)
        nomes << c.nome;
    return nomes.join(QStringLiteral(", "));
}

void AtribuiCamposDadosGer()
{
    CamposDadosGer = ListaCampos(QStringLiteral("DADOSGER"));
}

void AtribuiCamposConstantes()
{
    CamposPediform = ListaCampos(QStringLiteral("PEDIFORM"));
    CamposCompedid = ListaCampos(QStringLiteral("COMPEDID"));
    CamposItens = ListaCampos(QStringLiteral("ITENS"));
    AtribuiCamposDadosGer();
    CamposLivroSC = ListaCampos(QStringLiteral("LIVROSC"));
    CamposClientes = ListaCampos(QStringLiteral("CLIENTES"));
    CamposCompras = ListaCampos(QStringLiteral("COMPRAS"));
}
