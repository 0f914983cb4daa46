#include "gerador/gerador.h"
#include "config/erros.h"
#include "data/firebird.h"
#include "data/udm.h"
#include "gerador/escrita.h"
#include "gerador/gravacao.h"
#include <QDir>
#include <QFileInfo>

namespace {

std::unique_ptr<ConexaoFirebird> conecta(const QString &banco)
{
    auto c = std::make_unique<ConexaoFirebird>(QStringLiteral("GeraDados"));
    DefineParametrosPadrao(*c);
    c->defineParametro(QStringLiteral("RoleName"), QString());
    c->defineParametro(QStringLiteral("Database"), banco);
    return c;
}

// The remembered period of each station's interface database: the first
// month, so the period panel opens on it.
void gravaPeriodos(const QString &raiz, const QDate &inicio)
{
    const QDir dir(raiz);
    const QStringList pastas = dir.entryList(QStringList{QStringLiteral("interfac*"), QStringLiteral("Interfac*")},
                                             QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pasta : pastas) {
        const QString banco = dir.filePath(pasta + QStringLiteral("/torvenia.bd"));
        if (!QFileInfo::exists(banco))
            continue;
        auto c = conecta(banco);
        c->executa(QStringLiteral("DELETE FROM PERIODO"));
        c->executa(Registro(QStringLiteral("PERIODO"))
                       .data("DATAINICIAL", inicio)
                       .data("DATAFINAL", inicio.addMonths(1).addDays(-1))
                       .sql());
    }
}

} // namespace

ResumoGeracao GeraDadosDemo(const QString &raiz, int formulas, quint32 semente, QDate mes, bool escritaForcada)
{
    const Farmacia fm = MontaFarmacia(std::max(formulas, 0), semente, mes);
    const QString banco = raiz + QStringLiteral("/dados/torvenia.bd");
    {
        // The rows have fixed keys: a second load would be refused halfway.
        auto c = conecta(banco);
        const ResultadoConsulta r = c->consulta(
            QStringLiteral("select (select count(*) from PEDIDOS) + (select count(*) from USUARIOS) from RDB$DATABASE"));
        if (r.linhas.first().first().toInt() > 0)
            throw EDatabaseError(QStringLiteral("%1 already holds orders or users; the demo needs an empty database")
                                     .arg(banco));
    }
    // Loading needs no disk flush per commit; the setting asked for comes last.
    DefineEscritaForcada(banco, false);
    {
        auto conexao = conecta(banco);
        Gravador g(*conexao);
        GravaCadastros(g, fm);
        GravaClientesECompras(g, fm);
        GravaPedidos(g, fm);
        g.conclui();
    }
    if (escritaForcada)
        DefineEscritaForcada(banco, true);
    gravaPeriodos(raiz, fm.primeiroDia);

    ResumoGeracao r;
    r.pedidos = int(fm.pedidos.size());
    for (const Pedido &p : fm.pedidos) {
        r.formulas += int(p.formulas.size());
        r.itens += int(p.itens.size());
        for (const Formula &f : p.formulas)
            r.componentes += int(f.componentes.size());
    }
    for (const Cliente &c : fm.clientes)
        r.clientes += c.linhasCadastro;
    for (const Lote &l : fm.lotes)
        r.compras += l.comCompra ? 1 : 0;
    r.primeiroDia = fm.primeiroDia;
    r.ultimoDia = fm.ultimoDia;
    r.numeroInicialLoja1 = fm.numeroInicialLoja1;
    return r;
}
