// The data layer on the embedded engine: opening a client dataset, moving
// through it, a post with its write-back and re-read, and one direct
// statement, over selections of 1,000 and 10,000 formulas of the demo
// pharmacy; beside them the floor, one committed single-row UPDATE.
#include "bench.h"
#include "data/clientdataset.h"
#include "data/tabelas.h"
#include "data/udm.h"
#include "gerador/escrita.h"
#include "gerador/gerador.h"
#include <QList>
#include <algorithm>
#include <cstdio>

namespace {

std::unique_ptr<ConexaoFirebird> conexaoBench(const QString &raiz)
{
    auto c = std::make_unique<ConexaoFirebird>(QStringLiteral("TorvFDados"));
    DefineParametrosPadrao(*c);
    c->defineParametro(QStringLiteral("RoleName"), QString());
    c->defineParametro(QStringLiteral("Database"), raiz + QStringLiteral("/dados/torvenia.bd"));
    return c;
}

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

// Seconds of each of `vezes` calls.
QList<double> repete(int vezes, const std::function<void(int)> &f)
{
    QList<double> l;
    for (int i = 0; i < vezes; ++i)
        l << Cronometra([&] { f(i); });
    return l;
}

// A formula dataset as the data module declares it, over the first `linhas`
// formulas in key order.
std::unique_ptr<ClientDataSet> formulas(ConexaoFirebird &c, int linhas)
{
    const TabelaDeclarada &t = Tabela(QStringLiteral("PEDIFORM"));
    auto ds = std::make_unique<ClientDataSet>(QStringLiteral("cdsPediform"), c, t.campos,
                                              Resolvedor{t.nome, t.chave, false, false}, t.chave, QString());
    ds->CommandText = QStringLiteral("Select ") + ListaCampos(QStringLiteral("PEDIFORM"))
                      + QStringLiteral(" from PEDIFORM order by ESTACAO, NPEDIDO, NFORMULA rows %1").arg(linhas);
    return ds;
}

void selecao(ConexaoFirebird &c, int linhas, bool escritaForcada)
{
    auto ds = formulas(c, linhas);

    const double abre = mediana(repete(5, [&](int) {
        ds->Close();
        ds->Open();
    }));

    int lidas = 0;
    const double percorre = mediana(repete(3, [&](int) {
        lidas = 0;
        for (ds->First(); !ds->Eof(); ds->Next())
            lidas += ds->FieldByName(QStringLiteral("NFORMULA")).AsInteger() > 0 ? 1 : 0;
    }));

    // The write-back after post as the data module hooks it (apply, then the
    // re-read of the rows sent), and the re-read of the whole selection that
    // the keyless datasets make.
    auto posta = [&](int i) {
        ds->Edit();
        ds->FieldByName(QStringLiteral("OBSERVACAO")).setAsString(QStringLiteral("bench %1").arg(i));
        ds->Post();
    };
    ds->AfterPost = &TDM::GravaERele;
    ds->First();
    const double postChave = mediana(repete(20, posta));
    ds->AfterPost = [](ClientDataSet &d) {
        d.ApplyUpdates(-1);
        d.Refresh();
    };
    const double postTudo = mediana(repete(linhas >= 10000 ? 5 : 10, posta));
    ds->AfterPost = nullptr;
    ds->Close();

    const QString update = QStringLiteral("UPDATE PEDIFORM SET OBSERVACAO = 'direto %1' "
                                          "ORDER BY ESTACAO, NPEDIDO, NFORMULA ROWS %2");
    int alteradas = 0;
    // With forced writes on, a large UPDATE takes tens of seconds: once is enough.
    const double direto = mediana(repete(escritaForcada && linhas >= 10000 ? 1 : 3, [&](int i) { alteradas = c.executa(update.arg(i).arg(linhas)); }));

    std::printf("%6d rows | open %8.2f ms | next %6.2f us/row (%d rows) | post + re-read by key %7.2f ms | "
                "post + whole re-read %8.2f ms | direct UPDATE %8.2f ms (%d rows, %.2f us/row)\n",
                linhas, abre * 1e3, percorre * 1e6 / std::max(lidas, 1), lidas, postChave * 1e3, postTudo * 1e3,
                direto * 1e3, alteradas, direto * 1e6 / std::max(alteradas, 1));
}

// One committed single-row UPDATE, many times: what every post and every
// numbering statement of a book run costs at least.
void piso(ConexaoFirebird &c, bool escritaForcada)
{
    const ResultadoConsulta chave =
        c.consulta(QStringLiteral("select first 1 ESTACAO, NPEDIDO, NFORMULA from PEDIFORM order by ESTACAO, NPEDIDO, NFORMULA"));
    const QString sql = QStringLiteral("UPDATE PEDIFORM SET CODLIVRO = %1 WHERE ESTACAO = '%2' and NPEDIDO = %3 and NFORMULA = %4")
                            .arg(QStringLiteral("%1"), chave.linhas[0][0].toString(), chave.linhas[0][1].toString(),
                                 chave.linhas[0][2].toString());
    const int vezes = escritaForcada ? 100 : 500;
    const QList<double> t = repete(vezes, [&](int i) { c.executa(sql.arg(i + 1)); });
    double soma = 0;
    for (double x : t)
        soma += x;
    std::printf("floor: committed single-row UPDATE | median %.3f ms | mean %.3f ms over %d\n", mediana(t) * 1e3,
                soma / vezes * 1e3, vezes);

    // Every selection runs in a transaction of its own, whose commit also
    // writes to the database: the cost of the one-row look-ups of a run.
    auto ds = formulas(c, 1);
    const QList<double> s = repete(vezes, [&](int) {
        ds->Close();
        ds->Open();
    });
    soma = 0;
    for (double x : s)
        soma += x;
    std::printf("       one-row selection (open)   | median %.3f ms | mean %.3f ms over %d\n", mediana(s) * 1e3,
                soma / vezes * 1e3, vezes);
}

const Medicao medicaoDados("dados", [] {
    const QString raiz = RaizTemporaria();
    const QString banco = raiz + QStringLiteral("/dados/torvenia.bd");
    ResumoGeracao r;
    const double geracao = Cronometra([&] { r = GeraDadosDemo(raiz, 10000, 2026); });
    std::printf("demo database: %d formulas, %d components, %d orders, generated in %.1f s\n", r.formulas,
                r.componentes, r.pedidos, geracao);
    // The demo leaves forced writes off; a pharmacy's server normally has them on.
    for (bool escritaForcada : {false, true}) {
        DefineEscritaForcada(banco, escritaForcada);
        auto c = conexaoBench(raiz);
        std::printf("-- forced writes %s (as the database reports them)\n", EscritaForcadaLigada(*c) ? "on" : "off");
        for (int linhas : {1000, 10000})
            selecao(*c, linhas, escritaForcada);
        piso(*c, escritaForcada);
    }
    std::printf("peak memory %.0f MiB\n", PicoMemoriaMiB());
});

} // namespace
