#include "gerador/gravador.h"
#include "config/erros.h"

namespace {
// An EXECUTE BLOCK statement must stay below the server's 64 KB statement
// text; smaller blocks also keep the compiled block small.
constexpr int kTamanhoBloco = 8000;
// Blocks sent in one transaction: a few thousand rows per commit.
constexpr int kBlocosPorTransacao = 64;
}

Registro &Registro::poe(const char *coluna, const QString &literal)
{
    m_colunas << QLatin1String(coluna);
    m_valores << literal;
    return *this;
}

Registro &Registro::texto(const char *coluna, const QString &valor)
{
    if (valor.isNull())
        return *this;
    return poe(coluna, LiteralSql(valor, TipoCampo::Texto));
}

Registro &Registro::inteiro(const char *coluna, qint64 valor)
{
    return poe(coluna, QString::number(valor));
}

Registro &Registro::numero(const char *coluna, double valor)
{
    return poe(coluna, LiteralSql(valor, TipoCampo::Duplo));
}

Registro &Registro::data(const char *coluna, const QDate &valor)
{
    if (!valor.isValid())
        return *this;
    return poe(coluna, LiteralSql(valor, TipoCampo::Data));
}

Registro &Registro::hora(const char *coluna, const QTime &valor)
{
    if (!valor.isValid())
        return *this;
    return poe(coluna, LiteralSql(valor, TipoCampo::Hora));
}

Registro &Registro::dataHora(const char *coluna, const QDateTime &valor)
{
    if (!valor.isValid())
        return *this;
    return poe(coluna, LiteralSql(valor, TipoCampo::DataHora));
}

QString Registro::sql() const
{
    return QStringLiteral("INSERT INTO ") + m_tabela + QStringLiteral(" (") + m_colunas.join(QStringLiteral(", "))
           + QStringLiteral(") VALUES (") + m_valores.join(QStringLiteral(", ")) + QLatin1Char(')');
}

void Gravador::insere(const Registro &registro)
{
    const QString sql = registro.sql();
    if (!m_bloco.isEmpty() && m_bloco.size() + sql.size() + 8 > kTamanhoBloco)
        fechaBloco();
    if (m_bloco.isEmpty())
        m_bloco = QStringLiteral("EXECUTE BLOCK AS BEGIN\n");
    m_bloco += sql + QStringLiteral(";\n");
    ++m_linhas;
}

void Gravador::fechaBloco()
{
    if (m_bloco.isEmpty())
        return;
    ComandoAplicacao c;
    c.sql = m_bloco + QStringLiteral("END");
    m_blocos.append(std::move(c));
    m_bloco.clear();
    if (m_blocos.size() >= kBlocosPorTransacao)
        enviaTransacao();
}

void Gravador::enviaTransacao()
{
    if (m_blocos.isEmpty())
        return;
    m_conexao.aplica(m_blocos);
    for (const ComandoAplicacao &c : m_blocos)
        if (!c.aceito)
            throw EFirebirdError(c.erro);
    m_blocos.clear();
}

void Gravador::conclui()
{
    fechaBloco();
    enviaTransacao();
}
