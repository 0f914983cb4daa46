// The book preparation (the period panel's deletes, the run and the assembly;
// the report excluded) over the demo pharmacy, for a busy month and for twice
// that period, beside its floor: the same committed writes issued in a bare
// loop, each in its own transaction.
#include "bench.h"
#include "book/montagem.h"
#include "book/preparacao.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "config/regional.h"
#include "config/textos.h"
#include "data/tabelas.h"
#include "data/udm.h"
#include "gerador/gerador.h"
#include "reports/urm.h"
#include <QFile>
#include <QHash>
#include <cstdio>

namespace {

std::unique_ptr<ConexaoFirebird> Conecta(const QString &raiz)
{
    auto c = std::make_unique<ConexaoFirebird>(QStringLiteral("bench"));
    DefineParametrosPadrao(*c);
    c->defineParametro(QStringLiteral("RoleName"), QString());
    c->defineParametro(QStringLiteral("Database"), raiz + QStringLiteral("/dados/torvenia.bd"));
    return c;
}

// A platform root holding a copy of the demo's main database.
QString CopiaDoModelo(const QString &modelo)
{
    const QString raiz = RaizTemporaria();
    const QString destino = raiz + QStringLiteral("/dados/torvenia.bd");
    QFile::remove(destino);
    if (!QFile::copy(modelo + QStringLiteral("/dados/torvenia.bd"), destino))
        throw EInOutError(QStringLiteral("cannot copy the demo database"));
    QFile(destino).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return raiz;
}

using Linhas = QHash<QString, QString>; // key -> columns

Linhas Le(ConexaoFirebird &c, const QString &sql, int colunasChave)
{
    Linhas r;
    for (const auto &l : c.consulta(sql).linhas) {
        QStringList chave, resto;
        for (int i = 0; i < l.size(); ++i)
            (i < colunasChave ? chave : resto) << (l[i].isNull() ? QStringLiteral("<null>") : l[i].toString());
        r.insert(chave.join(QLatin1Char('\x1f')), resto.join(QLatin1Char('\x1f')));
    }
    return r;
}

QString Texto(const QString &v) { return QLatin1Char('\'') + EscapaSql(v) + QLatin1Char('\''); }

// The writes the run committed: every column it changed, one statement per
// mark, number and book line, as the run itself issues them.
QStringList EscritasDaRodada(ConexaoFirebird &antes, ConexaoFirebird &depois)
{
    QStringList sqls;
    const QString pedidos = QStringLiteral("select ESTACAO, NPEDIDO, JANOLIVRO, USASUBSTCONTR from PEDIDOS");
    const Linhas p0 = Le(antes, pedidos, 2), p1 = Le(depois, pedidos, 2);
    for (auto it = p1.cbegin(); it != p1.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('\x1f')), a = p0.value(it.key()).split(QLatin1Char('\x1f')),
                          d = it.value().split(QLatin1Char('\x1f'));
        const QString onde = QStringLiteral(" where ESTACAO = ") + Texto(k[0]) + QStringLiteral(" and NPEDIDO = ") + k[1];
        if (a.value(0) != d.value(0))
            sqls << QStringLiteral("update PEDIDOS set JANOLIVRO = 'S'") + onde;
        if (a.value(1) != d.value(1))
            sqls << QStringLiteral("update PEDIDOS set USASUBSTCONTR = 'S'") + onde;
    }
    const QString formulas = QStringLiteral("select ESTACAO, NPEDIDO, NFORMULA, coalesce(LIVRO, '<null>') || '/' || "
                                            "coalesce(CODLIVRO, -1), USASUBSTCONTR from PEDIFORM");
    const Linhas f0 = Le(antes, formulas, 3), f1 = Le(depois, formulas, 3);
    for (auto it = f1.cbegin(); it != f1.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('\x1f')), a = f0.value(it.key()).split(QLatin1Char('\x1f')),
                          d = it.value().split(QLatin1Char('\x1f'));
        const QString onde = QStringLiteral(" where ESTACAO = ") + Texto(k[0]) + QStringLiteral(" and NPEDIDO = ") + k[1]
                             + QStringLiteral(" and NFORMULA = ") + k[2];
        if (a.value(1) != d.value(1))
            sqls << QStringLiteral("update PEDIFORM set USASUBSTCONTR = 'S'") + onde;
        if (a.value(0) != d.value(0)) {
            const QString livro = d.value(0).section(QLatin1Char('/'), 0, 0);
            const QString numero = d.value(0).section(QLatin1Char('/'), 1);
            sqls << QStringLiteral("update PEDIFORM set LIVRO = ") + Texto(livro) + QStringLiteral(", CODLIVRO = ")
                        + numero + onde;
        }
    }
    const QString componentes = QStringLiteral("select ESTACAO, NPEDIDO, NFORMULA, COMPONENTE, JANOLIVRO from COMPEDID");
    const Linhas c0 = Le(antes, componentes, 4), c1 = Le(depois, componentes, 4);
    for (auto it = c1.cbegin(); it != c1.cend(); ++it) {
        if (c0.value(it.key()) == it.value())
            continue;
        const QStringList k = it.key().split(QLatin1Char('\x1f'));
        sqls << QStringLiteral("update COMPEDID set JANOLIVRO = 'S' where ESTACAO = ") + Texto(k[0])
                    + QStringLiteral(" and NPEDIDO = ") + k[1] + QStringLiteral(" and NFORMULA = ") + k[2]
                    + QStringLiteral(" and COMPONENTE = ") + Texto(k[3]);
    }
    const ResultadoConsulta livro = depois.consulta(QStringLiteral("select ") + CamposLivroSC + QStringLiteral(" from LIVROSC"));
    const QList<DefCampo> campos = Tabela(QStringLiteral("LIVROSC")).campos;
    for (const auto &l : livro.linhas) {
        QStringList valores;
        for (int i = 0; i < l.size(); ++i)
            valores << LiteralSql(l[i], campos[i].tipo);
        sqls << QStringLiteral("insert into LIVROSC (") + CamposLivroSC + QStringLiteral(") values (")
                    + valores.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return sqls;
}

struct Resultado {
    double programa = 0, piso = 0;
    int pedidos = 0, formulas = 0, componentes = 0, linhas = 0, escritas = 0;
};

Resultado MedePeriodo(const QString &modelo, const QDate &inicio, const QDate &fim)
{
    Resultado r;
    {
        auto c = Conecta(modelo);
        const QString periodo = QStringLiteral(" DATAPEDIDO between '%1' and '%2'")
                                    .arg(inicio.toString(Qt::ISODate), fim.toString(Qt::ISODate));
        r.pedidos = c->consulta(QStringLiteral("select count(*) from PEDIDOS where") + periodo).linhas[0][0].toInt();
        r.formulas = c->consulta(QStringLiteral("select count(*) from PEDIFORM f join PEDIDOS p on p.ESTACAO = f.ESTACAO "
                                                "and p.NPEDIDO = f.NPEDIDO where") + periodo).linhas[0][0].toInt();
        r.componentes = c->consulta(QStringLiteral("select count(*) from COMPEDID f join PEDIDOS p on p.ESTACAO = "
                                                   "f.ESTACAO and p.NPEDIDO = f.NPEDIDO where") + periodo)
                            .linhas[0][0].toInt();
    }

    // The program, on its own copy.
    const QString raiz = CopiaDoModelo(modelo);
    InterfaceSilenciosa ui;
    {
        TDM dm(ui);
        dm.DataModuleCreate();
        TRM rm(ui);
        rm.LigaDados(dm);
        DM = &dm;
        RM = &rm;
        r.programa = Cronometra([&] {
            ApagaDadosAntesDaPreparacao(dm);
            try {
                PreparaLivros(dm, rm, ui, inicio, fim, false,
                              [&](const QDate &i, const QDate &f) { MontaLivrosPorPeriodo(dm, rm, ui, i, f); });
            } catch (const EReportError &) {
                // The report is not part of the figure (no project file here).
            }
        });
        DM = nullptr;
        RM = nullptr;
    }
    if (!ui.mensagens.isEmpty())
        std::printf("  mensagens da rodada: %lld (primeira: %s)\n", qlonglong(ui.mensagens.size()),
                    qPrintable(ui.mensagens.first().left(200)));

    // The floor: the same writes on a fresh copy, one transaction each.
    QStringList escritas;
    {
        auto antes = Conecta(modelo), depois = Conecta(raiz);
        escritas = EscritasDaRodada(*antes, *depois);
        r.linhas = depois->consulta(QStringLiteral("select count(*) from LIVROSC")).linhas[0][0].toInt();
    }
    r.escritas = int(escritas.size());
    const QString raizPiso = CopiaDoModelo(modelo);
    {
        auto c = Conecta(raizPiso);
        c->conecta();
        r.piso = Cronometra([&] {
            for (const QString &s : escritas)
                c->executa(s);
        });
    }
    return r;
}

void Imprime(const char *nome, const Resultado &r)
{
    std::printf("  %-10s %6d pedidos %6d fórmulas %7d componentes -> %6d linhas, %6d escritas: programa %7.2f s, "
                "piso %7.2f s, programa/piso %.2f\n",
                nome, r.pedidos, r.formulas, r.componentes, r.linhas, r.escritas, r.programa, r.piso,
                r.piso > 0 ? r.programa / r.piso : 0.0);
    std::fflush(stdout);
}

void MedeLivro()
{
    ReiniciaGlobais();
    DefineRegionais(ConfiguracoesRegionais{});
    AtribuiCamposConstantes();
    CnpjLoja = kCnpjLoja1;
    ConteudoLivro = QStringLiteral("COMPLETO");
    const int formulas = qEnvironmentVariableIntValue("RMG_BENCH_FORMULAS") > 0
                             ? qEnvironmentVariableIntValue("RMG_BENCH_FORMULAS")
                             : 2 * kFormulasPorMes + kFormulasPorMes / 2;
    const bool forcada = qEnvironmentVariableIntValue("RMG_BENCH_ESCRITA_FORCADA") == 1;
    const QDate mes(2026, 11, 1);

    const QString modelo = RaizTemporaria();
    const double tGeracao = Cronometra([&] { GeraDadosDemo(modelo, formulas, 2026, mes, forcada); });
    QString escrita;
    {
        auto c = Conecta(modelo);
        escrita = c->consulta(QStringLiteral("select MON$FORCED_WRITES from MON$DATABASE")).linhas[0][0].toInt() == 1
                      ? QStringLiteral("ligada")
                      : QStringLiteral("desligada");
    }
    std::printf("  dados: %d fórmulas geradas em %.1f s; gravação forçada (forced writes) %s; banco embutido\n",
                formulas, tGeracao, qPrintable(escrita));
    std::fflush(stdout);

    const Resultado um = MedePeriodo(modelo, mes, mes.addMonths(1).addDays(-1));
    Imprime("1 mês", um);
    const Resultado dois = MedePeriodo(modelo, mes, mes.addMonths(2).addDays(-1));
    Imprime("2 meses", dois);
    std::printf("  2 meses / 1 mês: programa %.2f (fórmulas %.2f); metas: programa <= 3 x piso, 2 meses <= 2,2 x 1 mês\n",
                dois.programa / um.programa, double(dois.formulas) / double(um.formulas));
    std::printf("  pico de memória: %.0f MiB\n", PicoMemoriaMiB());
}

Medicao medicaoLivro("livro", MedeLivro);
} // namespace
