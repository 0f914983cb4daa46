#include "gerador/gerador.h"
#include "gerador/gravacao.h"
#include <QHash>
#include <cmath>

void GravaClientesECompras(Gravador &g, const Farmacia &fm)
{
    for (const Cliente &c : fm.clientes) {
        // A client registered twice under the same name and phone has two
        // codes and two addresses.
        for (int i = 0; i < c.linhasCadastro; ++i) {
            Registro r(QStringLiteral("CLIENTES"));
            r.texto("ESTACAO", c.estacao)
                .inteiro("CODIGO", c.codigo + i)
                .texto("NOME", c.nomeCadastro)
                .texto("ENDERECO", i == 0 ? c.endereco : c.endereco + QStringLiteral(" fundos"))
                .texto("COMPLEMENTO", c.complemento.isNull() ? c.bairro : c.complemento + QStringLiteral(" - ") + c.bairro)
                .texto("CIDADE", c.cidade)
                .texto("ESTADO", c.uf)
                .texto("CEP", c.cep)
                .texto("FONE", c.fone)
                .texto("STATUS", QStringLiteral("A"))
                .texto("SEXO", QStringLiteral("F"))
                .inteiro("TIPO", 1);
            g.insere(r);
        }
    }
    int codigo = 0;
    QHash<QString, QString> codigosFornecedor;
    QHash<QString, QString> codigosProduto;
    for (const Lote &l : fm.lotes) {
        if (!l.comCompra)
            continue;
        if (!codigosFornecedor.contains(l.fornecedor))
            codigosFornecedor.insert(l.fornecedor, QStringLiteral("F%1").arg(codigosFornecedor.size() + 1, 3, 10, QLatin1Char('0')));
        if (!codigosProduto.contains(l.componente))
            codigosProduto.insert(l.componente, QStringLiteral("MP%1").arg(codigosProduto.size() + 1, 5, 10, QLatin1Char('0')));
        ++codigo;
        g.insere(Registro(QStringLiteral("COMPRAS"))
                     .texto("ESTACAO", QStringLiteral("01"))
                     .inteiro("CODCOMPRA", codigo)
                     .data("DATA", l.fabricacao.addDays(20))
                     .texto("NOTAFISCAL", QString::number(40000 + codigo * 7))
                     .texto("FORNECEDOR", l.fornecedor)
                     .texto("COMPONENTE", l.componente)
                     .texto("LOTE", l.lote)
                     .numero("QUANTIDADE", 1000)
                     .texto("UNIDADE", QStringLiteral("G"))
                     .numero("PRECOUNITR", 0.35 + (codigo % 40) / 10.0)
                     .data("FABRICACAO", l.fabricacaoNula ? QDate() : l.fabricacao)
                     .data("VALIDADE", l.validade)
                     .numero("SALDO", 1000 - (codigo % 700))
                     .texto("CODIGO", codigosProduto.value(l.componente))
                     .texto("SITUACAO", QStringLiteral("APROVADO"))
                     .texto("FABRICANTE", l.fornecedor)
                     .texto("LABORATORIO", kLaboratorioLoja1)
                     .texto("CODIGOFORNECEDOR", codigosFornecedor.value(l.fornecedor)));
    }
}

void GravaPedidos(Gravador &g, const Farmacia &fm)
{
    for (const Pedido &p : fm.pedidos) {
        const Cliente &c = fm.clientes[p.cliente];
        double total = 0;
        for (const Formula &f : p.formulas)
            total += f.preco;
        for (const ItemPronto &i : p.itens)
            total += i.valor * i.qde;
        Registro r(QStringLiteral("PEDIDOS"));
        r.texto("ESTACAO", p.estacao)
            .inteiro("NPEDIDO", p.npedido)
            .texto("NOME", c.nome)
            .texto("ENDER1", c.endereco)
            .texto("ENDER2", p.ender2)
            .texto("FONE", c.fone)
            .texto("MEDICO", p.medico)
            .data("DATAPEDIDO", p.data)
            .hora("HORAPEDIDO", p.hora)
            .texto("RECEBIDOPOR", p.atendente)
            .texto("TIPOPEDIDO", p.tipo)
            .inteiro("QDEFORMULAS", p.formulas.size())
            .numero("PRECOTOTAL", std::round(total * 100) / 100)
            .numero("PRECOFINAL", std::round(total * 100) / 100)
            .texto("CRM", p.crm)
            .texto("PAGO", QStringLiteral("S"))
            .texto("PRONTO", QStringLiteral("S"))
            .texto("ENTREGUE", p.data < fm.ultimoDia ? QStringLiteral("S") : QStringLiteral("N"))
            .texto("VENDEDOR", p.atendente)
            .texto("CONSELHOPROFISSIONAL", p.conselho)
            .texto("UFCONSELHO", p.uf)
            .texto("PACIENTE", p.paciente)
            .texto("FONEPACIENTE", p.fonePaciente);
        if (c.linhasCadastro > 0)
            r.texto("ESTACAOCLIENTE", c.estacao).inteiro("CODIGOCLIENTE", c.codigo);
        if (p.data < fm.ultimoDia)
            r.data("DATAENTREGA", p.data.addDays(1)).hora("HORAENTREGA", QTime(10, 0));
        g.insere(r);

        for (const Formula &f : p.formulas) {
            Registro rf(QStringLiteral("PEDIFORM"));
            rf.texto("ESTACAO", p.estacao)
                .inteiro("NPEDIDO", p.npedido)
                .inteiro("NFORMULA", f.nformula)
                .texto("FORMAFARMA", f.formaFarma)
                .texto("POSOLOGIA", f.posologia)
                .numero("PRECOFORMULA", f.preco)
                .inteiro("QDECAPSULAS", f.qdeCapsulas)
                .inteiro("QDEROTULOS", f.qdeRotulos)
                .numero("VOLUMETOTAL", f.volumeTotal)
                .texto("UNIDADE", f.unidade)
                .texto("USO", f.tipo == TipoForma::Semissolido ? QStringLiteral("EXTERNO") : QStringLiteral("ORAL"))
                .texto("USASUBSTCONTR", f.usaSubstContr)
                .texto("LIVRO", f.livro)
                .texto("PRONTO", QStringLiteral("S"))
                .texto("CONFERIDO", f.conferido)
                .texto("NOMEFORMULA", f.nomeFormula)
                .texto("LABORATORIO", f.laboratorio);
            if (f.codLivro)
                rf.inteiro("CODLIVRO", *f.codLivro);
            g.insere(rf);
            int ordem = 0;
            for (const Componente &k : f.componentes) {
                Registro rc(QStringLiteral("COMPEDID"));
                rc.texto("ESTACAO", p.estacao)
                    .inteiro("NPEDIDO", p.npedido)
                    .inteiro("NFORMULA", f.nformula)
                    .texto("COMPONENTE", k.componente)
                    .texto("COMPONENTEDIG", k.digitado)
                    .inteiro("ORDEM", ++ordem)
                    .texto("CONTROLADA", k.controlada)
                    .texto("LOTE", k.lote)
                    .texto("FORNECEDOR", k.fornecedor)
                    .data("VALIDADELOTE", k.validadeLote);
                if (!k.componente.isEmpty())
                    rc.numero("QDE", k.qde)
                        .texto("UNID", k.unid)
                        .numero("QDEDIG", k.qdeDig)
                        .texto("UNIDDIG", k.unidDig);
                g.insere(rc);
            }
        }
        int ordem = 0;
        for (const ItemPronto &i : p.itens)
            g.insere(Registro(QStringLiteral("ITENS"))
                         .texto("ESTACAO", p.estacao)
                         .inteiro("NPEDIDO", p.npedido)
                         .texto("CODPROD", i.produto.codigo)
                         .texto("DESCRICAO", i.produto.descricao)
                         .texto("UNIDADE", i.produto.unidade)
                         .numero("VALUNIT", i.valor)
                         .numero("QDE", i.qde)
                         .numero("VALTOT", i.valor * i.qde)
                         .numero("VALFINAL", i.valor * i.qde)
                         .texto("LOJA", p.estacao == QLatin1String("03") ? QStringLiteral("2") : QStringLiteral("1"))
                         .inteiro("ORDEM", ++ordem));
    }
}
