#include "book/montagem.h"
#include "book/leituras.h"
#include "book/progresso.h"
#include "book/textoslivro.h"
#include "config/caminhos.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "config/textos.h"
#include "data/udm.h"
#include "reports/urm.h"
#include <QDir>
#include <QFile>

namespace {
const QString CR = QStringLiteral("\r");

// The failed customer look-ups of one assembly: "c:\torvenia\ErrosLivro.txt",
// created empty (Windows-1252, CR LF), and the list the warning box shows.
class LogErros {
public:
    LogErros() : m_arquivo(CaminhoLocal(QStringLiteral("c:\\torvenia\\ErrosLivro.txt")))
    {
        if (!m_arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw EInOutError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_arquivo.fileName()),
                                                          m_arquivo.errorString()));
    }
    void registra(const QString &linha)
    {
        m_linhas << linha;
        if (m_arquivo.write(ParaWin1252(linha + QStringLiteral("\r\n"))) < 0 || !m_arquivo.flush())
            throw EInOutError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_arquivo.fileName()),
                                                          m_arquivo.errorString()));
    }
    const QStringList &linhas() const { return m_linhas; }
    void fecha() { m_arquivo.close(); }

private:
    QFile m_arquivo;
    QStringList m_linhas;
};

class Montagem {
public:
    Montagem(TDM &dm, InterfaceUsuario &ui) : dm(dm), ui(ui), progresso(ui) {}
    void executa(TRM &rm, const QDate &inicio, const QDate &fim);

private:
    void selecionaPedidos(const QDate &inicio, const QDate &fim);
    void lancaFormula();
    QString prescricao(bool &temComponentes);
    QString dataDaCompra(const char *campo);
    void gravaLinha(const QString &endereco, const QString &prescricao);

    TDM &dm;
    InterfaceUsuario &ui;
    GuardaProgresso progresso;
    LogErros log;
    QString codigoLivro;
    int totalPedidos = 0, contador = 0;
};

void Montagem::selecionaPedidos(const QDate &inicio, const QDate &fim)
{
    dm.cdsPedidos.Close();
    dm.cdsPediform.Close();
    dm.cdsCompedid.Close();
    LeLaboratorioDaLoja(dm);

    dm.sqldsPedidos.CommandText =
        QStringLiteral("Select * from PEDIDOS where ")
        + QStringLiteral("(TIPOPEDIDO = 'Pedido' or TIPOPEDIDO = 'Repos') and ")
        + QStringLiteral("(MEDICO <> '') and (MEDICO is not NULL) AND ((CONSELHOPROFISSIONAL is not null) and "
                         "(REPLACE(CONSELHOPROFISSIONAL,' ','') <> '')) and ")
        + QStringLiteral("DATAPEDIDO BETWEEN '") + DataSql(inicio) + QStringLiteral("' and '") + DataSql(fim)
        + QStringLiteral("' order by DATAPEDIDO, ESTACAO, NPEDIDO;");
    // Opening the orders selects the first order's formulas and components.
    dm.cdsPedidos.Open();
}

void Montagem::executa(TRM &rm, const QDate &inicio, const QDate &fim)
{
    selecionaPedidos(inicio, fim);

    dm.DadosGer.Close();
    dm.SQLDS_DadosGer.CommandText = QStringLiteral("Select ") + CamposDadosGer
                                    + QStringLiteral(" from DADOSGER where CGC = '") + EscapaSql(CnpjLoja)
                                    + QLatin1Char('\'');
    dm.DadosGer.Open();
    codigoLivro = Corta(Texto(dm.DadosGer, "CODIGOLIVRO"), 3);
    dm.DadosGer.Close();

    // Only this store's lines: another store may be assembling its own book.
    dm.sqlcon1.executa(QStringLiteral("DELETE FROM LIVROSC where LOJA = '") + EscapaSql(CnpjLoja)
                       + QLatin1Char('\''));
    dm.LivroSC.Close();
    dm.SQLDS_livroSC.CommandText = QStringLiteral("Select ") + CamposLivroSC
                                   + QStringLiteral(" from LIVROSC where LOJA = '") + EscapaSql(CnpjLoja)
                                   + QLatin1Char('\'');
    dm.LivroSC.Open();

    ClientDataSet &pedidos = dm.cdsPedidos;
    ClientDataSet &formulas = dm.cdsPediform;
    totalPedidos = pedidos.RecordCount();
    progresso.mostra(QStringLiteral("Montando Livro"), totalPedidos);
    while (!pedidos.Eof()) {
        ui.progressoPosicao(++contador);
        while (formulas.Active() && !formulas.Eof()) {
            if (Texto(formulas, "LIVRO") == codigoLivro
                && formulas.FieldByName(QStringLiteral("CODLIVRO")).AsInteger() > 0)
                lancaFormula();
            formulas.Next();
            ui.processaMensagensPendentes();
        }
        pedidos.Next();
        ui.processaMensagensPendentes();
    }

    progresso.oculta();
    formulas.Close();
    pedidos.Close();
    dm.cdsCompedid.Close();
    dm.LivroSC.Close();
    if (!log.linhas().isEmpty()) {
        QString texto;
        for (const QString &l : log.linhas())
            texto += l + QLatin1Char('\n');
        ui.mostraAviso(QStringLiteral("INSERIR NOME DO CLIENTE NO LIVRO "), texto);
    } else {
        rm.rvpj1.Close();
        ExecutaConsultaLivro(dm, OrdenaPorCodigoLivro());
        rm.rvpj1.Close();
        rm.rvpj1.ExecuteReport(QStringLiteral("rpt_LivroRMG"));
    }
    log.fecha();
}

// Manufacture or expiry date of the purchase just looked up; a date the
// purchase does not carry reads empty.
QString Montagem::dataDaCompra(const char *campo)
{
    return Corta(DataLivro(dm.Compras.FieldByName(QLatin1String(campo)).AsDate()), 10);
}

// The components of the current formula, with their lots, and the ending.
QString Montagem::prescricao(bool &temComponentes)
{
    ClientDataSet &formulas = dm.cdsPediform;
    ClientDataSet &componentes = dm.cdsCompedid;
    ClientDataSet &compras = dm.Compras;
    const bool datasDoLote = ConfiguracaoSim(DataValidadeOuFabricacao);
    QString texto;
    temComponentes = false;
    while (componentes.Active() && !componentes.Eof()) {
        temComponentes = true;
        const QString componente = Texto(componentes, "COMPONENTE");
        const QString fornecedor = Texto(componentes, "FORNECEDOR");
        const QString lote = Texto(componentes, "LOTE");
        compras.Close();
        dm.SQLDS_Compras.CommandText = QStringLiteral("Select ") + CamposCompras
                                       + QStringLiteral(" from COMPRAS where COMPONENTE = '") + EscapaSql(componente)
                                       + QStringLiteral("' and FORNECEDOR = '") + EscapaSql(fornecedor)
                                       + QStringLiteral("' and LOTE = '") + EscapaSql(lote) + QLatin1Char('\'');
        compras.Open();
        QString fabricacao, validade;
        if (compras.RecordCount() > 0 && Texto(compras, "COMPONENTE") == componente
            && Texto(compras, "FORNECEDOR") == fornecedor && Texto(compras, "LOTE") == lote) {
            fabricacao = dataDaCompra("FABRICACAO");
            validade = dataDaCompra("VALIDADE");
        }
        compras.Close();

        if (!texto.isEmpty())
            texto += QStringLiteral(", ");
        texto += TextoComponente(Texto(componentes, "COMPONENTEDIG"),
                                 componentes.FieldByName(QStringLiteral("QDEDIG")).AsFloat(),
                                 Texto(componentes, "UNIDDIG"));
        if (datasDoLote)
            texto += TextoDatasLote(fabricacao, validade);
        componentes.Next();
        ui.processaMensagensPendentes();
    }
    return texto + FinalPrescricao(formulas.FieldByName(QStringLiteral("VOLUMETOTAL")).AsFloat(),
                                   Texto(formulas, "UNIDADE"), Texto(formulas, "FORMAFARMA"),
                                   formulas.FieldByName(QStringLiteral("QDECAPSULAS")).AsInteger(),
                                   formulas.FieldByName(QStringLiteral("QDEROTULOS")).AsInteger(),
                                   Texto(formulas, "POSOLOGIA"));
}

// One booked formula: its prescription, the customer's address, its line.
void Montagem::lancaFormula()
{
    ClientDataSet &pedidos = dm.cdsPedidos;
    ClientDataSet &formulas = dm.cdsPediform;
    ui.progressoPedido(QStringLiteral("Data: ")
                       + DataLivro(pedidos.FieldByName(QStringLiteral("DATAPEDIDO")).AsDate())
                       + QStringLiteral("   Pedido: ") + Texto(pedidos, "ESTACAO") + QLatin1Char('.')
                       + Texto(formulas, "NPEDIDO"));
    ui.processaMensagensPendentes();

    bool temComponentes = false;
    const QString texto = prescricao(temComponentes);

    const QString nomeCompleto = Texto(pedidos, "NOME");
    const QString nome = Corta(nomeCompleto, 40);
    const QString fone = Corta(Texto(pedidos, "FONE"), 30);
    QString endereco = Corta(Texto(pedidos, "ENDER1") + QLatin1Char(' ') + Texto(pedidos, "ENDER2"), 40);
    QString complemento, cidade, estado;

    ClientDataSet &clientes = dm.Clientes;
    clientes.Close();
    dm.SQLDS_Clientes.CommandText = QStringLiteral("Select ") + CamposClientes + QStringLiteral(" from CLIENTES where ")
                                    + QStringLiteral("(UPPER(NOME) = '") + EscapaSql(MaiusculasAZ(nomeCompleto))
                                    + QStringLiteral("' and FONE = '") + EscapaSql(fone) + QStringLiteral("')");
    try {
        clientes.Open();
    } catch (const EErro &) {
        log.registra(nome + QStringLiteral(" - Pedido: ") + Texto(pedidos, "ESTACAO") + QLatin1Char('.')
                     + Texto(pedidos, "NPEDIDO") + QStringLiteral("- Fórmula ") + Texto(formulas, "NFORMULA"));
        return;
    }
    if (clientes.RecordCount() == 1 && Texto(clientes, "NOME") == nome && Texto(clientes, "FONE") == fone
        && temComponentes) {
        endereco = Corta(Texto(clientes, "ENDERECO"), 40);
        complemento = Corta(QStringLiteral("- ") + Texto(clientes, "COMPLEMENTO"), 40);
        cidade = Corta(QStringLiteral("- ") + Texto(clientes, "CIDADE"), 30);
        estado = Corta(QStringLiteral("- ") + Texto(clientes, "ESTADO"), 4);
    }
    clientes.Close();
    if (temComponentes)
        gravaLinha(endereco + QLatin1Char(' ') + complemento + QLatin1Char(' ') + cidade + QLatin1Char(' ') + estado,
                   texto);
}

void Montagem::gravaLinha(const QString &endereco, const QString &prescricao)
{
    ClientDataSet &pedidos = dm.cdsPedidos;
    ClientDataSet &formulas = dm.cdsPediform;
    ClientDataSet &livro = dm.LivroSC;
    auto poe = [&livro](const char *campo, const QString &valor) {
        livro.FieldByName(QLatin1String(campo)).setAsString(valor);
    };
    const bool controlada = Texto(formulas, "USASUBSTCONTR") == QLatin1String("S");
    livro.Append();
    poe("CODLIVRO", codigoLivro);
    livro.FieldByName(QStringLiteral("NUMERO")).setAsInteger(formulas.FieldByName(QStringLiteral("CODLIVRO")).AsInteger());
    livro.FieldByName(QStringLiteral("DATA")).setAsDate(pedidos.FieldByName(QStringLiteral("DATAPEDIDO")).AsDate());
    poe("NOMECLIENTE", Texto(pedidos, "PACIENTE"));
    poe("ENDERECO", endereco);
    poe("COMPLEMENTO", QStringLiteral("Fone: ") + Texto(pedidos, "FONEPACIENTE"));
    poe("MEDICO", Texto(pedidos, "MEDICO"));
    poe("CRM", TextoConselho(Texto(pedidos, "CONSELHOPROFISSIONAL"), Texto(pedidos, "CRM"),
                             Texto(pedidos, "UFCONSELHO"), true));
    poe("NPEDIDO", Texto(formulas, "ESTACAO") + QLatin1Char('.') + Texto(formulas, "NPEDIDO") + QLatin1Char('.')
                       + Texto(formulas, "NFORMULA"));
    poe("PRESCRICOES", prescricao);
    poe("CONFERIDO", controlada ? Texto(formulas, "CONFERIDO") : QStringLiteral("S"));
    poe("CONTROLADO", controlada ? QStringLiteral("S") : QStringLiteral(" "));
    try {
        livro.Post();
    } catch (const EErro &) {
        ui.mostraMensagem(QStringLiteral("Erro tentando salvar registro no LIVRO DE RECEITUÁRIO.") + CR
                          + QStringLiteral("Sugestão: Confira os campos \"LIVRO\" e \"Nº ULT. FÓRMULA\"") + CR
                          + QStringLiteral("na tela ARQUIVO/CONFIGURAÇÃO DO LIVRO deste módulo."));
        progresso.oculta();
        // The refused line is dropped from the cached copy, so it is not sent
        // again with the next line; the run goes on with the next formula.
        livro.EmptyDataSet();
        progresso.mostra(QStringLiteral("Montando Livro"), totalPedidos);
        ui.progressoPosicao(contador);
    }
}
} // namespace

void MontaLivrosPorPeriodo(TDM &dm, TRM &rm, InterfaceUsuario &ui, const QDate &inicio, const QDate &fim)
{
    Montagem m(dm, ui); // creates the log file first: without it nothing is touched
    m.executa(rm, inicio, fim);
}
