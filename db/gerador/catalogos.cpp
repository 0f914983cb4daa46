#include "gerador/catalogos.h"

const QStringList &PrimeirosNomes()
{
    static const QStringList l{
        QStringLiteral("Maria"), QStringLiteral("José"), QStringLiteral("João"), QStringLiteral("Ana"),
        QStringLiteral("Antônia"), QStringLiteral("Francisco"), QStringLiteral("Luíza"), QStringLiteral("Sebastião"),
        QStringLiteral("Márcia"), QStringLiteral("Fábio"), QStringLiteral("Inês"), QStringLiteral("Raimundo"),
        QStringLiteral("Cláudia"), QStringLiteral("Vânia"), QStringLiteral("Lúcia"), QStringLiteral("Thiago"),
        QStringLiteral("Beatriz"), QStringLiteral("Rogério"), QStringLiteral("Débora"), QStringLiteral("Letícia"),
        QStringLiteral("Mônica"), QStringLiteral("Otávio"), QStringLiteral("Célia"), QStringLiteral("Renato"),
        QStringLiteral("Sérgio"), QStringLiteral("Patrícia"), QStringLiteral("Juliana"), QStringLiteral("Paulo"),
        QStringLiteral("Helena"), QStringLiteral("Gustavo"), QStringLiteral("Camila"), QStringLiteral("Rafael"),
        QStringLiteral("Fernanda"), QStringLiteral("Eduardo"), QStringLiteral("Aline"), QStringLiteral("Marcos"),
        QStringLiteral("Rosângela"), QStringLiteral("Vinícius"), QStringLiteral("Tânia"), QStringLiteral("Caio")};
    return l;
}

const QStringList &Sobrenomes()
{
    static const QStringList l{
        QStringLiteral("Silva"), QStringLiteral("Souza"), QStringLiteral("Oliveira"), QStringLiteral("Santos"),
        QStringLiteral("Pereira"), QStringLiteral("Lima"), QStringLiteral("Gonçalves"), QStringLiteral("Araújo"),
        QStringLiteral("Ribeiro"), QStringLiteral("Carvalho"), QStringLiteral("Almeida"), QStringLiteral("Fernandes"),
        QStringLiteral("Magalhães"), QStringLiteral("Brandão"), QStringLiteral("Guimarães"), QStringLiteral("Assunção"),
        QStringLiteral("Falcão"), QStringLiteral("Nogueira"), QStringLiteral("Teixeira"), QStringLiteral("Vieira"),
        QStringLiteral("Barbosa"), QStringLiteral("Rocha"), QStringLiteral("Drummond"), QStringLiteral("Mendonça"),
        QStringLiteral("Simões"), QStringLiteral("Conceição"), QStringLiteral("Lopes"), QStringLiteral("Moreira"),
        QStringLiteral("Castro"), QStringLiteral("Peixoto")};
    return l;
}

const QStringList &Ruas()
{
    static const QStringList l{
        QStringLiteral("Rua da Bahia"), QStringLiteral("Avenida Afonso Pena"), QStringLiteral("Rua Espírito Santo"),
        QStringLiteral("Rua dos Timbiras"), QStringLiteral("Avenida do Contorno"), QStringLiteral("Rua Paraíba"),
        QStringLiteral("Rua Pernambuco"), QStringLiteral("Avenida Amazonas"), QStringLiteral("Rua Tupis"),
        QStringLiteral("Rua Grão Mogol"), QStringLiteral("Avenida Getúlio Vargas"), QStringLiteral("Rua Sergipe"),
        QStringLiteral("Rua Alagoas"), QStringLiteral("Rua Padre Eustáquio"), QStringLiteral("Rua São Paulo"),
        QStringLiteral("Avenida Antônio Carlos")};
    return l;
}

const QStringList &Bairros()
{
    static const QStringList l{
        QStringLiteral("Centro"), QStringLiteral("Funcionários"), QStringLiteral("Savassi"), QStringLiteral("Lourdes"),
        QStringLiteral("Santa Efigênia"), QStringLiteral("Pampulha"), QStringLiteral("Sion"), QStringLiteral("Gutierrez"),
        QStringLiteral("Prado"), QStringLiteral("Cidade Nova"), QStringLiteral("Barro Preto"), QStringLiteral("Anchieta")};
    return l;
}

const QStringList &Cidades()
{
    static const QStringList l{QStringLiteral("Belo Horizonte|MG"), QStringLiteral("Belo Horizonte|MG"),
                               QStringLiteral("Belo Horizonte|MG"), QStringLiteral("Contagem|MG"),
                               QStringLiteral("Nova Lima|MG"), QStringLiteral("Betim|MG"),
                               QStringLiteral("Sabará|MG"), QStringLiteral("São Paulo|SP")};
    return l;
}

const QStringList &Atendentes()
{
    static const QStringList l{QStringLiteral("CARLA"), QStringLiteral("DOUGLAS"), QStringLiteral("ÉRICA"),
                               QStringLiteral("WELLINGTON"), QStringLiteral("SIMONE")};
    return l;
}

const QList<Prescritor> &Prescritores()
{
    static const QList<Prescritor> l{
        {QStringLiteral("Dr. Alberto Magalhães"), QStringLiteral("CRM"), QStringLiteral("23456"), QStringLiteral("MG")},
        {QStringLiteral("Dra. Ângela Drummond"), QStringLiteral("CRM"), QStringLiteral("31877"), QStringLiteral("MG")},
        {QStringLiteral("Dr. Luiz D'Alessandro"), QStringLiteral("CRM"), QStringLiteral("40215"), QStringLiteral("MG")},
        {QStringLiteral("Dra. Patrícia Lemos"), QStringLiteral("CRM"), QStringLiteral("18344"), QStringLiteral("MG")},
        {QStringLiteral("Dr. Henrique Sá"), QStringLiteral("CRM"), QStringLiteral("129876"), QStringLiteral("SP")},
        {QStringLiteral("Dra. Sílvia Coutinho"), QStringLiteral("CRM"), QStringLiteral("52310"), QStringLiteral("MG")},
        {QStringLiteral("Dr. Marcelo Tavares"), QStringLiteral("CRM"), QStringLiteral("27789"), QStringLiteral("MG")},
        {QStringLiteral("Dra. Renata Quintão"), QStringLiteral("CRM"), QStringLiteral("44102"), QStringLiteral("MG")},
        {QStringLiteral("Dr. Otávio Resende"), QStringLiteral("CRO"), QStringLiteral("9876"), QStringLiteral("MG")},
        {QStringLiteral("Dra. Júlia Menezes"), QStringLiteral("CRO"), QStringLiteral("11234"), QStringLiteral("MG")},
        {QStringLiteral("Dr. Caio Figueiredo"), QStringLiteral("CRMV"), QStringLiteral("7654"), QStringLiteral("MG")},
        {QStringLiteral("Dra. Beatriz Valadares"), QStringLiteral("CRM"), QStringLiteral("60021"), QStringLiteral("MG")},
        {QStringLiteral("Dr. Roberto Pinheiro"), QStringLiteral("CRM"), QStringLiteral("15003"), QStringLiteral("RJ")},
        {QStringLiteral("Dra. Cecília Araújo"), QStringLiteral("CRM"), QStringLiteral("38990"), QStringLiteral("MG")}};
    return l;
}

const QList<MateriaPrima> &Ativos(TipoForma tipo)
{
    static const QList<MateriaPrima> capsulas{
        {QStringLiteral("FLUOXETINA CLORIDRATO"), QStringLiteral("Fluoxetina"), QStringLiteral("mg"), {10, 20, 40}, true},
        {QStringLiteral("SERTRALINA CLORIDRATO"), QStringLiteral("Sertralina"), QStringLiteral("mg"), {25, 50, 100}, true},
        {QStringLiteral("CLONAZEPAM"), QStringLiteral("Clonazepam"), QStringLiteral("mg"), {0.25, 0.5, 2}, true},
        {QStringLiteral("BUPROPIONA CLORIDRATO"), QStringLiteral("Bupropiona"), QStringLiteral("mg"), {75, 150}, true},
        {QStringLiteral("TOPIRAMATO"), QStringLiteral("Topiramato"), QStringLiteral("mg"), {25, 50, 100}, true},
        {QStringLiteral("SIBUTRAMINA CLORIDRATO"), QStringLiteral("Sibutramina"), QStringLiteral("mg"), {10, 15}, true},
        {QStringLiteral("VITAMINA D3 (COLECALCIFEROL)"), QStringLiteral("Vitamina D3"), QStringLiteral("UI"), {1000, 7000, 10000, 50000}, false},
        {QStringLiteral("VITAMINA B12 (CIANOCOBALAMINA)"), QStringLiteral("Vitamina B12"), QStringLiteral("mcg"), {500, 1000, 5000}, false},
        {QStringLiteral("ACIDO ASCORBICO"), QStringLiteral("Vitamina C"), QStringLiteral("mg"), {250, 500, 1000}, false},
        {QStringLiteral("COENZIMA Q10"), QStringLiteral("Coenzima Q10"), QStringLiteral("mg"), {30, 100, 200}, false},
        {QStringLiteral("BIOTINA"), QStringLiteral("Biotina"), QStringLiteral("mg"), {2.5, 5, 10}, false},
        {QStringLiteral("MELATONINA"), QStringLiteral("Melatonina"), QStringLiteral("mg"), {0.21, 3, 5}, false},
        {QStringLiteral("ACIDO FOLICO"), QStringLiteral("Ácido Fólico"), QStringLiteral("mg"), {0.4, 1, 5}, false},
        {QStringLiteral("MAGNESIO QUELATO"), QStringLiteral("Magnésio Quelato"), QStringLiteral("mg"), {150, 300, 1234.5}, false},
        {QStringLiteral("ZINCO QUELATO"), QStringLiteral("Zinco Quelato"), QStringLiteral("mg"), {15, 30}, false},
        {QStringLiteral("PICOLINATO DE CROMO"), QStringLiteral("Picolinato de Cromo"), QStringLiteral("mcg"), {200, 350.75}, false},
        {QStringLiteral("CAFEINA ANIDRA"), QStringLiteral("Cafeína"), QStringLiteral("mg"), {50, 100, 200}, false},
        {QStringLiteral("METFORMINA CLORIDRATO"), QStringLiteral("Metformina"), QStringLiteral("mg"), {250, 500, 850}, false},
        {QStringLiteral("LEVOTIROXINA SODICA"), QStringLiteral("Levotiroxina"), QStringLiteral("mcg"), {12.5, 25, 88}, false},
        {QStringLiteral("OMEGA 3"), QStringLiteral("Ômega 3"), QStringLiteral("mg"), {500, 1000}, false},
        {QStringLiteral("CURCUMINA"), QStringLiteral("Cúrcuma longa ext. seco"), QStringLiteral("mg"), {250, 500}, false},
        {QStringLiteral("VITAMINA A (RETINOL)"), QStringLiteral("Vitamina A"), QStringLiteral("UI"), {5000, 10000, 25000}, false}};
    static const QList<MateriaPrima> liquidos{
        {QStringLiteral("MINOXIDIL"), QStringLiteral("Minoxidil"), QStringLiteral("%"), {2, 5}, false},
        {QStringLiteral("FLUOXETINA CLORIDRATO"), QStringLiteral("Fluoxetina"), QStringLiteral("mg"), {20, 100}, true},
        {QStringLiteral("FENOBARBITAL"), QStringLiteral("Fenobarbital"), QStringLiteral("mg"), {40, 400}, true},
        {QStringLiteral("VITAMINA D3 (COLECALCIFEROL)"), QStringLiteral("Vitamina D3"), QStringLiteral("UI"), {200, 1000, 20000}, false},
        {QStringLiteral("SULFATO FERROSO"), QStringLiteral("Sulfato Ferroso"), QStringLiteral("mg"), {25, 125.5}, false},
        {QStringLiteral("ALFA BISABOLOL"), QStringLiteral("Alfa Bisabolol"), QStringLiteral("%"), {0.5, 1}, false},
        {QStringLiteral("EXTRATO DE JABORANDI"), QStringLiteral("Extrato de Jaborandi"), QStringLiteral("ml"), {2, 5}, false},
        {QStringLiteral("PANTENOL"), QStringLiteral("D-Pantenol"), QStringLiteral("%"), {1, 2.5}, false},
        {QStringLiteral("CETOCONAZOL"), QStringLiteral("Cetoconazol"), QStringLiteral("%"), {2}, false},
        {QStringLiteral("ZINCO GLUCONATO"), QStringLiteral("Gluconato de Zinco"), QStringLiteral("mg"), {10, 20}, false}};
    static const QList<MateriaPrima> semissolidos{
        {QStringLiteral("HIDROQUINONA"), QStringLiteral("Hidroquinona"), QStringLiteral("%"), {2, 4}, false},
        {QStringLiteral("ACIDO GLICOLICO"), QStringLiteral("Ácido Glicólico"), QStringLiteral("%"), {5, 8, 10}, false},
        {QStringLiteral("UREIA"), QStringLiteral("Uréia"), QStringLiteral("%"), {3, 10, 20}, false},
        {QStringLiteral("TRETINOINA"), QStringLiteral("Tretinoína"), QStringLiteral("%"), {0.025, 0.05}, false},
        {QStringLiteral("ACIDO HIALURONICO"), QStringLiteral("Ácido Hialurônico"), QStringLiteral("%"), {0.5, 1}, false},
        {QStringLiteral("CETOCONAZOL"), QStringLiteral("Cetoconazol"), QStringLiteral("%"), {2}, false},
        {QStringLiteral("DEXAMETASONA ACETATO"), QStringLiteral("Dexametasona"), QStringLiteral("%"), {0.1}, false},
        {QStringLiteral("VITAMINA E (TOCOFEROL)"), QStringLiteral("Vitamina E"), QStringLiteral("UI"), {1000, 3000}, false},
        {QStringLiteral("ALANTOINA"), QStringLiteral("Alantoína"), QStringLiteral("%"), {0.5, 2}, false},
        {QStringLiteral("TESTOSTERONA"), QStringLiteral("Testosterona"), QStringLiteral("mg"), {10, 50}, true}};
    switch (tipo) {
    case TipoForma::Capsula: return capsulas;
    case TipoForma::Liquido: return liquidos;
    case TipoForma::Semissolido: break;
    }
    return semissolidos;
}

const QStringList &Veiculos(TipoForma tipo)
{
    static const QStringList capsulas{QStringLiteral("Lactose"), QStringLiteral("Celulose Microcristalina"),
                                      QStringLiteral("Amido")};
    static const QStringList liquidos{QStringLiteral("Xarope Simples"), QStringLiteral("Loção Capilar"),
                                      QStringLiteral("Água Purificada"), QStringLiteral("Veículo Hidroalcoólico")};
    static const QStringList semissolidos{QStringLiteral("Creme Lanette"), QStringLiteral("Gel de Natrosol"),
                                          QStringLiteral("Base Pomada")};
    switch (tipo) {
    case TipoForma::Capsula: return capsulas;
    case TipoForma::Liquido: return liquidos;
    case TipoForma::Semissolido: break;
    }
    return semissolidos;
}

const QList<FormaFarmaceutica> &Formas()
{
    // The capsule forms appear spelled as the pharmacies' programs write
    // them: with and without the accent, and in the plural.
    static const QList<FormaFarmaceutica> l{
        {QStringLiteral("CAPSULA"), TipoForma::Capsula, 30}, {QStringLiteral("CÁPSULA"), TipoForma::Capsula, 15},
        {QStringLiteral("CAPSULAS"), TipoForma::Capsula, 6},  {QStringLiteral("Cápsula"), TipoForma::Capsula, 3},
        {QStringLiteral("SOLUCAO ORAL"), TipoForma::Liquido, 8}, {QStringLiteral("XAROPE"), TipoForma::Liquido, 5},
        {QStringLiteral("LOÇÃO CAPILAR"), TipoForma::Liquido, 7}, {QStringLiteral("SHAMPOO"), TipoForma::Liquido, 3},
        {QStringLiteral("CREME"), TipoForma::Semissolido, 12}, {QStringLiteral("GEL"), TipoForma::Semissolido, 7},
        {QStringLiteral("POMADA"), TipoForma::Semissolido, 4}};
    return l;
}

const QStringList &Posologias(TipoForma tipo)
{
    static const QStringList capsulas{
        QStringLiteral("Tomar 1 cápsula pela manhã."), QStringLiteral("Tomar 1 cápsula ao dia, após o almoço."),
        QStringLiteral("Tomar 1 cápsula de 12 em 12 horas."), QStringLiteral("Tomar 2 cápsulas à noite, antes de dormir."),
        QStringLiteral("Tomar 1 cápsula 30 minutos antes do almoço e do jantar.")};
    static const QStringList liquidos{
        QStringLiteral("Tomar 5 ml de 8 em 8 horas."), QStringLiteral("Aplicar 1 ml no couro cabeludo à noite."),
        QStringLiteral("Tomar 10 gotas ao dia."), QStringLiteral("Lavar os cabelos 3 vezes por semana.")};
    static const QStringList semissolidos{
        QStringLiteral("Aplicar à noite na área afetada."), QStringLiteral("Aplicar 2 vezes ao dia."),
        QStringLiteral("Aplicar uma fina camada após o banho. Evitar exposição ao sol.")};
    switch (tipo) {
    case TipoForma::Capsula: return capsulas;
    case TipoForma::Liquido: return liquidos;
    case TipoForma::Semissolido: break;
    }
    return semissolidos;
}

const QStringList &Fornecedores()
{
    static const QStringList l{QStringLiteral("Galena Química"), QStringLiteral("Fagron do Brasil"),
                               QStringLiteral("Via Farma"), QStringLiteral("Pharma Nostra"),
                               QStringLiteral("Purifarma"), QStringLiteral("Deg Importação")};
    return l;
}

const QList<ProdutoPronto> &ProdutosProntos()
{
    static const QList<ProdutoPronto> l{
        {QStringLiteral("7891058001155"), QStringLiteral("Dipirona Sódica 500mg c/ 10 comprimidos"), QStringLiteral("CX")},
        {QStringLiteral("7896004703398"), QStringLiteral("Losartana Potássica 50mg c/ 30 comprimidos"), QStringLiteral("CX")},
        {QStringLiteral("7896422510219"), QStringLiteral("Omeprazol 20mg c/ 28 cápsulas"), QStringLiteral("CX")},
        {QStringLiteral("7896676400977"), QStringLiteral("Soro Fisiológico 0,9% 500ml"), QStringLiteral("FR")},
        {QStringLiteral("7891010032302"), QStringLiteral("Protetor Solar FPS 50 120ml"), QStringLiteral("UN")},
        {QStringLiteral("7896004711225"), QStringLiteral("Sinvastatina 20mg c/ 30 comprimidos"), QStringLiteral("CX")},
        {QStringLiteral("7896206401245"), QStringLiteral("Fralda Geriátrica G c/ 8"), QStringLiteral("PCT")},
        {QStringLiteral("7891317011383"), QStringLiteral("Metformina 850mg c/ 30 comprimidos"), QStringLiteral("CX")}};
    return l;
}
