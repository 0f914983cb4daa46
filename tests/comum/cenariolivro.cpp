#include "comum/cenariolivro.h"
#include "book/montagem.h"
#include "book/preparacao.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/regional.h"
#include "data/tabelas.h"
#include "data/udm.h"
#include "reports/urm.h"

namespace {
Valores Junta(Valores base, const Valores &extra)
{
    for (const auto &e : extra) {
        bool trocou = false;
        for (auto &b : base)
            if (b.first.compare(e.first, Qt::CaseInsensitive) == 0) {
                b.second = e.second;
                trocou = true;
            }
        if (!trocou)
            base << e;
    }
    return base;
}

TipoCampo TipoDe(const QString &tabela, const QString &coluna)
{
    if (tabela.compare(QLatin1String("TABLAB"), Qt::CaseInsensitive) == 0)
        return TipoCampo::Texto;
    for (const DefCampo &d : Tabela(tabela).campos)
        if (d.nome.compare(coluna, Qt::CaseInsensitive) == 0)
            return d.tipo;
    throw EDatabaseError(QStringLiteral("no column %1.%2").arg(tabela, coluna));
}
}

CenarioLivro &CenarioLivro::insere(const QString &tabela, const Valores &valores)
{
    QStringList colunas, literais;
    for (const auto &v : valores) {
        colunas << v.first;
        literais << LiteralSql(v.second, TipoDe(tabela, v.first));
    }
    m_sqls << QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(tabela, colunas.join(QStringLiteral(", ")), literais.join(QStringLiteral(", ")));
    return *this;
}

CenarioLivro &CenarioLivro::loja(const QString &cnpj, const QString &codigoLivro, int numeroInicial)
{
    return insere(QStringLiteral("DADOSGER"), {{QStringLiteral("CGC"), cnpj},
                                              {QStringLiteral("CODIGOLIVRO"), codigoLivro},
                                              {QStringLiteral("NUMEROINICIAL"), numeroInicial}});
}

CenarioLivro &CenarioLivro::laboratorio(const QString &cnpj, const QString &laboratorio)
{
    return insere(QStringLiteral("TABLAB"), {{QStringLiteral("LOJA"), cnpj}, {QStringLiteral("LABORATORIO"), laboratorio}});
}

CenarioLivro &CenarioLivro::pedido(const QString &est, int nped, const QDate &data, const Valores &extra)
{
    estacao = est;
    npedido = nped;
    return insere(QStringLiteral("PEDIDOS"),
                  Junta({{QStringLiteral("ESTACAO"), est},
                         {QStringLiteral("NPEDIDO"), nped},
                         {QStringLiteral("DATAPEDIDO"), data},
                         {QStringLiteral("TIPOPEDIDO"), QStringLiteral("Pedido")},
                         {QStringLiteral("MEDICO"), QStringLiteral("Dr. Paulo Souza")},
                         {QStringLiteral("CONSELHOPROFISSIONAL"), QStringLiteral("CRM")},
                         {QStringLiteral("CRM"), QStringLiteral("12345")},
                         {QStringLiteral("UFCONSELHO"), QStringLiteral("MG")},
                         {QStringLiteral("NOME"), QStringLiteral("ANA LIMA")},
                         {QStringLiteral("FONE"), QStringLiteral("3133334444")},
                         {QStringLiteral("PACIENTE"), QStringLiteral("Ana Lima")},
                         {QStringLiteral("FONEPACIENTE"), QStringLiteral("31999990000")},
                         {QStringLiteral("ENDER1"), QStringLiteral("Rua A, 10")},
                         {QStringLiteral("ENDER2"), QStringLiteral("Centro")}},
                        extra));
}

CenarioLivro &CenarioLivro::formula(int nform, const Valores &extra)
{
    nformula = nform;
    return insere(QStringLiteral("PEDIFORM"), Junta({{QStringLiteral("ESTACAO"), estacao},
                                                     {QStringLiteral("NPEDIDO"), npedido},
                                                     {QStringLiteral("NFORMULA"), nform},
                                                     {QStringLiteral("FORMAFARMA"), QStringLiteral("CAPSULA")},
                                                     {QStringLiteral("QDECAPSULAS"), 30},
                                                     {QStringLiteral("QDEROTULOS"), 1},
                                                     {QStringLiteral("VOLUMETOTAL"), 0.0},
                                                     {QStringLiteral("POSOLOGIA"), QStringLiteral("1 ao dia")}},
                                                    extra));
}

CenarioLivro &CenarioLivro::componente(const QString &nome, double qde, const QString &unidade, const Valores &extra)
{
    return insere(QStringLiteral("COMPEDID"), Junta({{QStringLiteral("ESTACAO"), estacao},
                                                     {QStringLiteral("NPEDIDO"), npedido},
                                                     {QStringLiteral("NFORMULA"), nformula},
                                                     {QStringLiteral("COMPONENTE"), nome},
                                                     {QStringLiteral("COMPONENTEDIG"), nome},
                                                     {QStringLiteral("QDE"), qde},
                                                     {QStringLiteral("QDEDIG"), qde},
                                                     {QStringLiteral("UNID"), unidade},
                                                     {QStringLiteral("UNIDDIG"), unidade},
                                                     {QStringLiteral("CONTROLADA"), QStringLiteral("N")}},
                                                    extra));
}

CenarioLivro &CenarioLivro::item(const QString &codprod, const QString &descricao, double qde, const QString &unidade)
{
    return insere(QStringLiteral("ITENS"), {{QStringLiteral("ESTACAO"), estacao},
                                           {QStringLiteral("NPEDIDO"), npedido},
                                           {QStringLiteral("CODPROD"), codprod},
                                           {QStringLiteral("DESCRICAO"), descricao},
                                           {QStringLiteral("QDE"), qde},
                                           {QStringLiteral("UNIDADE"), unidade}});
}

void CenarioLivro::grava()
{
    if (!m_sqls.isEmpty())
        m_amb.executa(m_sqls);
    m_sqls.clear();
}

BaseLivro::BaseLivro()
{
    ReiniciaGlobais();
    DefineRegionais(ConfiguracoesRegionais{});
    AtribuiCamposConstantes();
    CnpjLoja = kLoja;
    CodEstacao = QStringLiteral("01");
    ConteudoLivro = QStringLiteral("COMPLETO");
    amb.instalaProjetoRelatorios();
    dm = std::make_unique<TDM>(ui);
    dm->DataModuleCreate();
    rm = std::make_unique<TRM>(ui);
    rm->LigaDados(*dm);
    DM = dm.get();
    RM = rm.get();
}

BaseLivro::~BaseLivro()
{
    DM = nullptr;
    RM = nullptr;
    rm.reset();
    dm.reset();
    ReiniciaGlobais();
}

void BaseLivro::prepara(const QDate &inicio, const QDate &fim, bool renumerar)
{
    PreparaLivros(*dm, *rm, ui, inicio, fim, renumerar,
                  [this](const QDate &i, const QDate &f) { MontaLivrosPorPeriodo(*dm, *rm, ui, i, f); });
}

QStringList BaseLivro::livro(const QString &colunas) const
{
    return amb.linhas(QStringLiteral("select ") + colunas + QStringLiteral(" from LIVROSC where LOJA = '") + kLoja
                      + QStringLiteral("' order by NUMERO"));
}
