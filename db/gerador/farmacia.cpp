#include "gerador/gerador.h"
#include "gerador/modelo.h"
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QString kAmoxarifado = QStringLiteral("Amoxarifado");

// Chooses an index by relative weights.
int porPeso(Aleatorio &a, std::initializer_list<int> pesos)
{
    int total = 0;
    for (int p : pesos)
        total += p;
    int r = a.ate(total);
    int i = 0;
    for (int p : pesos) {
        if (r < p)
            return i;
        r -= p;
        ++i;
    }
    return i - 1;
}

QString nomePessoa(Aleatorio &a)
{
    QString n = a.escolhe(PrimeirosNomes()) + QLatin1Char(' ') + a.escolhe(Sobrenomes());
    if (a.chance(500))
        n += QLatin1Char(' ') + a.escolhe(Sobrenomes());
    return n;
}

QString telefone(Aleatorio &a)
{
    return QStringLiteral("(31) 9%1-%2").arg(a.entre(8000, 9999)).arg(a.entre(0, 9999), 4, 10, QLatin1Char('0'));
}

Cliente clienteAleatorio(Aleatorio &a)
{
    Cliente c;
    // Most registrations are written in capitals, accents included, as the
    // counter programs do; the others in mixed case.
    c.nome = nomePessoa(a);
    if (a.chance(700))
        c.nome = c.nome.toUpper();
    c.nomeCadastro = c.nome;
    c.fone = telefone(a);
    c.endereco = a.escolhe(Ruas()) + QStringLiteral(", ") + QString::number(a.entre(10, 3200));
    c.bairro = a.escolhe(Bairros());
    c.complemento = a.chance(400) ? QStringLiteral("Apto %1").arg(a.entre(1, 20) * 100 + a.entre(1, 4)) : QString();
    const QStringList cidade = a.escolhe(Cidades()).split(QLatin1Char('|'));
    c.cidade = cidade[0];
    c.uf = cidade[1];
    c.cep = QStringLiteral("3%1-%2").arg(a.entre(0, 9999), 4, 10, QLatin1Char('0')).arg(a.entre(0, 999), 3, 10, QLatin1Char('0'));
    c.linhasCadastro = a.chance(850) ? 1 : 0;
    return c;
}

QList<Cliente> montaClientes(Aleatorio a, int quantos)
{
    QList<Cliente> l;
    // The first four are the cases a book tells apart: a name with an
    // apostrophe, two registrations with the same name and phone, a
    // registration whose name differs only in letter case, a client never
    // registered.
    Cliente c = clienteAleatorio(a);
    c.nome = c.nomeCadastro = QStringLiteral("JOANA D'ÁVILA GUIMARÃES");
    c.linhasCadastro = 1;
    l << c;
    c = clienteAleatorio(a);
    c.nome = c.nomeCadastro = QStringLiteral("MARIA DA CONCEIÇÃO SOUZA");
    c.linhasCadastro = 2;
    l << c;
    c = clienteAleatorio(a);
    c.nome = QStringLiteral("Roberto Carlos Nogueira");
    c.nomeCadastro = QStringLiteral("ROBERTO CARLOS NOGUEIRA");
    c.linhasCadastro = 1;
    l << c;
    c = clienteAleatorio(a);
    c.nome = c.nomeCadastro = QStringLiteral("Sebastião Araújo Falcão");
    c.linhasCadastro = 0;
    l << c;
    while (l.size() < quantos)
        l << clienteAleatorio(a);
    // Codes per registering station, in order.
    QHash<QString, int> proximo;
    for (int i = 0; i < l.size(); ++i) {
        Cliente &k = l[i];
        k.estacao = i % 3 == 2 ? QStringLiteral("03") : i % 3 == 1 ? QStringLiteral("02") : QStringLiteral("01");
        k.codigo = ++proximo[k.estacao];
        if (k.linhasCadastro == 2)
            ++proximo[k.estacao];
    }
    return l;
}

// Every raw material of the catalogues, vehicles included, once.
QList<MateriaPrima> todasMateriasPrimas()
{
    QList<MateriaPrima> l;
    QSet<QString> vistos;
    for (TipoForma t : {TipoForma::Capsula, TipoForma::Liquido, TipoForma::Semissolido}) {
        for (const MateriaPrima &m : Ativos(t))
            if (!vistos.contains(m.componente)) {
                vistos.insert(m.componente);
                l << m;
            }
        for (const QString &v : Veiculos(t)) {
            const QString nome = v.toUpper();
            if (!vistos.contains(nome)) {
                vistos.insert(nome);
                l << MateriaPrima{nome, v, QStringLiteral("QSP"), {}, false};
            }
        }
    }
    return l;
}

// Four lots of every raw material: two bought with their dates, one without
// a purchase on record, one bought without a manufacture date.
QList<Lote> montaLotes(Aleatorio a, QDate primeiroDia)
{
    QList<Lote> l;
    for (const MateriaPrima &m : todasMateriasPrimas()) {
        for (int i = 0; i < 4; ++i) {
            Lote lote;
            lote.componente = m.componente;
            lote.fornecedor = a.escolhe(Fornecedores());
            lote.fabricacao = primeiroDia.addDays(-a.entre(60, 500));
            lote.validade = lote.fabricacao.addYears(a.chance(500) ? 2 : 3);
            lote.lote = QStringLiteral("%1%2/%3")
                            .arg(lote.fabricacao.toString(QStringLiteral("yyMM")))
                            .arg(a.entre(100, 999))
                            .arg(QChar(QLatin1Char('A' + i)));
            lote.comCompra = i != 2;
            lote.fabricacaoNula = i == 3;
            l << lote;
        }
    }
    return l;
}

struct Contexto {
    Aleatorio &a;
    const QList<Cliente> &clientes;
    const QList<Lote> &lotes;
    QHash<QString, QList<int>> lotesPorComponente;
};

// The lot used: -1 chooses one (most of them bought), -2 records none.
void poeLote(Contexto &ctx, Componente &c, int indice)
{
    if (indice == -1) {
        if (ctx.a.chance(40))
            return;
        indice = porPeso(ctx.a, {45, 40, 10, 5});
    }
    if (indice < 0)
        return;
    const Lote &l = ctx.lotes[ctx.lotesPorComponente.value(c.componente).at(indice)];
    c.lote = l.lote;
    c.fornecedor = l.fornecedor;
    c.validadeLote = l.validade;
}

Componente ativo(Contexto &ctx, const MateriaPrima &m, const Formula &f, int loteIndice = -1)
{
    Componente c;
    c.componente = m.componente;
    c.digitado = m.digitado;
    c.qdeDig = ctx.a.escolhe(m.doses);
    c.unidDig = m.unidade;
    c.unid = m.unidade.toUpper();
    c.qde = f.tipo == TipoForma::Capsula ? c.qdeDig * std::max(f.qdeCapsulas, 1) : c.qdeDig;
    if (m.controlada)
        c.controlada = ctx.a.chance(850) ? QStringLiteral("S") : QStringLiteral("s");
    else if (ctx.a.chance(900))
        c.controlada = QStringLiteral("N");
    poeLote(ctx, c, loteIndice);
    return c;
}

Componente veiculo(Contexto &ctx, const Formula &f)
{
    const QString v = ctx.a.escolhe(Veiculos(f.tipo));
    Componente c;
    c.componente = v.toUpper();
    c.digitado = v;
    c.unidDig = QStringLiteral("QSP");
    c.unid = f.tipo == TipoForma::Liquido ? QStringLiteral("ML") : QStringLiteral("G");
    c.qde = f.volumeTotal > 0 ? f.volumeTotal : f.qdeCapsulas * 0.3;
    c.qdeDig = f.volumeTotal;
    c.controlada = QStringLiteral("N");
    poeLote(ctx, c, -1);
    return c;
}

QString laboratorioAleatorio(Aleatorio &a)
{
    switch (porPeso(a, {70, 12, 8, 4, 4, 2})) {
    case 0: return kLaboratorioLoja1;
    case 1: return kLaboratorioLoja2;
    case 2: return kAmoxarifado;
    case 3: return QString();
    case 4: return QStringLiteral("");
    default: return kLaboratorioLoja1.toUpper();
    }
}

Formula montaFormula(Contexto &ctx, int numero, const QString &formaPedida = QString())
{
    Aleatorio &a = ctx.a;
    Formula f;
    f.nformula = numero;
    FormaFarmaceutica forma = Formas().first();
    if (formaPedida.isEmpty()) {
        int total = 0;
        for (const FormaFarmaceutica &x : Formas())
            total += x.peso;
        int r = a.ate(total);
        for (const FormaFarmaceutica &x : Formas()) {
            if (r < x.peso) {
                forma = x;
                break;
            }
            r -= x.peso;
        }
    } else {
        for (const FormaFarmaceutica &x : Formas())
            if (x.nome == formaPedida)
                forma = x;
    }
    f.formaFarma = forma.nome;
    f.tipo = forma.tipo;
    f.posologia = a.escolhe(Posologias(f.tipo));
    f.qdeRotulos = QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 3, 0}.at(a.ate(21));
    int ativos = 0;
    bool comVeiculo = true;
    switch (f.tipo) {
    case TipoForma::Capsula:
        f.qdeCapsulas = QList<int>{30, 30, 30, 60, 60, 90, 120, 45}.at(a.ate(8));
        if (a.chance(200)) {
            f.volumeTotal = f.qdeCapsulas;
            f.unidade = QStringLiteral("CAP");
        }
        ativos = a.entre(2, 7);
        comVeiculo = a.chance(850);
        break;
    case TipoForma::Liquido:
        f.volumeTotal = QList<double>{30, 60, 100, 120, 120.5, 150, 200, 250, 500, 1000, 1500}.at(a.ate(11));
        f.unidade = QStringLiteral("ML");
        ativos = a.entre(2, 5);
        comVeiculo = a.chance(950);
        break;
    case TipoForma::Semissolido:
        f.volumeTotal = QList<double>{30, 50, 60, 100, 120, 200}.at(a.ate(6));
        f.unidade = QStringLiteral("G");
        ativos = a.entre(2, 5);
        break;
    }
    QList<MateriaPrima> catalogo = Ativos(f.tipo);
    for (int i = 0; i < ativos && !catalogo.isEmpty(); ++i) {
        const MateriaPrima m = catalogo.takeAt(a.ate(int(catalogo.size())));
        f.componentes << ativo(ctx, m, f);
    }
    if (comVeiculo)
        f.componentes << veiculo(ctx, f);
    f.nomeFormula = f.componentes.first().digitado + (f.componentes.size() > 2 ? QStringLiteral(" composta") : QString());
    f.laboratorio = laboratorioAleatorio(a);
    switch (porPeso(a, {70, 25, 5})) {
    case 0: f.conferido = QStringLiteral("S"); break;
    case 1: f.conferido = QStringLiteral("N"); break;
    default: break;
    }
    f.preco = a.entre(2500, 48000) / 100.0;
    return f;
}

// The buyer, who is also the patient unless the order says otherwise.
void poeCliente(const Contexto &ctx, Pedido &p, int indice)
{
    const Cliente &c = ctx.clientes[indice];
    p.cliente = indice;
    p.ender2 = c.bairro;
    p.paciente = c.nome;
    p.fonePaciente = c.fone;
}

void poePrescritor(Pedido &p, const Prescritor &m)
{
    p.medico = m.nome;
    p.conselho = m.conselho;
    p.crm = m.numero;
    p.uf = m.uf;
}

Pedido montaPedido(Contexto &ctx)
{
    Aleatorio &a = ctx.a;
    Pedido p;
    p.estacao = QStringList{QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")}.at(porPeso(a, {45, 35, 20}));
    switch (porPeso(a, {840, 80, 40, 20, 20})) {
    case 0: p.tipo = QStringLiteral("Pedido"); break;
    case 1: p.tipo = QStringLiteral("Repos"); break;
    case 2: p.tipo = QStringLiteral("Orçamento"); break;
    case 3: p.tipo = QStringLiteral("Cancelado"); break;
    default: p.tipo = QStringLiteral("Troca"); break;
    }
    poeCliente(ctx, p, a.ate(int(ctx.clientes.size())));
    switch (porPeso(a, {80, 17, 3})) {
    case 0: break;
    case 1:
        p.paciente = nomePessoa(a);
        p.fonePaciente = telefone(a);
        break;
    default:
        p.paciente = QString();
        p.fonePaciente = QString();
        break;
    }
    switch (porPeso(a, {950, 25, 25})) {
    case 0: {
        poePrescritor(p, a.escolhe(Prescritores()));
        switch (porPeso(a, {950, 15, 15, 20})) {
        case 0: break;
        case 1: p.conselho = QString(); break;
        case 2: p.conselho = QStringLiteral(""); break;
        default: p.conselho = QStringLiteral("   "); break;
        }
        switch (porPeso(a, {92, 4, 2, 2})) {
        case 0: break;
        case 1: p.uf = QStringLiteral(""); break;
        case 2: p.uf = p.uf.left(1); break;
        default: p.uf = QString(); break;
        }
        break;
    }
    case 1: break;
    default: p.medico = QStringLiteral(""); break;
    }
    p.atendente = a.escolhe(Atendentes());
    return p;
}

QList<ItemPronto> montaItens(Aleatorio &a, int quantos)
{
    QList<ItemPronto> l;
    QList<ProdutoPronto> produtos = ProdutosProntos();
    for (int i = 0; i < quantos && !produtos.isEmpty(); ++i) {
        ItemPronto it;
        it.produto = produtos.takeAt(a.ate(int(produtos.size())));
        it.qde = QList<double>{1, 1, 1, 1, 2, 2, 2.5, 3.5, 1000}.at(a.ate(9));
        it.valor = a.entre(490, 8990) / 100.0;
        l << it;
    }
    return l;
}

const MateriaPrima &materia(const QString &componente)
{
    for (TipoForma t : {TipoForma::Capsula, TipoForma::Liquido, TipoForma::Semissolido})
        for (const MateriaPrima &m : Ativos(t))
            if (m.componente == componente)
                return m;
    return Ativos(TipoForma::Capsula).first();
}

// Puts `m` first in the formula with the given controlled mark and lot.
void poeAtivo(Contexto &ctx, Formula &f, const QString &componente, const QString &controlada, double dose,
              int lote = -1)
{
    for (int i = 0; i < f.componentes.size(); ++i)
        if (f.componentes[i].componente == componente)
            f.componentes.removeAt(i--);
    Componente c = ativo(ctx, materia(componente), f, lote);
    c.controlada = controlada;
    c.qdeDig = dose;
    c.qde = dose * std::max(f.qdeCapsulas, 1);
    f.componentes.prepend(c);
}

// The first orders of the period: one of each kind the book tells apart, so
// that even the smallest demo shows them. Each starts from an order that
// qualifies (type "Pedido", a prescriber with council and state, formulas of
// the first store's laboratory) and changes one thing.
using Caso = std::function<void(Contexto &, Pedido &)>;

QList<Caso> roteiro()
{
    auto forma = [](Contexto &ctx, Pedido &p, const QString &nome) {
        if (!p.formulas.isEmpty()) {
            const QString lab = p.formulas[0].laboratorio;
            p.formulas[0] = montaFormula(ctx, 1, nome);
            p.formulas[0].laboratorio = lab;
        }
    };
    auto lab = [](Pedido &p, const QString &l) {
        if (!p.formulas.isEmpty())
            p.formulas[0].laboratorio = l;
    };
    return {
        [=](Contexto &ctx, Pedido &p) {
            poeCliente(ctx, p, 0);
            forma(ctx, p, QStringLiteral("CAPSULA"));
            if (!p.formulas.isEmpty()) {
                Formula &f = p.formulas[0];
                f.qdeCapsulas = 30;
                f.qdeRotulos = 1;
                f.volumeTotal = 0;
                poeAtivo(ctx, f, QStringLiteral("FLUOXETINA CLORIDRATO"), QStringLiteral("S"), 20, 0);
            }
        },
        [=](Contexto &ctx, Pedido &p) {
            poeCliente(ctx, p, 1);
            p.tipo = QStringLiteral("Repos");
            forma(ctx, p, QStringLiteral("SOLUCAO ORAL"));
            lab(p, kAmoxarifado);
            if (!p.formulas.isEmpty()) {
                p.formulas[0].volumeTotal = 120;
                p.formulas[0].qdeRotulos = 2;
            }
        },
        [=](Contexto &ctx, Pedido &p) {
            poeCliente(ctx, p, 2);
            forma(ctx, p, QStringLiteral("CÁPSULA"));
            if (!p.formulas.isEmpty()) {
                Formula &f = p.formulas[0];
                f.qdeCapsulas = 60;
                f.volumeTotal = 60;
                f.unidade = QStringLiteral("CAP");
                poeAtivo(ctx, f, QStringLiteral("CLONAZEPAM"), QStringLiteral("s"), 0.5);
            }
        },
        [=](Contexto &ctx, Pedido &p) {
            poeCliente(ctx, p, 3);
            forma(ctx, p, QStringLiteral("CAPSULAS"));
            if (!p.formulas.isEmpty()) {
                p.formulas[0].qdeCapsulas = 60;
                p.formulas[0].volumeTotal = 60;
                p.formulas[0].unidade = QStringLiteral("CAP");
            }
        },
        [](Contexto &, Pedido &p) { p.medico = QString(); },
        [](Contexto &, Pedido &p) { p.medico = QStringLiteral(""); },
        [](Contexto &, Pedido &p) { p.conselho = QString(); },
        [](Contexto &, Pedido &p) { p.conselho = QStringLiteral("   "); },
        [](Contexto &, Pedido &p) { p.conselho = QStringLiteral(""); },
        [](Contexto &, Pedido &p) { p.uf = QStringLiteral(""); },
        [](Contexto &, Pedido &p) { p.uf = QStringLiteral("M"); },
        [](Contexto &, Pedido &p) { p.tipo = QStringLiteral("Orçamento"); },
        [](Contexto &, Pedido &p) { p.tipo = QStringLiteral("Cancelado"); },
        [=](Contexto &, Pedido &p) { lab(p, kLaboratorioLoja2); },
        [=](Contexto &, Pedido &p) { lab(p, QString()); },
        [=](Contexto &, Pedido &p) { lab(p, QStringLiteral("")); },
        [=](Contexto &, Pedido &p) { lab(p, kLaboratorioLoja1.toUpper()); },
        [](Contexto &ctx, Pedido &p) {
            // Ready products only, with quantities that round to even.
            p.formulas.clear();
            p.itens = montaItens(ctx.a, 2);
            p.itens[0].qde = 2.5;
            p.itens[1].qde = 3.5;
        },
        [](Contexto &, Pedido &p) {
            if (!p.formulas.isEmpty())
                p.formulas[0].componentes.clear();
        },
        [](Contexto &, Pedido &p) {
            // A component row without a component name.
            if (!p.formulas.isEmpty()) {
                Componente c;
                c.componente = QStringLiteral("");
                c.digitado = QStringLiteral("");
                p.formulas[0].componentes << c;
            }
        },
        [=](Contexto &ctx, Pedido &p) {
            forma(ctx, p, QStringLiteral("Cápsula"));
            if (!p.formulas.isEmpty()) {
                p.formulas[0].qdeCapsulas = 0;
                p.formulas[0].volumeTotal = 0;
            }
        },
        [=](Contexto &ctx, Pedido &p) {
            forma(ctx, p, QStringLiteral("CAPSULA"));
            if (!p.formulas.isEmpty()) {
                Formula &f = p.formulas[0];
                f.volumeTotal = 0;
                poeAtivo(ctx, f, QStringLiteral("BIOTINA"), QStringLiteral("N"), 2.5);
                poeAtivo(ctx, f, QStringLiteral("MAGNESIO QUELATO"), QStringLiteral("N"), 1234.5);
                poeAtivo(ctx, f, QStringLiteral("VITAMINA D3 (COLECALCIFEROL)"), QStringLiteral("N"), 50000);
            }
        },
        [](Contexto &, Pedido &p) {
            if (!p.formulas.isEmpty()) {
                p.formulas[0].usaSubstContr = QStringLiteral("S");
                for (Componente &c : p.formulas[0].componentes)
                    c.controlada = QStringLiteral("N");
            }
        },
        [](Contexto &, Pedido &p) {
            // Numbered in the previous book.
            if (!p.formulas.isEmpty()) {
                p.formulas[0].livro = QStringLiteral("000");
                p.formulas[0].codLivro = 57;
            }
        },
        [](Contexto &, Pedido &p) {
            // Left out by an earlier run under another book content.
            if (!p.formulas.isEmpty()) {
                p.formulas[0].livro = QStringLiteral("");
                p.formulas[0].codLivro = 0;
            }
        },
        [](Contexto &ctx, Pedido &p) { p.ender2 = ctx.clientes[p.cliente].bairro.left(1); },
        [](Contexto &, Pedido &p) {
            p.formulas.clear();
            p.itens.clear();
        },
        [=](Contexto &ctx, Pedido &p) {
            forma(ctx, p, QStringLiteral("CAPSULA"));
            if (!p.formulas.isEmpty()) {
                Formula &f = p.formulas[0];
                f.volumeTotal = 0;
                poeAtivo(ctx, f, QStringLiteral("COENZIMA Q10"), QStringLiteral("N"), 100, -2);
                poeAtivo(ctx, f, QStringLiteral("MELATONINA"), QStringLiteral("N"), 3, 2);
                poeAtivo(ctx, f, QStringLiteral("CAFEINA ANIDRA"), QStringLiteral("N"), 100, 3);
            }
        },
        [=](Contexto &ctx, Pedido &p) {
            forma(ctx, p, QStringLiteral("LOÇÃO CAPILAR"));
            if (!p.formulas.isEmpty()) {
                Formula &f = p.formulas[0];
                f.volumeTotal = 1500;
                f.componentes.removeIf([](const Componente &c) { return c.unidDig == QLatin1String("QSP"); });
                f.componentes << veiculo(ctx, f);
                f.componentes.last().unidDig = QStringLiteral("qsp");
            }
        },
        [](Contexto &ctx, Pedido &p) { p.itens = montaItens(ctx.a, 1); },
        [=](Contexto &ctx, Pedido &p) {
            forma(ctx, p, QStringLiteral("CREME"));
            p.paciente = QStringLiteral("Luíza ") + ctx.clientes[p.cliente].nome.section(QLatin1Char(' '), -1);
        },
    };
}

// Makes an order qualify for the first store's book before a case changes it.
void qualifica(const Contexto &ctx, Pedido &p, int i)
{
    p.tipo = QStringLiteral("Pedido");
    poePrescritor(p, Prescritores().at(i % Prescritores().size()));
    p.ender2 = ctx.clientes[p.cliente].bairro;
    for (Formula &f : p.formulas)
        f.laboratorio = kLaboratorioLoja1;
}

bool qualificaLoja1(const Pedido &p, const Formula &f)
{
    const bool tipo = p.tipo == QLatin1String("Pedido") || p.tipo == QLatin1String("Repos");
    const bool lab = f.laboratorio.isEmpty() || f.laboratorio == kAmoxarifado || f.laboratorio == kLaboratorioLoja1;
    return tipo && !p.medico.isEmpty() && !p.conselho.trimmed().isEmpty() && lab;
}

} // namespace

Farmacia MontaFarmacia(int formulas, quint32 semente, QDate mes)
{
    Aleatorio raiz(semente);
    Farmacia fm;
    fm.primeiroDia = QDate(mes.year(), mes.month(), 1);
    const int meses = std::max(1, (formulas + kFormulasPorMes - 1) / kFormulasPorMes);
    fm.ultimoDia = fm.primeiroDia.addMonths(meses).addDays(-1);

    // About three orders per client over the period.
    fm.clientes = montaClientes(raiz.ramo(1), std::max(40, formulas / 5));
    fm.lotes = montaLotes(raiz.ramo(2), fm.primeiroDia);

    Aleatorio a = raiz.ramo(3);
    Contexto ctx{a, fm.clientes, fm.lotes, {}};
    for (int i = 0; i < fm.lotes.size(); ++i)
        ctx.lotesPorComponente[fm.lotes[i].componente] << i;

    const QList<Caso> casos = roteiro();
    int restantes = formulas;
    for (int i = 0; restantes > 0; ++i) {
        Pedido p = montaPedido(ctx);
        const int quantas = std::min(restantes, QList<int>{1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 4}.at(a.ate(12)));
        for (int n = 1; n <= quantas; ++n)
            p.formulas << montaFormula(ctx, n);
        if (a.chance(80))
            p.itens = montaItens(a, a.entre(1, 2));
        if (i < casos.size()) {
            qualifica(ctx, p, i);
            casos[i](ctx, p);
        }
        restantes -= int(p.formulas.size());
        fm.pedidos << p;
        // Now and then a sale of ready products alone.
        if (a.chance(30)) {
            Pedido s = montaPedido(ctx);
            s.itens = montaItens(a, a.entre(1, 3));
            fm.pedidos << s;
        }
    }

    // Dates run through the period in order; order numbers per station follow.
    const int dias = int(fm.primeiroDia.daysTo(fm.ultimoDia)) + 1;
    const int n = int(fm.pedidos.size());
    QHash<QString, int> numero;
    for (int i = 0; i < n; ++i) {
        Pedido &p = fm.pedidos[i];
        p.data = fm.primeiroDia.addDays(qint64(i) * dias / n);
        p.hora = QTime(8, 0).addSecs(a.ate(11 * 3600));
        p.npedido = 1000 + ++numero[p.estacao];
    }

    // An earlier preparation already numbered the first day's formulas in the
    // first store's book "001"; its next number follows them.
    QList<Pedido *> primeiroDia;
    for (Pedido &p : fm.pedidos)
        if (p.data == fm.primeiroDia)
            primeiroDia << &p;
    std::stable_sort(primeiroDia.begin(), primeiroDia.end(), [](const Pedido *x, const Pedido *y) {
        return x->estacao != y->estacao ? x->estacao < y->estacao : x->npedido < y->npedido;
    });
    int numerados = 0;
    for (Pedido *p : primeiroDia)
        for (Formula &f : p->formulas)
            if (qualificaLoja1(*p, f) && f.livro.isNull() && !f.codLivro) {
                f.livro = QStringLiteral("001");
                f.codLivro = ++numerados;
            }
    fm.numeroInicialLoja1 = numerados + 1;
    return fm;
}
