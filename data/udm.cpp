#include "data/udm.h"
#include "config/caminhos.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "config/textos.h"
#include <QFile>
#include <QFileInfo>

namespace {
QList<DefCampo> campos(const QString &tabela, int quantos = -1)
{
    QList<DefCampo> c = Tabela(tabela).campos;
    if (quantos >= 0)
        c = c.mid(0, quantos);
    return c;
}
Resolvedor porChave(const QString &tabela)
{
    return {tabela, Tabela(tabela).chave, false, false};
}
}

QString BibliotecaClienteConfigurada()
{
    const QString local = CaminhoLocal(QStringLiteral("c:\\torvenia\\CaminhoGDS.txt"));
    if (!QFileInfo::exists(local))
        return QStringLiteral("gds32.dll");
    QFile f(local);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("%1: %2").arg(local, f.errorString()));
    QByteArray linha = f.readLine();
    while (linha.endsWith('\n') || linha.endsWith('\r'))
        linha.chop(1);
    QString pasta = Corta(DeWin1252(linha), 100);
    if (pasta.isEmpty())
        return QStringLiteral("gds32.dll");
    if (!pasta.endsWith(QLatin1Char('\\')))
        pasta += QLatin1Char('\\');
    return pasta + QStringLiteral("GDS32.DLL");
}

void DefineParametrosPadrao(ConexaoFirebird &c)
{
    c.defineParametro(QStringLiteral("DriverName"), QStringLiteral("Interbase"));
    c.defineParametro(QStringLiteral("User_Name"), QStringLiteral("sysdba"));
    c.defineParametro(QStringLiteral("Password"), QStringLiteral("quartzine"));
    c.defineParametro(QStringLiteral("RoleName"), QStringLiteral("RoleName"));
    c.defineParametro(QStringLiteral("ServerCharSet"), QStringLiteral("win1252"));
    c.defineParametro(QStringLiteral("SQLDialect"), QStringLiteral("3"));
    c.defineParametro(QStringLiteral("BlobSize"), QStringLiteral("-1"));
    c.defineParametro(QStringLiteral("CommitRetain"), QStringLiteral("False"));
    c.defineParametro(QStringLiteral("WaitOnLocks"), QStringLiteral("True"));
    c.defineParametro(QStringLiteral("Interbase TransIsolation"), QStringLiteral("ReadCommited"));
    c.defineParametro(QStringLiteral("Trim Char"), QStringLiteral("False"));
    c.defineParametro(QStringLiteral("ErrorResourceFile"), QString());
    c.defineParametro(QStringLiteral("LocaleCode"), QStringLiteral("0000"));
}

TDM::TDM(InterfaceUsuario &ui)
    : cdsPedidos(QStringLiteral("cdsPedidos"), sqlcon1, campos(QStringLiteral("PEDIDOS")),
                 porChave(QStringLiteral("PEDIDOS")), {QStringLiteral("ESTACAO"), QStringLiteral("NPEDIDO")}, QString()),
      cdsPediform(QStringLiteral("cdsPediform"), sqlcon1, campos(QStringLiteral("PEDIFORM")),
                  porChave(QStringLiteral("PEDIFORM")),
                  {QStringLiteral("ESTACAO"), QStringLiteral("NPEDIDO"), QStringLiteral("NFORMULA")},
                  QStringLiteral("Select ") + ListaCampos(QStringLiteral("PEDIFORM")) + QStringLiteral(" from PEDIFORM")),
      cdsCompedid(QStringLiteral("cdsCompedid"), sqlcon1, campos(QStringLiteral("COMPEDID")),
                  porChave(QStringLiteral("COMPEDID")),
                  {QStringLiteral("ESTACAO"), QStringLiteral("NPEDIDO"), QStringLiteral("NFORMULA"), QStringLiteral("COMPONENTE")},
                  QStringLiteral("Select ") + ListaCampos(QStringLiteral("COMPEDID")) + QStringLiteral(" from COMPEDID")),
      // The selection names 32 columns; the cached copy keeps the first 30.
      cdsItens(QStringLiteral("cdsItens"), sqlcon1, campos(QStringLiteral("ITENS"), 30), porChave(QStringLiteral("ITENS")),
               {QStringLiteral("ESTACAO"), QStringLiteral("NPEDIDO"), QStringLiteral("CODPROD")},
               QStringLiteral("Select ") + ListaCampos(QStringLiteral("ITENS")) + QStringLiteral(" from ITENS")),
      DadosGer(QStringLiteral("DadosGer"), sqlcon1, campos(QStringLiteral("DADOSGER")), {QStringLiteral("DADOSGER"), {}, false, false},
               {}, QStringLiteral("Select ") + ListaCampos(QStringLiteral("DADOSGER")) + QStringLiteral(" from DADOSGER")),
      Usuarios(QStringLiteral("Usuarios"), sqlcon1, campos(QStringLiteral("USUARIOS")), porChave(QStringLiteral("USUARIOS")),
               {QStringLiteral("USUARIO")},
               QStringLiteral("select USUARIO, CODIGO, SENHA, ACESSO, ARQUIVO, LOGADO, ESTACAO, CONSIST_INICIAL, "
                              "DEFVIDEOTORV from USUARIOS order by USUARIO")),
      Estacoes(QStringLiteral("Estacoes"), sqlcon1, campos(QStringLiteral("ESTACOES")), porChave(QStringLiteral("ESTACOES")),
               {QStringLiteral("ESTACAO")}, QString()),
      Clientes(QStringLiteral("Clientes"), sqlcon1, campos(QStringLiteral("CLIENTES")), porChave(QStringLiteral("CLIENTES")),
               {QStringLiteral("ESTACAO"), QStringLiteral("CODIGO")}, QString()),
      Compras(QStringLiteral("Compras"), sqlcon1, campos(QStringLiteral("COMPRAS")), porChave(QStringLiteral("COMPRAS")),
              {QStringLiteral("ESTACAO"), QStringLiteral("CODCOMPRA"), QStringLiteral("DATA"), QStringLiteral("NOTAFISCAL"),
               QStringLiteral("CODIGO"), QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("COMPONENTE")},
              QString()),
      LivroSC(QStringLiteral("LivroSC"), sqlcon1, campos(QStringLiteral("LIVROSC")),
              {QStringLiteral("LIVROSC"), Tabela(QStringLiteral("LIVROSC")).chave, true, false},
              {QStringLiteral("LOJA"), QStringLiteral("CODLIVRO"), QStringLiteral("NUMERO")}, QString()),
      sqlLivroSC(QStringLiteral("sqlLivroSC"), sqlcon1, campos(QStringLiteral("LIVROSC")),
                 {QStringLiteral("LIVROSC"), {}, false, true},
                 {QStringLiteral("LOJA"), QStringLiteral("CODLIVRO"), QStringLiteral("NUMERO")},
                 QStringLiteral("SELECT * FROM LIVROSC ORDER BY Numero")),
      SQLQuery1(QStringLiteral("SQLQuery1"), sqlcon1, {}, {QString(), {}, false, true}, {}, QString()),
      m_ui(ui)
{
    DefineParametrosPadrao(sqlcon1);
    sqlcon1.defineParametro(QStringLiteral("Database"), QStringLiteral("c:\\torvenia\\dados\\torvenia.bd"));

    cdsPedidos.AfterScroll = [this](ClientDataSet &ds) { cdsPedidosAfterScroll(ds); };
    cdsPedidos.BeforeClose = [this](ClientDataSet &ds) { cdsPedidosBeforeClose(ds); };
    cdsPedidos.AfterPost = &TDM::GravaERele;
    cdsPediform.AfterScroll = [this](ClientDataSet &ds) { cdsPediformAfterScroll(ds); };
    cdsPediform.BeforeClose = [this](ClientDataSet &ds) { cdsPediformBeforeClose(ds); };
    cdsPediform.AfterPost = &TDM::GravaERele;
    cdsCompedid.AfterPost = &TDM::GravaERele;
    DadosGer.AfterInsert = [this](ClientDataSet &ds) { DadosGerAfterInsert(ds); };
    DadosGer.AfterPost = &TDM::GravaERele;
    LivroSC.AfterInsert = [this](ClientDataSet &ds) { LivroSCAfterInsert(ds); };
    LivroSC.AfterPost = &TDM::GravaERele;
    LivroSC.OnPostError = [this](ClientDataSet &ds, const EErro &e) { LivroSCPostError(ds, e); };
}

void TDM::DataModuleCreate()
{
    const QString biblioteca = BibliotecaClienteConfigurada(); // a read error skips the rest
    sqlcon1.defineBibliotecaCliente(biblioteca);
    sqlcon1.desconecta();
    sqlcon1.defineParametro(QStringLiteral("DataBase"),
                            Corta(IpServidorCentral + QStringLiteral(":C:\\torvenia\\dados\\torvenia.bd"), 90));
}

void TDM::cdsPedidosAfterScroll(ClientDataSet &ds)
{
    const QString estacao = ds.FieldByName(QStringLiteral("ESTACAO")).AsString();
    const QString pedido = ds.FieldByName(QStringLiteral("NPEDIDO")).AsString();
    if (estacao.isEmpty() || pedido.isEmpty())
        return;
    cdsItens.Close();
    sqldsItens.CommandText = QStringLiteral("Select ") + CamposItens + QStringLiteral(" from ITENS where ESTACAO = '")
                             + EscapaSql(estacao) + QStringLiteral("' and NPEDIDO = ") + pedido;
    cdsItens.Open();
    cdsPediform.Close();
    sqldsPediform.CommandText = QStringLiteral("Select ") + CamposPediform
                                + QStringLiteral(" from PEDIFORM where ESTACAO = '") + EscapaSql(estacao)
                                + QStringLiteral("' and NPEDIDO = ") + pedido;
    cdsPediform.Open();
}

void TDM::cdsPedidosBeforeClose(ClientDataSet &)
{
    cdsPediform.Close();
    cdsItens.Close();
}

void TDM::cdsPediformAfterScroll(ClientDataSet &ds)
{
    cdsCompedid.Close();
    // A move on an empty formula selection has no formula: no statement with
    // empty numbers is sent, the components stay closed.
    if (ds.FieldByName(QStringLiteral("NPEDIDO")).IsNull() || ds.FieldByName(QStringLiteral("NFORMULA")).IsNull())
        return;
    sqldsCompedid.CommandText = QStringLiteral("Select ") + CamposCompedid
                                + QStringLiteral(" from COMPEDID where ESTACAO = '")
                                + EscapaSql(ds.FieldByName(QStringLiteral("ESTACAO")).AsString())
                                + QStringLiteral("' and NPEDIDO = ") + ds.FieldByName(QStringLiteral("NPEDIDO")).AsString()
                                + QStringLiteral(" and NFORMULA = ") + ds.FieldByName(QStringLiteral("NFORMULA")).AsString();
    cdsCompedid.Open();
}

void TDM::cdsPediformBeforeClose(ClientDataSet &) { cdsCompedid.Close(); }

void TDM::DadosGerAfterInsert(ClientDataSet &ds) { ds.FieldByName(QStringLiteral("CGC")).setAsString(CnpjLoja); }

void TDM::LivroSCAfterInsert(ClientDataSet &ds) { ds.FieldByName(QStringLiteral("LOJA")).setAsString(CnpjLoja); }

void TDM::LivroSCPostError(ClientDataSet &, const EErro &erro) { m_ui.mostraMensagem(erro.mensagem()); }

void TDM::GravaERele(ClientDataSet &ds)
{
    ds.ApplyUpdates(-1);
    ds.RefreshAposAplicar();
}
