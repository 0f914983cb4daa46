// The preparation run over small databases: which formulas get which numbers,
// which rows are marked, the state programme's item lines, the messages.
#include "comum/cenariolivro.h"
#include "config/globais.h"
#include "data/udm.h"
#include <gtest/gtest.h>

namespace {
const QDate kInicio(2024, 3, 1), kFim(2024, 3, 31);

class PreparacaoTeste : public ::testing::Test, public BaseLivro {
protected:
    // "LIVRO|CODLIVRO" of a formula; a NULL reads "nulo".
    QString formula(const QString &estacao, int npedido, int nformula) const
    {
        return amb.valor(QStringLiteral("select coalesce(LIVRO, 'nulo') || '|' || coalesce(CODLIVRO, 'nulo') from "
                                        "PEDIFORM where ESTACAO = '%1' and NPEDIDO = %2 and NFORMULA = %3")
                             .arg(QString(estacao).replace(QLatin1Char('\''), QStringLiteral("''")))
                             .arg(npedido)
                             .arg(nformula));
    }
    QString marcaPedido(const QString &estacao, int npedido, const char *coluna = "JANOLIVRO") const
    {
        return amb.valor(QStringLiteral("select %1 from PEDIDOS where ESTACAO = '%2' and NPEDIDO = %3")
                             .arg(QLatin1String(coluna), estacao)
                             .arg(npedido));
    }
    // The book report was shown last, over the store's lines in the order given.
    bool relatorioPedido(const QString &ordem = QStringLiteral("' ORDER BY Numero"),
                         const QString &cabecalho = QStringLiteral("LIVRO DE REGISTRO DE RECEITUÁRIO MÉDICO GERAL")) const
    {
        return dm->sqlLivroSC.Active()
               && dm->sqlLivroSC.CommandText == QStringLiteral("SELECT * FROM LIVROSC WHERE LOJA = '") + kLoja + ordem
               && !ui.relatorios.isEmpty() && ui.relatorios.last().texto.contains(cabecalho);
    }
};

TEST_F(PreparacaoTeste, ManterNumerosNumeraAsSemNumeroNaOrdemDoPercurso)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("02"), 5, QDate(2024, 3, 10))
        .formula(1).componente(QStringLiteral("Fluoxetina"), 20, QStringLiteral("mg"))
        .formula(2, {{QStringLiteral("LIVRO"), QStringLiteral("A01")}, {QStringLiteral("CODLIVRO"), 7}})
        .componente(QStringLiteral("Lactose"), 100, QStringLiteral("QSP"))
        .pedido(QStringLiteral("01"), 9, QDate(2024, 3, 10))
        .formula(1).componente(QStringLiteral("Cafeína"), 50, QStringLiteral("mg"))
        .pedido(QStringLiteral("03"), 1, QDate(2024, 3, 2), {{QStringLiteral("TIPOPEDIDO"), QStringLiteral("Repos")}})
        .formula(1).componente(QStringLiteral("Melatonina"), 3, QStringLiteral("mg"))
        // Cleared by an earlier run: keeps its 0 and gets no line.
        .pedido(QStringLiteral("01"), 7, QDate(2024, 3, 3))
        .formula(1, {{QStringLiteral("LIVRO"), QString()}, {QStringLiteral("CODLIVRO"), 0}})
        .componente(QStringLiteral("Zinco"), 10, QStringLiteral("mg"))
        // Orders that do not qualify.
        .pedido(QStringLiteral("01"), 2, QDate(2024, 4, 1)).formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 3, QDate(2024, 3, 5), {{QStringLiteral("TIPOPEDIDO"), QStringLiteral("Orcamento")}})
        .formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 4, QDate(2024, 3, 5), {{QStringLiteral("MEDICO"), QString()}})
        .formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 6, QDate(2024, 3, 5), {{QStringLiteral("CONSELHOPROFISSIONAL"), QStringLiteral("   ")}})
        .formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 8, QDate(2024, 3, 5), {{QStringLiteral("MEDICO"), QVariant()}})
        .formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .grava();

    prepara(kInicio, kFim);

    EXPECT_EQ(formula(QStringLiteral("03"), 1, 1), QStringLiteral("A01|100"));
    EXPECT_EQ(formula(QStringLiteral("01"), 7, 1), QStringLiteral("|0"));
    EXPECT_EQ(formula(QStringLiteral("01"), 9, 1), QStringLiteral("A01|101"));
    EXPECT_EQ(formula(QStringLiteral("02"), 5, 1), QStringLiteral("A01|102"));
    EXPECT_EQ(formula(QStringLiteral("02"), 5, 2), QStringLiteral("A01|7"));
    for (int n : {2, 3, 4, 6, 8}) {
        EXPECT_EQ(formula(QStringLiteral("01"), n, 1), QStringLiteral("nulo|nulo")) << n;
        EXPECT_EQ(marcaPedido(QStringLiteral("01"), n), QString()) << n;
    }
    EXPECT_EQ(marcaPedido(QStringLiteral("02"), 5), QStringLiteral("S"));
    EXPECT_EQ(amb.valor(QStringLiteral("select count(*) from COMPEDID where JANOLIVRO = 'S'")), QStringLiteral("5"));
    EXPECT_EQ(amb.valor(QStringLiteral("select count(*) from COMPEDID where NPEDIDO = 2 and JANOLIVRO is null")),
              QStringLiteral("1"));

    EXPECT_EQ(livro(), (QStringList{QStringLiteral("7|02.5.2"), QStringLiteral("100|03.1.1"),
                                    QStringLiteral("101|01.9.1"), QStringLiteral("102|02.5.1")}));
    EXPECT_EQ(ui.titulosProgresso, (QStringList{QStringLiteral("Preparando Livro"), QStringLiteral("Montando Livro")}));
    EXPECT_EQ(ui.maximosProgresso, (QList<int>{4, 4}));
    EXPECT_TRUE(ui.pedidos.contains(QStringLiteral("Data: 02/03/24   Pedido: 03.1")));
    EXPECT_FALSE(ui.progressoVisivel);
    EXPECT_TRUE(ui.textos().isEmpty()) << ui.textos().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(relatorioPedido());
    EXPECT_FALSE(dm->cdsPedidos.Active() || dm->cdsPediform.Active() || dm->cdsCompedid.Active()
                 || dm->cdsItens.Active() || dm->DadosGer.Active() || dm->LivroSC.Active());
}

// The second run counts again from NUMEROINICIAL: its number repeats one of the
// first run, the book refuses that line, and the assembly goes on without it.
TEST_F(PreparacaoTeste, SegundaExecucaoRepeteNumerosEALinhaRecusadaEDescartada)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2)).formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 2, QDate(2024, 3, 3)).formula(1).componente(QStringLiteral("B"), 1, QStringLiteral("g"))
        .grava();
    prepara(kInicio, kFim);
    ASSERT_EQ(livro(), (QStringList{QStringLiteral("100|01.1.1"), QStringLiteral("101|01.2.1")}));

    cenario.pedido(QStringLiteral("01"), 3, QDate(2024, 3, 20)).formula(1).componente(QStringLiteral("C"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 4, QDate(2024, 3, 21)).formula(1, {{QStringLiteral("LIVRO"), QStringLiteral("A01")}, {QStringLiteral("CODLIVRO"), 300}})
        .componente(QStringLiteral("D"), 1, QStringLiteral("g"))
        .grava();
    amb.executa(QStringLiteral("delete from LIVROSC"));
    ui.mensagens.clear();
    prepara(kInicio, kFim);

    EXPECT_EQ(formula(QStringLiteral("01"), 1, 1), QStringLiteral("A01|100"));
    EXPECT_EQ(formula(QStringLiteral("01"), 3, 1), QStringLiteral("A01|100"));
    // 01.3.1 (number 100 again) is refused; the line after it is still written.
    EXPECT_EQ(livro(), (QStringList{QStringLiteral("100|01.1.1"), QStringLiteral("101|01.2.1"),
                                    QStringLiteral("300|01.4.1")}));
    EXPECT_EQ(ui.textos(), QStringList{QStringLiteral(
                               "Erro tentando salvar registro no LIVRO DE RECEITUÁRIO.\rSugestão: Confira os campos "
                               "\"LIVRO\" e \"Nº ULT. FÓRMULA\"\rna tela ARQUIVO/CONFIGURAÇÃO DO LIVRO deste módulo.")});
    EXPECT_TRUE(relatorioPedido());
}

TEST_F(PreparacaoTeste, RenumerarLimpaSoOLaboratorioDaLoja)
{
    const Valores numerada = {{QStringLiteral("LIVRO"), QStringLiteral("A01")}, {QStringLiteral("CODLIVRO"), 50}};
    auto com = [&](const QVariant &lab, int numero) {
        Valores v = numerada;
        v[1].second = numero;
        v << qMakePair(QStringLiteral("LABORATORIO"), lab);
        return v;
    };
    LaboratorioPadrao = QStringLiteral("Outro");
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .laboratorio(kLoja, QStringLiteral("Lab Central"))
        .laboratorio(QStringLiteral("99888777000166"), QStringLiteral("Amoxarifado"))
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
        .formula(1, com(QStringLiteral("Lab Central"), 50)).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .formula(2, com(QStringLiteral("Amoxarifado"), 52)).componente(QStringLiteral("B"), 1, QStringLiteral("g"))
        .formula(3, com(QVariant(), 53)).componente(QStringLiteral("C"), 1, QStringLiteral("g"))
        // Cleared by the database's upper-casing, but not the store's laboratory to the letter.
        .formula(4, com(QStringLiteral("LAB CENTRAL"), 51)).componente(QStringLiteral("D"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 2, QDate(2024, 3, 3))
        .formula(1, com(QStringLiteral("Outro Lab"), 54)).componente(QStringLiteral("E"), 1, QStringLiteral("g"))
        // Outside the period: keeps its number.
        .pedido(QStringLiteral("01"), 3, QDate(2024, 4, 3))
        .formula(1, com(QStringLiteral("Lab Central"), 55)).componente(QStringLiteral("F"), 1, QStringLiteral("g"))
        .grava();

    prepara(kInicio, kFim, true);

    EXPECT_EQ(LaboratorioPadrao, QStringLiteral("Lab Central"));
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 1), QStringLiteral("A01|100"));
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 2), QStringLiteral("A01|52"));
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 3), QStringLiteral("A01|53"));
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 4), QStringLiteral("nulo|nulo"));
    EXPECT_EQ(formula(QStringLiteral("01"), 2, 1), QStringLiteral("A01|54"));
    EXPECT_EQ(formula(QStringLiteral("01"), 3, 1), QStringLiteral("A01|55"));
    EXPECT_EQ(marcaPedido(QStringLiteral("01"), 1), QStringLiteral("S"));
    EXPECT_EQ(marcaPedido(QStringLiteral("01"), 2), QString());
    EXPECT_EQ(amb.valor(QStringLiteral("select JANOLIVRO from COMPEDID where COMPONENTE = 'E'")), QString());
    // The book: the other laboratory's formula is in it too, with the number it had.
    EXPECT_EQ(livro(), (QStringList{QStringLiteral("52|01.1.2"), QStringLiteral("53|01.1.3"),
                                    QStringLiteral("54|01.2.1"), QStringLiteral("100|01.1.1")}));
}

TEST_F(PreparacaoTeste, RenumerarSemLaboratorioDaLojaLimpaSoOLaboratorioVazio)
{
    LaboratorioPadrao = QStringLiteral("Lab Central");
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
        .formula(1, {{QStringLiteral("LIVRO"), QStringLiteral("A01")}, {QStringLiteral("CODLIVRO"), 60}, {QStringLiteral("LABORATORIO"), QString(QLatin1String(""))}})
        .componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .formula(2, {{QStringLiteral("LIVRO"), QStringLiteral("A01")}, {QStringLiteral("CODLIVRO"), 61}, {QStringLiteral("LABORATORIO"), QStringLiteral("Lab Central")}})
        .componente(QStringLiteral("B"), 1, QStringLiteral("g"))
        .grava();
    prepara(kInicio, kFim, true);
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 1), QStringLiteral("A01|100"));
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 2), QStringLiteral("A01|61"));
    EXPECT_EQ(LaboratorioPadrao, QStringLiteral("Lab Central"));
}

TEST_F(PreparacaoTeste, FalhaAoLimparNumerosEncerraARodada)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
        .formula(1, {{QStringLiteral("LABORATORIO"), QString(QLatin1String(""))}})
        .componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .grava();
    amb.executa(QStringList{QStringLiteral("CREATE EXCEPTION E_RECUSA 'recusado'"),
                            QStringLiteral("CREATE TRIGGER T_RECUSA FOR PEDIFORM BEFORE UPDATE AS BEGIN "
                                           "IF (NEW.CODLIVRO IS NULL) THEN EXCEPTION E_RECUSA; END")});
    prepara(kInicio, kFim, true);
    EXPECT_EQ(ui.textos(), QStringList{QStringLiteral("Erro ao tentar limpar código dos pedidos!")});
    EXPECT_EQ(marcaPedido(QStringLiteral("01"), 1), QString());
    EXPECT_TRUE(ui.titulosProgresso.isEmpty());
    EXPECT_FALSE(dm->sqlLivroSC.Active());
    EXPECT_TRUE(ui.relatorios.isEmpty());
}

struct CasoConteudo {
    const char *conteudo;
    const char *numeradas; // per formula 1..4: N numbered, C cleared
};

class ConteudoLivroTeste : public PreparacaoTeste, public ::testing::WithParamInterface<CasoConteudo> {};

TEST_P(ConteudoLivroTeste, NumeraOuLimpaPelaSubstanciaControlada)
{
    ConteudoLivro = QString::fromUtf8(GetParam().conteudo);
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
        .formula(1).componente(QStringLiteral("Clonazepam"), 2, QStringLiteral("mg"), {{QStringLiteral("CONTROLADA"), QStringLiteral("SIM")}})
        .componente(QStringLiteral("Lactose"), 1, QStringLiteral("QSP"))
        .formula(2).componente(QStringLiteral("Cafeína"), 50, QStringLiteral("mg"), {{QStringLiteral("CONTROLADA"), QStringLiteral("NAO")}})
        // Lower-case "s" is not a controlled mark.
        .formula(3).componente(QStringLiteral("Ginkgo"), 80, QStringLiteral("mg"), {{QStringLiteral("CONTROLADA"), QStringLiteral("sim")}})
        // Marked controlled before the run.
        .formula(4, {{QStringLiteral("USASUBSTCONTR"), QStringLiteral("S")}}).componente(QStringLiteral("Magnésio"), 1, QStringLiteral("g"))
        .grava();
    prepara(kInicio, kFim);

    QString obtido;
    for (int f = 1; f <= 4; ++f) {
        const QString v = formula(QStringLiteral("01"), 1, f);
        obtido += v == QStringLiteral("|0") ? QLatin1Char('C') : v.startsWith(QStringLiteral("A01|1")) ? QLatin1Char('N') : QLatin1Char('?');
    }
    EXPECT_EQ(obtido, QString::fromUtf8(GetParam().numeradas));
    EXPECT_EQ(marcaPedido(QStringLiteral("01"), 1, "USASUBSTCONTR"), QStringLiteral("S"));
    EXPECT_EQ(amb.linhas(QStringLiteral("select NFORMULA from PEDIFORM where USASUBSTCONTR = 'S' order by NFORMULA")),
              (QStringList{QStringLiteral("1"), QStringLiteral("4")}));
}

INSTANTIATE_TEST_SUITE_P(Valores, ConteudoLivroTeste,
                         ::testing::Values(CasoConteudo{"COMPLETO", "NNNN"}, CasoConteudo{"Somente Controlados", "NCCN"},
                                           CasoConteudo{"SOMENTE NAO CONTROLADOS", "CNNC"}, CasoConteudo{"", "CNNC"}));

TEST_F(PreparacaoTeste, EnderecoIncompletoDeixaOPedidoDeFora)
{
    SoEnderecoCompleto = QStringLiteral("sim");
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2), {{QStringLiteral("ENDER2"), QStringLiteral("X")}})
        .formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .pedido(QStringLiteral("01"), 2, QDate(2024, 3, 3)).formula(1).componente(QStringLiteral("B"), 1, QStringLiteral("g"))
        .grava();
    prepara(kInicio, kFim);
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 1), QStringLiteral("nulo|nulo"));
    EXPECT_EQ(marcaPedido(QStringLiteral("01"), 1), QString());
    EXPECT_EQ(formula(QStringLiteral("01"), 2, 1), QStringLiteral("A01|100"));
    // Still shown and counted.
    EXPECT_EQ(ui.pedidos.first(), QStringLiteral("Data: 02/03/24   Pedido: 01.1"));
    EXPECT_EQ(ui.progresso.mid(0, 2), (QList<int>{1, 2}));
}

TEST_F(PreparacaoTeste, SemPedidosNoPeriodoDuasMensagensENadaMais)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 2, 29)).formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .grava();
    prepara(kInicio, kFim);
    ASSERT_EQ(ui.mensagens.size(), 2);
    EXPECT_EQ(ui.mensagens[0].tipo, QStringLiteral("aviso"));
    EXPECT_EQ(ui.mensagens[0].titulo, QStringLiteral("Tombario: Não há pedidos neste período!!!"));
    EXPECT_EQ(ui.mensagens[0].texto,
              QStringLiteral("Não há pedidos válidos neste período para a montagem do Livro de Receituário Médico Geral"));
    EXPECT_EQ(ui.mensagens[1].texto,
              QStringLiteral("Select * from PEDIDOS where ((TIPOPEDIDO = 'Pedido') or (TIPOPEDIDO = 'Repos')) and "
                             "(DATAPEDIDO between '03/01/24' and '03/31/24')and (CONSELHOPROFISSIONAL is not null) and "
                             "(REPLACE(CONSELHOPROFISSIONAL,' ','') <> '') and (MEDICO <> '') and (MEDICO is not NULL) "
                             "order by DATAPEDIDO, ESTACAO, NPEDIDO"));
    EXPECT_TRUE(livro().isEmpty());
    EXPECT_TRUE(ui.titulosProgresso.isEmpty());
    EXPECT_FALSE(dm->sqlLivroSC.Active());
    EXPECT_TRUE(ui.relatorios.isEmpty());
    EXPECT_FALSE(dm->cdsPedidos.Active() || dm->cdsPediform.Active() || dm->cdsItens.Active());
}

TEST_F(PreparacaoTeste, AspasNaEstacaoNaoMudamOsComandos)
{
    cenario.loja(kLoja, QStringLiteral("A'1"), 100)
        .pedido(QStringLiteral("0'"), 1, QDate(2024, 3, 2)).formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
        .grava();
    prepara(kInicio, kFim);
    EXPECT_EQ(formula(QStringLiteral("0'"), 1, 1), QStringLiteral("A'1|100"));
    EXPECT_EQ(livro(), QStringList{QStringLiteral("100|0'.1.1")});
}

TEST_F(PreparacaoTeste, ComponenteRecusadoMostraAMensagemESegue)
{
    cenario.loja(kLoja, QStringLiteral("A01"), 100)
        .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2)).formula(1)
        .componente(QStringLiteral("Quebrado"), 1, QStringLiteral("g"))
        .grava();
    amb.executa(QStringList{QStringLiteral("CREATE EXCEPTION E_RECUSA 'recusado'"),
                            QStringLiteral("CREATE TRIGGER T_RECUSA FOR COMPEDID BEFORE UPDATE AS BEGIN "
                                           "IF (NEW.COMPONENTE = 'Quebrado') THEN EXCEPTION E_RECUSA; END")});
    prepara(kInicio, kFim);
    EXPECT_EQ(ui.textos(),
              QStringList{QStringLiteral("Não foi possível salvar os dados!\rFavor localizar o pedido 01.1 e verificar se "
                                         "há algum problema nos dados fornecidos.\rClasse    : EDatabaseError\rMensagem  : "
                                         "Must apply updates before refreshing data\rNº Pedido : 01.1.1")});
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 1), QStringLiteral("A01|100"));
    EXPECT_EQ(livro(), QStringList{QStringLiteral("100|01.1.1")});
}

class FarmaciaDeMinasTeste : public PreparacaoTeste {
protected:
    void cenarioComItens()
    {
        cenario.loja(kLoja, QStringLiteral("FM1"), 10)
            .pedido(QStringLiteral("01"), 1, QDate(2024, 3, 2))
            .item(QStringLiteral("P1"), QStringLiteral("Dipirona 500mg"), 2.5, QStringLiteral("CX"))
            .item(QStringLiteral("P2"), QStringLiteral("Vitamina C"), 3.5, QStringLiteral("FR"))
            .formula(1).componente(QStringLiteral("A"), 1, QStringLiteral("g"))
            .pedido(QStringLiteral("01"), 2, QDate(2024, 3, 3), {{QStringLiteral("UFCONSELHO"), QString(QLatin1String(""))}})
            .item(QStringLiteral("P3"), QStringLiteral("Soro"), 1, QStringLiteral("UN"))
            .grava();
    }
};

TEST_F(FarmaciaDeMinasTeste, UmaLinhaPorItemEOLivroDoPrograma)
{
    ProgramaFarmaciaDeMinas = QStringLiteral("s");
    OrdenarPorCodLivro = QStringLiteral("sim");
    cenarioComItens();
    prepara(kInicio, kFim);

    EXPECT_EQ(livro(QStringLiteral("NUMERO, CODLIVRO, NPEDIDO, PRESCRICOES, CONTROLADO, CONFERIDO, NOMECLIENTE, "
                                   "MEDICO, CRM, COMPLEMENTO, DATA")),
              (QStringList{QStringLiteral("11|FM1|01.1|Dipirona 500mg   Qde:2 CX| |S|ANA LIMA (para: Ana Lima)|"
                                          "Dr. Paulo Souza (CRM: 12345/MG)|CRM: 12345 - MG|31999990000|2024-03-02"),
                           QStringLiteral("12|FM1|01.1|Vitamina C   Qde:4 FR| |S|ANA LIMA (para: Ana Lima)|"
                                          "Dr. Paulo Souza (CRM: 12345/MG)|CRM: 12345 - MG|31999990000|2024-03-02"),
                           QStringLiteral("13|FM1|01.2|Soro   Qde:1 UN| |S|ANA LIMA (para: Ana Lima)|"
                                          "Dr. Paulo Souza (CRM: 12345/)||31999990000|2024-03-03")}));
    // No formula is numbered or marked.
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 1), QStringLiteral("nulo|nulo"));
    EXPECT_EQ(marcaPedido(QStringLiteral("01"), 1), QString());
    EXPECT_EQ(ui.titulosProgresso, QStringList{QStringLiteral("Preparando Livro")});
    EXPECT_TRUE(relatorioPedido(QStringLiteral("' ORDER BY CODLIVRO,NUMERO,DATA"),
                                QStringLiteral("PROGRAMA FARMÁCIA DE MINAS")));
    EXPECT_TRUE(ui.relatorios.last().texto.contains(QStringLiteral("Dipirona 500mg")));
    EXPECT_FALSE(dm->LivroSC.Active());
}

TEST_F(FarmaciaDeMinasTeste, OutroValorEscreveItensEPassaParaAMontagem)
{
    ProgramaFarmaciaDeMinas = QString();
    cenarioComItens();
    cenario.pedido(QStringLiteral("01"), 3, QDate(2024, 3, 4))
        .formula(1, {{QStringLiteral("LIVRO"), QStringLiteral("FM1")}, {QStringLiteral("CODLIVRO"), 40}})
        .componente(QStringLiteral("B"), 1, QStringLiteral("g"))
        .grava();
    prepara(kInicio, kFim);
    // The assembly replaced the item lines by the booked formulas' lines.
    EXPECT_EQ(livro(), QStringList{QStringLiteral("40|01.3.1")});
    EXPECT_EQ(formula(QStringLiteral("01"), 1, 1), QStringLiteral("nulo|nulo"));
    EXPECT_EQ(ui.titulosProgresso, (QStringList{QStringLiteral("Preparando Livro"), QStringLiteral("Montando Livro")}));
    EXPECT_TRUE(relatorioPedido());
}

TEST_F(FarmaciaDeMinasTeste, LinhaRecusadaEDescartadaEAsSeguintesTentam)
{
    ProgramaFarmaciaDeMinas = QStringLiteral("S");
    cenarioComItens();
    amb.executa(QStringLiteral("delete from DADOSGER")); // no book code: CODLIVRO has no value
    prepara(kInicio, kFim);
    QStringList esperadas;
    for (int n = 1; n <= 3; ++n)
        esperadas << QStringLiteral("Field 'CODLIVRO' must have a value")
                  << QStringLiteral("3) Erro tentando salvar registro na tabela LivroSC.\rLoja......: %1\rCodLivro: "
                                    "\rNúmero...: %2")
                         .arg(kLoja)
                         .arg(n);
    EXPECT_EQ(ui.textos(), esperadas);
    EXPECT_TRUE(livro().isEmpty());
    EXPECT_TRUE(relatorioPedido(QStringLiteral("' ORDER BY Numero"), QStringLiteral("PROGRAMA FARMÁCIA DE MINAS")));
}
} // namespace
