#include "config/senha.h"
#include "config/textos.h"
#include "gerador/gerador.h"
#include "gerador/gravacao.h"

namespace {

struct Usuario {
    QString nome;  // upper-case, as the login compares it
    QString senha;
    QString estacao; // ESTACOES key: the station code, plus a letter for a second user there
    QString cnpj;
    bool comMarca;   // carries this program's access mark
    QString tipo;
};

// The access string: one mark per program of the family. This program's mark
// is the 13th character, the code of the name's first character plus 14.
QString acesso(const QString &nome, bool comMarca)
{
    const QByteArray b = ParaWin1252(nome.left(1));
    const QChar marca = comMarca ? DeWin1252(QByteArray(1, char((quint8(b.at(0)) + 14) % 256))).at(0)
                                 : QLatin1Char('N');
    return QStringLiteral("SSNSSSNSSSSN") + marca + QStringLiteral("SSNNSSSNSSNS");
}

void gravaLoja(Gravador &g, const QString &cnpj, const QString &livro, int numeroInicial, const QString &farmacia,
               const QString &farmaceutico, const QString &endereco, const QString &numero, const QString &bairro,
               const QString &laboratorio)
{
    const QString formatado = cnpj.left(2) + QLatin1Char('.') + cnpj.mid(2, 3) + QLatin1Char('.') + cnpj.mid(5, 3)
                              + QLatin1Char('/') + cnpj.mid(8, 4) + QLatin1Char('-') + cnpj.mid(12, 2);
    g.insere(Registro(QStringLiteral("DADOSGER"))
                 .texto("CODIGOLIVRO", livro)
                 .inteiro("NUMEROINICIAL", numeroInicial)
                 .inteiro("QDEFOLHAS", 200)
                 .texto("REGISTRO", QStringLiteral("Receituário Médico Geral"))
                 .texto("FIRMA", QStringLiteral("Farmácia Torvênia Manipulação Ltda"))
                 .texto("FARMACIA", farmacia)
                 .texto("FARMACEUTICO", farmaceutico)
                 .texto("ENDERECO", endereco)
                 .texto("NUMERO", numero)
                 .texto("CIDADE", QStringLiteral("Belo Horizonte"))
                 .texto("ESTADO", QStringLiteral("MG"))
                 .texto("NUMEROJUNTA", QStringLiteral("3120") + cnpj.mid(4, 7))
                 .texto("ESTADOEXT", QStringLiteral("Minas Gerais"))
                 .texto("INSCRICAOEST", QStringLiteral("062.") + cnpj.mid(6, 6) + QStringLiteral(".00-") + cnpj.right(2))
                 .texto("CGC", cnpj)
                 .inteiro("DIADESPACHO", 14)
                 .texto("MESDESPACHO", QStringLiteral("março"))
                 .inteiro("ANODESPACHO", 2019)
                 .texto("TELEFONE", QStringLiteral("(31) 3222-") + numero.rightJustified(4, QLatin1Char('0')))
                 .texto("CNPJ", formatado)
                 .texto("CEP", QStringLiteral("30130-000"))
                 .texto("BAIRRO", bairro));
    g.insere(Registro(QStringLiteral("TABLAB")).texto("LOJA", cnpj).texto("LABORATORIO", laboratorio));
}

} // namespace

void GravaCadastros(Gravador &g, const Farmacia &fm)
{
    gravaLoja(g, kCnpjLoja1, QStringLiteral("001"), fm.numeroInicialLoja1, QStringLiteral("Farmácia Torvênia - Centro"),
              QStringLiteral("Helena Magalhães - CRF/MG 12.345"), QStringLiteral("Avenida Afonso Pena"),
              QStringLiteral("1500"), QStringLiteral("Centro"), kLaboratorioLoja1);
    gravaLoja(g, kCnpjLoja2, QStringLiteral("A01"), 1, QStringLiteral("Farmácia Torvênia - Pampulha"),
              QStringLiteral("Otávio D'Assunção - CRF/MG 23.456"), QStringLiteral("Avenida Otacílio Negrão de Lima"),
              QStringLiteral("820"), QStringLiteral("Pampulha"), kLaboratorioLoja2);

    const QList<Usuario> usuarios{
        {kUsuarioDemo, kSenhaDemo, QStringLiteral("01"), kCnpjLoja1, true, QStringLiteral("BALCAO")},
        {QStringLiteral("ANA"), QStringLiteral("ANA123"), QStringLiteral("02"), kCnpjLoja1, true, QStringLiteral("BALCAO")},
        {QStringLiteral("BRUNO"), QStringLiteral("PAMPA"), QStringLiteral("03"), kCnpjLoja2, true, QStringLiteral("LABORATORIO")},
        {QStringLiteral("CAIXA"), QStringLiteral("CAIXA"), QStringLiteral("01C"), kCnpjLoja1, false, QStringLiteral("CAIXA")}};
    int codigo = 0;
    for (const Usuario &u : usuarios) {
        g.insere(Registro(QStringLiteral("USUARIOS"))
                     .texto("USUARIO", CodificaSenha(MaiusculasAZ(u.nome)))
                     .texto("CODIGO", QStringLiteral("%1").arg(++codigo, 3, 10, QLatin1Char('0')))
                     .texto("SENHA", CodificaSenha(MaiusculasAZ(u.senha)))
                     .texto("ACESSO", acesso(MaiusculasAZ(u.nome), u.comMarca))
                     .texto("ARQUIVO", QStringLiteral("TORVENIA"))
                     .texto("LOGADO", QStringLiteral("N"))
                     .texto("ESTACAO", u.estacao.left(2))
                     .texto("CONSIST_INICIAL", QStringLiteral("S"))
                     .inteiro("DEFVIDEOTORV", 0));
        const QString interfac = QStringLiteral("C:\\torvenia\\Interfac") + u.estacao.left(2);
        g.insere(Registro(QStringLiteral("ESTACOES"))
                     .texto("ESTACAO", u.estacao)
                     .texto("DATBASNAM", QStringLiteral("C:\\torvenia\\dados\\torvenia.bd"))
                     .texto("TIPO", u.tipo)
                     .texto("ATCAIXA", u.tipo == QLatin1String("CAIXA") ? QStringLiteral("S") : QStringLiteral("N"))
                     .texto("ESVAZIAR", QStringLiteral("N"))
                     .texto("EMUSO", QStringLiteral("N"))
                     .texto("CAMINHOREQUISICAO", interfac + QStringLiteral("\\Requisicao"))
                     .texto("CAMINHOOM", interfac + QStringLiteral("\\OM"))
                     .texto("CAMINHOECF", QStringLiteral("C:\\torvenia\\ECF"))
                     .texto("CAMINHOSEQUENCIAL1", interfac)
                     .texto("CAMINHO2", QStringLiteral("C:\\torvenia\\rpt"))
                     .texto("ROTULO1", QStringLiteral("Farmácia Torvênia"))
                     .texto("ROTULO2", QStringLiteral("Farm. Resp.: Helena Magalhães"))
                     .texto("USUARIO", u.nome)
                     .texto("CNPJ", u.cnpj));
    }
}
