#include "config/configuracao.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "config/textos.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
QHash<QString, QString> &valores()
{
    static QHash<QString, QString> v;
    return v;
}

// The settings this system reads afterwards.
QString *destinoDe(const QString &nome)
{
    static const QHash<QString, QString *> destinos = {
        {QStringLiteral("IP DO SERVIDOR CENTRAL"), &IpServidorCentral},
        {QStringLiteral("CONTEUDO DO LIVRO DE RECEITUARIO MEDICO"), &ConteudoLivro},
        {QStringLiteral("LABORATORIO PADRAO"), &LaboratorioPadrao},
        {QStringLiteral("ORDENAR LIVRO RECEIT. PELO COD. LIVRO"), &OrdenarPorCodLivro},
        {QStringLiteral("SO INCLUIR NO LIVRO CLIENTES COM ENDER COMPLETO"), &SoEnderecoCompleto},
        {QStringLiteral("INCLUIR NO LIVRO A DATA VALIDADE OU FABRICACAO"), &DataValidadeOuFabricacao},
        {QStringLiteral("PROGRAMA FARMACIA DE MINAS?"), &ProgramaFarmaciaDeMinas},
    };
    return destinos.value(nome, nullptr);
}
}

const QList<RotuloConfiguracao> &RotulosConfiguracao()
{
    static const QList<RotuloConfiguracao> rotulos = {
#include "rotulos.inc"
    };
    return rotulos;
}

QString RotuloCompleto(const QString &nome)
{
    QString r = nome.left(47);
    while (r.size() < 47)
        r += QLatin1Char('.');
    return r + QLatin1Char(':');
}

QString ValorConfiguracao(const QString &nome)
{
    return valores().value(nome);
}

void ReiniciaGlobais()
{
    NomeUsuario.clear();
    CodEstacao.clear();
    CnpjLoja.clear();
    AcessoUsuario.clear();
    IpServidorCentral.clear();
    CorFundo = 0;
    ConteudoLivro.clear();
    LaboratorioPadrao.clear();
    OrdenarPorCodLivro.clear();
    SoEnderecoCompleto.clear();
    DataValidadeOuFabricacao.clear();
    ProgramaFarmaciaDeMinas = QStringLiteral("N");
    DiretorioPrograma.clear();
    valores().clear();
}

bool LeArquivoConfiguracao(InterfaceUsuario &ui)
{
    return LeArquivoConfiguracao(ui, QCoreApplication::applicationDirPath());
}

bool LeArquivoConfiguracao(InterfaceUsuario &ui, const QString &diretorioPrograma)
{
    DiretorioPrograma = QDir::toNativeSeparators(QDir::cleanPath(diretorioPrograma)) + QDir::separator();
    const QString caminho = DiretorioPrograma + QStringLiteral("TORVENIA.INI");
    if (!QFileInfo::exists(caminho)) {
        ui.mostraMensagem(QStringLiteral(
            "Arquivo TORVENIA.INI não encontrado. Execute o programa Crisolar.exe para criá-lo."));
        return false;
    }
    ProgramaFarmaciaDeMinas = QStringLiteral("N");

    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Não foi possível ler o arquivo %1: %2")
                              .arg(QDir::toNativeSeparators(caminho), arquivo.errorString()));

    QHash<QString, const RotuloConfiguracao *> porRotulo;
    for (const RotuloConfiguracao &r : RotulosConfiguracao())
        porRotulo.insert(RotuloCompleto(r.nome), &r);

    while (!arquivo.atEnd()) {
        QByteArray bruto = arquivo.readLine();
        if (bruto.isEmpty() && arquivo.error() != QFileDevice::NoError)
            throw EInOutError(arquivo.errorString());
        while (bruto.endsWith('\n') || bruto.endsWith('\r'))
            bruto.chop(1);
        const QString linha = DeWin1252(bruto);
        const QString rotulo = linha.left(48);
        const QString valor = linha.size() >= 50 ? linha.mid(49, 60) : QString();
        const RotuloConfiguracao *r = porRotulo.value(rotulo, nullptr);
        if (!r)
            continue;
        const QString limpo = TiraEspacos(valor);
        if (r->tipo == TipoConfiguracao::Inteiro) {
            CorFundo = StrToInt(limpo); // a failure stops the reading here
            valores().insert(r->nome, QString::number(CorFundo));
            continue;
        }
        const QString texto = Corta(limpo, r->largura);
        valores().insert(r->nome, texto);
        if (QString *destino = destinoDe(r->nome))
            *destino = texto;
    }
    return true;
}

QString NomeUsuarioWindows()
{
    QString nome;
#ifdef Q_OS_WIN
    char buffer[50];
    DWORD tamanho = sizeof buffer;
    if (GetUserNameA(buffer, &tamanho))
        nome = DeWin1252(QByteArray(buffer));
#else
    if (const passwd *pw = getpwuid(geteuid()); pw && pw->pw_name)
        nome = QString::fromLocal8Bit(pw->pw_name);
    if (nome.isEmpty())
        nome = qEnvironmentVariable("USER");
#endif
    return Corta(nome, 49);
}
