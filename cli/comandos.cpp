#include "cli/comandos.h"
#include "book/montagem.h"
#include "book/preparacao.h"
#include "cli/interfaceterminal.h"
#include "config/configuracao.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/marcadores.h"
#include "config/regional.h"
#include "config/textos.h"
#include "data/login.h"
#include "data/tabelas.h"
#include "data/udm.h"
#include "data/udm2.h"
#include "reports/comandosrelatorio.h"
#include "reports/urm.h"

#include <QDir>
#include <cstdio>
#include <iostream>
#include <limits>
#include <memory>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

const QString kUsuario = QStringLiteral("--usuario");

// The password: LIVRO_SENHA, or asked on the terminal without echo, or the
// first line of standard input when it is not a terminal.
QString LeSenha()
{
    if (qEnvironmentVariableIsSet("LIVRO_SENHA"))
        return qEnvironmentVariable("LIVRO_SENHA");
    std::string linha;
    if (isatty(STDIN_FILENO)) {
        std::fputs("Senha: ", stderr);
        std::fflush(stderr);
        termios antes{};
        tcgetattr(STDIN_FILENO, &antes);
        termios sem = antes;
        sem.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &sem);
        std::getline(std::cin, linha);
        tcsetattr(STDIN_FILENO, TCSANOW, &antes);
        std::fputs("\n", stderr);
    } else {
        std::getline(std::cin, linha);
    }
    return QString::fromLocal8Bit(linha.c_str());
}

// The program's modules, created as the window's start-up creates them.
class Sessao {
public:
    InterfaceTerminal ui;
    std::unique_ptr<TRM> rm;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TDM2> dm2;

    ~Sessao()
    {
        DM2 = nullptr;
        DM = nullptr;
        RM = nullptr;
    }

    // Settings, modules and login. Returns SaidaOk or the exit status of the failure.
    int abre(const Argumentos &args)
    {
        try {
            AtribuiCamposConstantes();
            if (!LeArquivoConfiguracao(ui))
                return SaidaFalha;
        } catch (const std::exception &e) {
            ReportaErroGeral(ui, e);
            return SaidaFalha;
        }
        rm = std::make_unique<TRM>(ui);
        RM = rm.get();
        dm = std::make_unique<TDM>(ui);
        DM = dm.get();
        if (!ExecutaComando(ui, [this] { dm->DataModuleCreate(); }))
            return SaidaFalha;
        dm2 = std::make_unique<TDM2>();
        DM2 = dm2.get();
        if (!ExecutaComando(ui, [this] { dm2->DataModuleCreate(); }))
            return SaidaFalha;
        rm->LigaDados(*dm);
        return entra(args);
    }

private:
    int entra(const Argumentos &args)
    {
        if (LoginDispensado())
            return ExecutaComando(ui, [] { GravaUltimaAtividade(); }) ? SaidaOk : SaidaFalha;
        if (!args.tem(kUsuario)) {
            std::fputs("livro: informe o usuário com --usuario NOME.\n", stderr);
            return SaidaUso;
        }
        const QString nome = args.valor(kUsuario);
        const QString senha = LeSenha();
        ResultadoLogin r;
        if (!ExecutaComando(ui, [&] { r = ConfereUsuario(*dm, nome, senha); }))
            return SaidaFalha;
        if (r.situacao != SituacaoLogin::Admitido) {
            ui.mostraErro(r.mensagem);
            return SaidaFalha;
        }
        return ExecutaComando(ui, [&] { AdmiteUsuario(*dm, *dm2, nome); }) ? SaidaOk : SaidaFalha;
    }
};

// Stores the period in PERIODO as the period panel does; failures are ignored.
void GuardaPeriodo(TDM2 &dm2, const QDate &inicio, const QDate &fim)
{
    try {
        ClientDataSet &p = dm2.Periodo;
        p.Open();
        p.Edit();
        p.FieldByName(QStringLiteral("DATAINICIAL")).setAsDate(inicio);
        p.FieldByName(QStringLiteral("DATAFINAL")).setAsDate(fim);
        p.Post();
    } catch (const std::exception &) {
    }
    try {
        dm2.Periodo.Close();
    } catch (const std::exception &) {
    }
}

int Resultado(const Sessao &s)
{
    return s.ui.mensagensMostradas > 0 ? SaidaComFalhas : SaidaOk;
}

bool LeData(const Argumentos &args, const QString &opcao, QDate &data)
{
    if (!args.tem(opcao)) {
        std::fprintf(stderr, "livro: falta %s DD/MM/AAAA.\n", opcao.toUtf8().constData());
        return false;
    }
    if (!TentaStrToDate(args.valor(opcao), data)) {
        std::fprintf(stderr, "livro: data inválida em %s: \"%s\" (use DD/MM/AAAA).\n", opcao.toUtf8().constData(),
                     args.valor(opcao).toUtf8().constData());
        return false;
    }
    return true;
}

bool ExigePdf(const Argumentos &args)
{
    if (args.valor(QStringLiteral("--pdf")).isEmpty()) {
        std::fputs("livro: informe o arquivo com --pdf ARQUIVO.\n", stderr);
        return false;
    }
    return true;
}

void InformaPdf(const Sessao &s)
{
    if (s.ui.relatoriosGravados > 0)
        std::printf("Relatório gravado em %s\n", QDir::toNativeSeparators(s.ui.arquivoPdf).toUtf8().constData());
}

int Preparar(const Argumentos &args)
{
    QDate inicio, fim;
    if (!LeData(args, QStringLiteral("--inicio"), inicio) || !LeData(args, QStringLiteral("--fim"), fim)
        || !ExigePdf(args))
        return SaidaUso;
    Sessao s;
    if (const int r = s.abre(args); r != SaidaOk)
        return r;
    s.ui.arquivoPdf = args.valor(QStringLiteral("--pdf"));
    GuardaPeriodo(*s.dm2, inicio, fim);
    if (!ExecutaComando(s.ui, [&] { ApagaDadosAntesDaPreparacao(*s.dm); }))
        return SaidaFalha;
    const bool renumerar = args.tem(QStringLiteral("--renumerar"));
    const bool feito = ExecutaComando(s.ui, [&] {
        PreparaLivros(*s.dm, *s.rm, s.ui, inicio, fim, renumerar,
                      [&](const QDate &a, const QDate &b) { MontaLivrosPorPeriodo(*s.dm, *s.rm, s.ui, a, b); });
    });
    if (!feito)
        return SaidaFalha;
    InformaPdf(s);
    return Resultado(s);
}

int Relatorio(const Argumentos &args, void (*comando)(TDM &, TRM &))
{
    if (!ExigePdf(args))
        return SaidaUso;
    Sessao s;
    if (const int r = s.abre(args); r != SaidaOk)
        return r;
    s.ui.arquivoPdf = args.valor(QStringLiteral("--pdf"));
    if (!ExecutaComando(s.ui, [&] { comando(*s.dm, *s.rm); }))
        return SaidaFalha;
    if (s.ui.relatoriosGravados == 0) {
        s.ui.mostraMensagem(QStringLiteral("O projeto de relatórios não tem este relatório; nada foi gravado."));
        return SaidaComFalhas;
    }
    InformaPdf(s);
    return Resultado(s);
}

int Configurar(const Argumentos &args)
{
    const QString livro = QStringLiteral("--livro");
    const QString ultima = QStringLiteral("--ultima-formula");
    int ultimaFormula = 0;
    // The next number must fit the column too.
    if (args.tem(ultima)
        && (!TentaStrToInt(args.valor(ultima), ultimaFormula) || ultimaFormula == std::numeric_limits<int>::max())) {
        std::fprintf(stderr, "livro: --ultima-formula deve ser um número inteiro: \"%s\".\n",
                     args.valor(ultima).toUtf8().constData());
        return SaidaUso;
    }
    Sessao s;
    if (const int r = s.abre(args); r != SaidaOk)
        return r;
    ClientDataSet &dg = s.dm->DadosGer;
    const auto abreLinhaDaLoja = [&] {
        dg.Close();
        s.dm->SQLDS_DadosGer.CommandText = QStringLiteral("Select ") + CamposDadosGer
                                           + QStringLiteral(" from DADOSGER where CGC = '") + EscapaSql(CnpjLoja)
                                           + QStringLiteral("'");
        dg.Open();
    };
    const bool feito = ExecutaComando(s.ui, [&] {
        abreLinhaDaLoja();
        if (args.tem(livro) || args.tem(ultima)) {
            // As the configuration panel: the row is edited (or started with the
            // store's CNPJ), saved, and rows without a book code are removed.
            dg.Edit();
            if (args.tem(livro))
                dg.FieldByName(QStringLiteral("CODIGOLIVRO")).setAsString(args.valor(livro));
            if (args.tem(ultima))
                dg.FieldByName(QStringLiteral("NUMEROINICIAL")).setAsInteger(ultimaFormula + 1);
            dg.Post();
            dg.Close();
            s.dm->sqlcon1.executa(QStringLiteral("DELETE FROM DADOSGER WHERE CODIGOLIVRO IS NULL"));
            abreLinhaDaLoja();
        }
        const bool temLinha = dg.RecordCount() > 0;
        std::printf("Loja: %s\nLivro: %s\nPróximo número: %s\n", FormataCnpj(CnpjLoja).toUtf8().constData(),
                    temLinha ? dg.FieldByName(QStringLiteral("CODIGOLIVRO")).AsString().toUtf8().constData() : "",
                    temLinha ? dg.FieldByName(QStringLiteral("NUMEROINICIAL")).AsString().toUtf8().constData() : "");
        dg.Close();
    });
    return feito ? Resultado(s) : SaidaFalha;
}

} // namespace

QHash<QString, QPair<QStringList, QStringList>> OpcoesDosSubcomandos()
{
    const QStringList relatorio{QStringLiteral("--pdf"), kUsuario};
    return {
        {QStringLiteral("preparar"),
         {{QStringLiteral("--inicio"), QStringLiteral("--fim"), QStringLiteral("--pdf"), kUsuario},
          {QStringLiteral("--renumerar")}}},
        {QStringLiteral("mostrar"), {relatorio, {}}},
        {QStringLiteral("termo-abertura"), {relatorio, {}}},
        {QStringLiteral("termo-encerramento"), {relatorio, {}}},
        {QStringLiteral("configurar"), {{QStringLiteral("--livro"), QStringLiteral("--ultima-formula"), kUsuario}, {}}},
    };
}

int ExecutaSubcomando(const Argumentos &args)
{
    const QString &c = args.subcomando;
    if (c == QLatin1String("preparar"))
        return Preparar(args);
    if (c == QLatin1String("mostrar"))
        return Relatorio(args, &MostraLivroNaTela);
    if (c == QLatin1String("termo-abertura"))
        return Relatorio(args, &ImprimeTermoAbertura);
    if (c == QLatin1String("termo-encerramento"))
        return Relatorio(args, &ImprimeTermoEncerramento);
    return Configurar(args);
}
