#include "book/preparacao.h"
#include "book/leituras.h"
#include "book/progresso.h"
#include "book/textoslivro.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "config/textos.h"
#include "data/udm.h"
#include "reports/urm.h"

namespace {
const QString CR = QStringLiteral("\r");

void Marca(ClientDataSet &ds, const char *campo)
{
    ds.Edit();
    ds.FieldByName(QLatin1String(campo)).setAsString(QStringLiteral("S"));
    ds.Post();
}

class Preparacao {
public:
    Preparacao(TDM &dm, InterfaceUsuario &ui) : dm(dm), ui(ui), progresso(ui) {}

    bool executa(const QDate &inicio, const QDate &fim, bool renumerar);
    void livroFarmaciaDeMinas(TRM &rm);

private:
    void leDadosDoLivro();
    bool limpaNumeros();
    void numeraFormulas();
    void marcaComponentes();
    void escreveItens();
    void escreveItem();

    TDM &dm;
    InterfaceUsuario &ui;
    GuardaProgresso progresso;
    QString dataInicial, dataFinal; // as the statements take them
    QString codigoLivro;
    qint32 numero = 0;
};

// Book code and first number from the store's DADOSGER row (none: empty and 0).
void Preparacao::leDadosDoLivro()
{
    dm.DadosGer.Close();
    dm.SQLDS_DadosGer.CommandText = QStringLiteral("Select ") + CamposDadosGer
                                    + QStringLiteral(" from DADOSGER where CGC = '") + EscapaSql(CnpjLoja)
                                    + QLatin1Char('\'');
    dm.DadosGer.Open();
    codigoLivro = Texto(dm.DadosGer, "CODIGOLIVRO");
    numero = dm.DadosGer.FieldByName(QStringLiteral("NUMEROINICIAL")).AsInteger();
    dm.DadosGer.Close();
}

// Clears the number of every formula of the period whose laboratory, upper-cased
// by the database, is the store's laboratory. False when the database refuses.
bool Preparacao::limpaNumeros()
{
    ClientDataSet &q = dm.SQLQuery1;
    q.Close();
    q.CommandText = QStringLiteral("Select LABORATORIO from TABLAB where LOJA = '") + EscapaSql(CnpjLoja)
                    + QLatin1Char('\'');
    q.Open();
    const QString laboratorio = q.RecordCount() > 0 ? MaiusculasAZ(Texto(q, "LABORATORIO")) : QString();
    q.Close();
    try {
        dm.sqlcon1.executa(
            QStringLiteral("Update PEDIFORM set LIVRO = null, CODLIVRO = null where "
                           "PEDIFORM.ESTACAO||PEDIFORM.NPEDIDO =(Select PEDIDOS.ESTACAO||PEDIDOS.NPEDIDO from PEDIDOS "
                           "where (PEDIFORM.ESTACAO = PEDIDOS.ESTACAO and  PEDIFORM.NPEDIDO = PEDIDOS.NPEDIDO ) and "
                           "(DATAPEDIDO between '")
            + dataInicial + QStringLiteral("' and '") + dataFinal + QStringLiteral("')) ")
            + QStringLiteral("and UPPER(PEDIFORM.laboratorio) = '") + EscapaSql(laboratorio) + QLatin1Char('\''));
    } catch (const EErro &) {
        ui.mostraMensagem(QStringLiteral("Erro ao tentar limpar código dos pedidos!"));
        return false;
    }
    return true;
}

bool Preparacao::executa(const QDate &inicio, const QDate &fim, bool renumerar)
{
    leDadosDoLivro();
    dataInicial = DataSql(inicio);
    dataFinal = DataSql(fim);
    if (renumerar && !limpaNumeros())
        return false;

    ClientDataSet &pedidos = dm.cdsPedidos;
    pedidos.Close();
    dm.sqldsPedidos.CommandText =
        QStringLiteral("Select * from PEDIDOS where ((TIPOPEDIDO = 'Pedido') or (TIPOPEDIDO = 'Repos')) and "
                       "(DATAPEDIDO between '")
        + dataInicial + QStringLiteral("' and '") + dataFinal + QStringLiteral("')")
        + QStringLiteral("and (CONSELHOPROFISSIONAL is not null) and (REPLACE(CONSELHOPROFISSIONAL,' ','') <> '') "
                         "and (MEDICO <> '') and (MEDICO is not NULL)")
        + QStringLiteral(" order by DATAPEDIDO, ESTACAO, NPEDIDO");
    pedidos.Open();
    if (pedidos.RecordCount() == 0) {
        ui.mostraAviso(QStringLiteral("Tombario: Não há pedidos neste período!!!"),
                       QStringLiteral("Não há pedidos válidos neste período para a montagem do Livro de Receituário "
                                      "Médico Geral"));
        ui.mostraMensagem(dm.sqldsPedidos.CommandText);
        pedidos.Close();
        dm.cdsPediform.Close();
        dm.cdsCompedid.Close();
        dm.cdsItens.Close();
        return false;
    }

    pedidos.First();
    progresso.mostra(QStringLiteral("Preparando Livro"), pedidos.RecordCount());
    int contador = 0;

    dm.LivroSC.Close();
    dm.SQLDS_livroSC.CommandText = QStringLiteral("Select ") + CamposLivroSC
                                   + QStringLiteral(" from LIVROSC where LOJA = '") + EscapaSql(CnpjLoja)
                                   + QLatin1Char('\'');
    dm.LivroSC.Open();
    dm.LivroSC.EmptyDataSet(); // the cached copy only; the lines were deleted by the period panel

    const bool soEnderecoCompleto = ConfiguracaoSim(SoEnderecoCompleto);
    const bool numeraFormulasDoPedido = MaiusculasAZ(ProgramaFarmaciaDeMinas) == QLatin1String("N");
    while (!pedidos.Eof()) {
        ui.progressoPosicao(++contador);
        ui.progressoPedido(QStringLiteral("Data: ")
                           + DataLivro(pedidos.FieldByName(QStringLiteral("DATAPEDIDO")).AsDate())
                           + QStringLiteral("   Pedido: ") + Texto(pedidos, "ESTACAO") + QLatin1Char('.')
                           + Texto(dm.cdsPediform, "NPEDIDO"));
        ui.processaMensagensPendentes();
        const bool participa = !soEnderecoCompleto
                               || (Texto(pedidos, "ENDER1").size() >= 2 && Texto(pedidos, "ENDER2").size() >= 2);
        if (participa) {
            if (numeraFormulasDoPedido)
                numeraFormulas();
            else
                escreveItens();
        }
        pedidos.Next();
        ui.processaMensagensPendentes();
    }

    progresso.oculta();
    ui.processaMensagensPendentes();
    dm.cdsPediform.Close();
    pedidos.Close();
    dm.cdsCompedid.Close();
    dm.cdsItens.Close();
    dm.DadosGer.Close();
    return true;
}

// The formulas of the current order that belong to the store's laboratory:
// the order and the components are marked, the formula numbered or cleared.
void Preparacao::numeraFormulas()
{
    ClientDataSet &pedidos = dm.cdsPedidos;
    ClientDataSet &formulas = dm.cdsPediform;
    const QString estacao = Texto(pedidos, "ESTACAO");
    const QString npedido = Texto(pedidos, "NPEDIDO");
    const QString conteudo = MaiusculasAZ(ConteudoLivro);
    while (formulas.Active() && !formulas.Eof() && Texto(formulas, "ESTACAO") == estacao
           && Texto(formulas, "NPEDIDO") == npedido) {
        LeLaboratorioDaLoja(dm);

        const QString laboratorio = Texto(formulas, "LABORATORIO");
        if (laboratorio.isEmpty() || laboratorio == QLatin1String("Amoxarifado") || laboratorio == LaboratorioPadrao) {
            Marca(pedidos, "JANOLIVRO");
            marcaComponentes();

            const bool controlada = Texto(formulas, "USASUBSTCONTR") == QLatin1String("S");
            bool numerada;
            if (conteudo == QLatin1String("COMPLETO"))
                numerada = true;
            else if (conteudo == QLatin1String("SOMENTE CONTROLADOS"))
                numerada = controlada;
            else
                numerada = !controlada;

            const QString condicao = QStringLiteral("ESTACAO = '") + EscapaSql(Texto(formulas, "ESTACAO"))
                                     + QStringLiteral("' and ") + QStringLiteral("Npedido = '")
                                     + Texto(formulas, "NPEDIDO") + QStringLiteral("' and ")
                                     + QStringLiteral("NFormula = '") + Texto(formulas, "NFORMULA")
                                     + QStringLiteral("' ;");
            if (!numerada) {
                dm.sqlcon1.executa(QStringLiteral("UPDATE PEDIFORM SET LIVRO = '' , CODLIVRO = 0 WHERE ") + condicao);
            } else if (TiraEspacos(Texto(formulas, "CODLIVRO")).isEmpty()) {
                // Only a formula without a number gets one; 0 counts as a number.
                dm.sqlcon1.executa(QStringLiteral("UPDATE PEDIFORM SET LIVRO = '") + EscapaSql(codigoLivro)
                                   + QStringLiteral("' , CODLIVRO = '") + QString::number(numero)
                                   + QStringLiteral("' WHERE ") + condicao);
                ++numero;
            }
        }
        formulas.Next();
        ui.processaMensagensPendentes();
    }
}

// Marks the current formula's components as booked; a controlled one marks
// the order and the formula as using controlled substances.
void Preparacao::marcaComponentes()
{
    ClientDataSet &formulas = dm.cdsPediform;
    ClientDataSet &componentes = dm.cdsCompedid;
    const QString estacao = Texto(formulas, "ESTACAO");
    const QString npedido = Texto(formulas, "NPEDIDO");
    const QString nformula = Texto(formulas, "NFORMULA");
    while (componentes.Active() && !componentes.Eof() && Texto(componentes, "ESTACAO") == estacao
           && Texto(componentes, "NPEDIDO") == npedido && Texto(componentes, "NFORMULA") == nformula) {
        if (Texto(componentes, "CONTROLADA").startsWith(QLatin1Char('S'))) {
            Marca(dm.cdsPedidos, "USASUBSTCONTR");
            Marca(formulas, "USASUBSTCONTR");
        }
        try {
            Marca(componentes, "JANOLIVRO");
        } catch (const EErro &e) {
            const QString est = Texto(componentes, "ESTACAO");
            const QString ped = Texto(componentes, "NPEDIDO");
            ui.mostraMensagem(QStringLiteral("Não foi possível salvar os dados!") + CR
                              + QStringLiteral("Favor localizar o pedido ") + est + QLatin1Char('.') + ped
                              + QStringLiteral(" e verificar se há algum problema nos dados fornecidos.") + CR
                              + QStringLiteral("Classe    : ") + e.classe() + CR + QStringLiteral("Mensagem  : ")
                              + e.mensagem() + CR + QStringLiteral("Nº Pedido : ") + est + QLatin1Char('.') + ped
                              + QLatin1Char('.') + Texto(componentes, "NFORMULA"));
        }
        componentes.Next();
        ui.processaMensagensPendentes();
    }
}

// Farmácia de Minas: one book line per item of the current order.
void Preparacao::escreveItens()
{
    ClientDataSet &pedidos = dm.cdsPedidos;
    ClientDataSet &itens = dm.cdsItens;
    const QString estacao = Texto(pedidos, "ESTACAO");
    const QString npedido = Texto(pedidos, "NPEDIDO");
    while (itens.Active() && !itens.Eof() && Texto(itens, "ESTACAO") == estacao
           && Texto(itens, "NPEDIDO") == npedido) {
        escreveItem();
        itens.Next();
        ui.processaMensagensPendentes();
    }
}

void Preparacao::escreveItem()
{
    ClientDataSet &pedidos = dm.cdsPedidos;
    ClientDataSet &itens = dm.cdsItens;
    ClientDataSet &livro = dm.LivroSC;
    livro.Append();
    ++numero;
    auto poe = [&livro](const char *campo, const QString &valor) {
        livro.FieldByName(QLatin1String(campo)).setAsString(valor);
    };
    const QString uf = Texto(pedidos, "UFCONSELHO");
    poe("CONTROLADO", QStringLiteral(" "));
    poe("CODLIVRO", codigoLivro);
    livro.FieldByName(QStringLiteral("NUMERO")).setAsInteger(numero);
    livro.FieldByName(QStringLiteral("DATA")).setAsDate(pedidos.FieldByName(QStringLiteral("DATAPEDIDO")).AsDate());
    poe("NOMECLIENTE", Texto(pedidos, "NOME") + QStringLiteral(" (para: ") + Texto(pedidos, "PACIENTE")
                           + QLatin1Char(')'));
    poe("COMPLEMENTO", Texto(pedidos, "FONEPACIENTE"));
    poe("MEDICO", Texto(pedidos, "MEDICO") + QStringLiteral(" (") + Texto(pedidos, "CONSELHOPROFISSIONAL")
                      + QStringLiteral(": ") + Texto(pedidos, "CRM") + QLatin1Char('/') + uf + QLatin1Char(')'));
    if (uf.size() >= 2)
        poe("CRM", TextoConselho(Texto(pedidos, "CONSELHOPROFISSIONAL"), Texto(pedidos, "CRM"), uf, false));
    poe("NPEDIDO", Texto(itens, "ESTACAO") + QLatin1Char('.') + Texto(itens, "NPEDIDO"));
    poe("PRESCRICOES", Texto(itens, "DESCRICAO") + QStringLiteral("   Qde:")
                           + QuantidadeInteira(itens.FieldByName(QStringLiteral("QDE")).AsFloat())
                           + QLatin1Char(' ') + Texto(itens, "UNIDADE"));
    poe("CONFERIDO", QStringLiteral("S"));
    try {
        livro.Post();
    } catch (const EErro &) {
        ui.mostraMensagem(QStringLiteral("3) Erro tentando salvar registro na tabela LivroSC.") + CR
                          + QStringLiteral("Loja......: ") + Texto(livro, "LOJA") + CR
                          + QStringLiteral("CodLivro: ") + Texto(livro, "CODLIVRO") + CR
                          + QStringLiteral("Número...: ") + Texto(livro, "NUMERO"));
        // The refused line is dropped from the cached copy (the lines already
        // written stay in the table), so it is not sent again with the next one.
        livro.EmptyDataSet();
    }
}

// The programme's book: the store's lines, ordered as the setting asks.
void Preparacao::livroFarmaciaDeMinas(TRM &rm)
{
    dm.LivroSC.Close();
    rm.rvpj1.Close();
    dm.LivroSC.Close();
    ExecutaConsultaLivro(dm, OrdenaPorCodigoLivro());
    rm.rvpj1.ExecuteReport(QStringLiteral("rpt_LivroFarmaciaDeMinas"));
}
} // namespace

void PreparaLivros(TDM &dm, TRM &rm, InterfaceUsuario &ui, const QDate &inicio, const QDate &fim, bool renumerar,
                   const MontagemLivro &montaLivro)
{
    Preparacao p(dm, ui);
    if (!p.executa(inicio, fim, renumerar))
        return;
    if (MaiusculasAZ(ProgramaFarmaciaDeMinas) == QLatin1String("S"))
        p.livroFarmaciaDeMinas(rm);
    else if (montaLivro)
        montaLivro(inicio, fim);
}

void ApagaDadosAntesDaPreparacao(TDM &dm)
{
    dm.sqlcon1.executa(QStringLiteral("delete from COMPEDID where (COMPONENTE is NULL) or COMPONENTE = ''"));
    dm.sqlcon1.executa(QStringLiteral("delete from LIVROSC  where LOJA = '") + EscapaSql(CnpjLoja)
                       + QLatin1Char('\''));
}
