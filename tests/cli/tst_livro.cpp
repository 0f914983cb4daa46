// The command `livro`, end to end: the real program on fixture databases.
#include "comum/ambiente.h"
#include "comum/interfaceteste.h"
#include "config/senha.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
std::string s(const QString &q) { return q.toStdString(); }

const QString kCnpj = QStringLiteral("12345678000190");

struct Execucao {
    int saida = -1;
    QString out, err;
};

// A pharmacy with one user (ANA / abc), one station and store, one book, and
// one order of 05/03/2024 with a capsule formula of the store's laboratory.
class Livro : public ::testing::Test {
protected:
    AmbienteTeste amb;
    QString pasta;
    QString programa;

    void SetUp() override
    {
        pasta = amb.escreveIni({{QStringLiteral("CONTEUDO DO LIVRO DE RECEITUARIO MEDICO"), QStringLiteral("COMPLETO")},
                                {QStringLiteral("LABORATORIO PADRAO"), QStringLiteral("Lab Central")}});
        // The program reads TORVENIA.INI beside itself: it runs from the fixture's folder.
        amb.instalaProjetoRelatorios();
        programa = pasta + QStringLiteral("/livro");
        ASSERT_TRUE(QFile::copy(qEnvironmentVariable("RMG_BUILD_DIR") + QStringLiteral("/livro"), programa));
        QFile(programa).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        amb.executa(QStringList{
            QStringLiteral("insert into USUARIOS (USUARIO, SENHA, ACESSO) values ('%1', '%2', 'XXXXXXXXXXXXOXX')")
                .arg(CodificaSenha(QStringLiteral("ANA")), CodificaSenha(QStringLiteral("ABC"))),
            QStringLiteral("insert into ESTACOES (ESTACAO, USUARIO, CNPJ) values ('01', 'Ana', '%1')").arg(kCnpj),
            QStringLiteral("insert into DADOSGER (CGC, CODIGOLIVRO, NUMEROINICIAL, FARMACIA, FIRMA, QDEFOLHAS, CIDADE) "
                           "values ('%1', '001', 100, 'Farmácia Boa Saúde', 'Boa Saúde Ltda', 200, 'Belo Horizonte')")
                .arg(kCnpj),
            QStringLiteral("insert into TABLAB (LOJA, LABORATORIO) values ('%1', 'Lab Central')").arg(kCnpj),
            QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, ENDER1, ENDER2, FONE, MEDICO, DATAPEDIDO, "
                           "TIPOPEDIDO, CRM, CONSELHOPROFISSIONAL, UFCONSELHO, PACIENTE, FONEPACIENTE) values "
                           "('01', 1, 'Maria Souza', 'Rua A, 10', 'Centro', '3333-0000', 'Dr. João', '2024-03-05', "
                           "'Pedido', '12345', 'CRM', 'MG', 'Maria Souza', '3333-0000')"),
            QStringLiteral("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, FORMAFARMA, QDECAPSULAS, QDEROTULOS, "
                           "VOLUMETOTAL, UNIDADE, POSOLOGIA, LABORATORIO, CONFERIDO) values "
                           "('01', 1, 1, 'CAPSULA', 30, 1, 0, 'CAP', '1 ao dia', 'Lab Central', 'S')"),
            QStringLiteral("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE, COMPONENTEDIG, QDEDIG, "
                           "UNIDDIG, CONTROLADA) values ('01', 1, 1, 'FLUOXETINA', 'Fluoxetina', 20, 'mg', 'N')"),
        });
    }

    Execucao livro(const QStringList &args, const QByteArray &senha = "abc")
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TORVENIA_DIR"), amb.raiz());
        if (!senha.isNull())
            env.insert(QStringLiteral("LIVRO_SENHA"), QString::fromUtf8(senha));
        else
            env.remove(QStringLiteral("LIVRO_SENHA"));
        p.setProcessEnvironment(env);
        p.start(programa, args);
        p.closeWriteChannel();
        p.waitForFinished(300000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QString pdf(const QString &nome) const { return amb.caminho(nome); }

    Execucao preparar(const QString &inicio, const QString &fim, const QStringList &extra = {})
    {
        return livro(QStringList{QStringLiteral("preparar"), QStringLiteral("--inicio"), inicio, QStringLiteral("--fim"),
                                 fim, QStringLiteral("--pdf"), pdf(QStringLiteral("livro.pdf")),
                                 QStringLiteral("--usuario"), QStringLiteral("ana")}
                     + extra);
    }
};
}

TEST_F(Livro, PrepararGravaAsLinhasEOPdf)
{
    const Execucao e = preparar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_TRUE(e.out.contains(QStringLiteral("Relatório gravado em"))) << s(e.out);
    EXPECT_EQ(amb.linhas(QStringLiteral("select LOJA, CODLIVRO, NUMERO, NPEDIDO from LIVROSC")),
              QStringList{kCnpj + QStringLiteral("|001|100|01.1.1")});
    EXPECT_EQ(s(amb.valorEm(amb.caminho(QStringLiteral("Interfac01/torvenia.bd")),
                            QStringLiteral("select DATAINICIAL from PERIODO"))),
              "2024-03-01");
    const QString texto = TextoDoPdf(pdf(QStringLiteral("livro.pdf")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Fluoxetina 20mg"))) << s(texto);
    EXPECT_TRUE(texto.contains(QStringLiteral("Maria Souza")));
}

TEST_F(Livro, RenumerarContraManterNumeros)
{
    amb.executa(QStringLiteral("update PEDIFORM set LIVRO = '001', CODLIVRO = 500"));
    EXPECT_EQ(preparar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")).saida, 0);
    EXPECT_EQ(s(amb.valor(QStringLiteral("select CODLIVRO from PEDIFORM"))), "500");
    const Execucao e = preparar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), {QStringLiteral("--renumerar")});
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_EQ(s(amb.valor(QStringLiteral("select CODLIVRO from PEDIFORM"))), "100");
}

TEST_F(Livro, SemPedidosNoPeriodoInformaESai1)
{
    const Execucao e = preparar(QStringLiteral("01/01/2020"), QStringLiteral("31/01/2020"));
    EXPECT_EQ(e.saida, 1);
    EXPECT_TRUE(e.err.contains(QStringLiteral(
        "Não há pedidos válidos neste período para a montagem do Livro de Receituário Médico Geral")))
        << s(e.err);
    EXPECT_FALSE(QFile::exists(pdf(QStringLiteral("livro.pdf"))));
}

TEST_F(Livro, ConsultaDeClienteRecusadaVaiAoAvisoESai1)
{
    // A CLIENTES table without one of the columns the look-up names: the database refuses it.
    amb.executa(QStringLiteral("alter table CLIENTES drop CONTATO"));
    const Execucao e = preparar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(e.saida, 1);
    EXPECT_TRUE(e.err.contains(QStringLiteral("INSERIR NOME DO CLIENTE NO LIVRO"))) << s(e.err);
    EXPECT_TRUE(e.err.contains(QStringLiteral("Maria Souza - Pedido: 01.1- Fórmula 1"))) << s(e.err);
}

struct CasoUso {
    const char *nome;
    QStringList args;
    int saida;
    const char *trecho; // expected on standard error
};

class LivroUso : public Livro, public ::testing::WithParamInterface<CasoUso> {};

TEST_P(LivroUso, SaidaEMensagem)
{
    const Execucao e = livro(GetParam().args);
    EXPECT_EQ(e.saida, GetParam().saida) << s(e.err);
    EXPECT_TRUE(e.err.contains(QString::fromUtf8(GetParam().trecho))) << s(e.err);
    EXPECT_FALSE(e.err.contains(QStringLiteral("terminate"))); // no crash, no stack trace
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, LivroUso,
    ::testing::Values(
        CasoUso{"data_invalida", {"preparar", "--inicio", "31/02/2024", "--fim", "31/03/2024", "--pdf", "x.pdf", "--usuario", "ana"}, 2, "data inválida"},
        CasoUso{"opcao_desconhecida", {"mostrar", "--cor", "azul"}, 2, "Opção desconhecida: --cor"},
        CasoUso{"subcomando_desconhecido", {"imprimir"}, 2, "Subcomando desconhecido: imprimir"},
        CasoUso{"sem_pdf", {"termo-abertura", "--usuario", "ana"}, 2, "--pdf"},
        CasoUso{"sem_usuario", {"mostrar", "--pdf", "x.pdf"}, 2, "--usuario"},
        CasoUso{"usuario_desconhecido", {"mostrar", "--pdf", "x.pdf", "--usuario", "bia"}, 3, "Usuário bia não autorizado"}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST_F(Livro, SenhaErradaSai3)
{
    const Execucao e = livro({QStringLiteral("mostrar"), QStringLiteral("--pdf"), pdf(QStringLiteral("x.pdf")),
                              QStringLiteral("--usuario"), QStringLiteral("ana")},
                             "xyz");
    EXPECT_EQ(e.saida, 3);
    EXPECT_TRUE(e.err.contains(QStringLiteral("Senha incorreta. Tente novamente."))) << s(e.err);
}

TEST_F(Livro, SemArquivoDeConfiguracaoSai3)
{
    QFile::remove(pasta + QStringLiteral("/TORVENIA.INI"));
    const Execucao e = livro({QStringLiteral("configurar"), QStringLiteral("--usuario"), QStringLiteral("ana")});
    EXPECT_EQ(e.saida, 3);
    EXPECT_TRUE(e.err.contains(QStringLiteral("Arquivo TORVENIA.INI não encontrado"))) << s(e.err);
}

TEST_F(Livro, ConfigurarIdaEVolta)
{
    Execucao e = livro({QStringLiteral("configurar"), QStringLiteral("--usuario"), QStringLiteral("ana")});
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_TRUE(e.out.contains(QStringLiteral("Livro: 001"))) << s(e.out);
    EXPECT_TRUE(e.out.contains(QStringLiteral("Próximo número: 100")));
    EXPECT_TRUE(e.out.contains(QStringLiteral("12.345.678/0001-90")));
    e = livro({QStringLiteral("configurar"), QStringLiteral("--livro"), QStringLiteral("002"),
               QStringLiteral("--ultima-formula"), QStringLiteral("1234"), QStringLiteral("--usuario"),
               QStringLiteral("ana")});
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_TRUE(e.out.contains(QStringLiteral("Livro: 002"))) << s(e.out);
    EXPECT_TRUE(e.out.contains(QStringLiteral("Próximo número: 1235")));
    EXPECT_EQ(amb.linhas(QStringLiteral("select CGC, CODIGOLIVRO, NUMEROINICIAL from DADOSGER")),
              QStringList{kCnpj + QStringLiteral("|002|1235")});
    e = livro({QStringLiteral("configurar"), QStringLiteral("--ultima-formula"), QStringLiteral("doze"),
               QStringLiteral("--usuario"), QStringLiteral("ana")});
    EXPECT_EQ(e.saida, 2);
}

TEST_F(Livro, TermosEMostrar)
{
    Execucao e = livro({QStringLiteral("termo-abertura"), QStringLiteral("--pdf"), pdf(QStringLiteral("abertura.pdf")),
                        QStringLiteral("--usuario"), QStringLiteral("ana")});
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_TRUE(TextoDoPdf(pdf(QStringLiteral("abertura.pdf"))).contains(QStringLiteral("Farmácia Boa Saúde")));
    e = livro({QStringLiteral("termo-encerramento"), QStringLiteral("--pdf"), pdf(QStringLiteral("enc.pdf")),
               QStringLiteral("--usuario"), QStringLiteral("ana")});
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_TRUE(TextoDoPdf(pdf(QStringLiteral("enc.pdf"))).contains(QStringLiteral("Boa Saúde Ltda")));
    ASSERT_EQ(preparar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")).saida, 0);
    e = livro({QStringLiteral("mostrar"), QStringLiteral("--pdf"), pdf(QStringLiteral("mostrar.pdf")),
               QStringLiteral("--usuario"), QStringLiteral("ana")});
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_TRUE(TextoDoPdf(pdf(QStringLiteral("mostrar.pdf"))).contains(QStringLiteral("Fluoxetina 20mg")));
}

TEST_F(Livro, MarcadorDispensaOLogin)
{
    QFile f(amb.caminho(QStringLiteral("SaltaLiv.db")));
    f.open(QIODevice::WriteOnly);
    f.close();
    const Execucao e = livro({QStringLiteral("configurar")}, QByteArray());
    EXPECT_EQ(e.saida, 0) << s(e.err);
    EXPECT_TRUE(QFile::exists(amb.caminho(QStringLiteral("ULTATIV.LLF"))));
    EXPECT_TRUE(e.out.contains(QStringLiteral("Loja: ..")));
}
