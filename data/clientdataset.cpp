#include "data/clientdataset.h"
#include "config/erros.h"
#include "config/regional.h"
#include "config/textos.h"
#include <cmath>

namespace {
QString NumeroRegional(double v)
{
    QString s = QString::number(v, 'g', 15);
    s.replace(QLatin1Char('.'), Regionais().separadorDecimal);
    return s;
}
}

// ---------------------------------------------------------------- Campo

QVariant Campo::Value() const { return m_ds->valorAtual(m_indice); }

bool Campo::IsNull() const
{
    const QVariant v = Value();
    return !v.isValid() || v.isNull();
}

QString Campo::AsString() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return QString();
    switch (m_def.tipo) {
    case TipoCampo::Inteiro: return QString::number(v.toLongLong());
    case TipoCampo::Decimal:
    case TipoCampo::Duplo: return NumeroRegional(v.toDouble());
    case TipoCampo::Data: return DataCurta(v.toDate());
    case TipoCampo::Hora: return FormataHora(v.toTime(), QStringLiteral("hh:nn:ss"));
    case TipoCampo::DataHora:
        return DataCurta(v.toDateTime().date()) + QLatin1Char(' ')
               + FormataHora(v.toDateTime().time(), QStringLiteral("hh:nn:ss"));
    case TipoCampo::Blob: return DeWin1252(v.toByteArray());
    case TipoCampo::Texto:
    case TipoCampo::TextoFixo: break;
    }
    return v.toString();
}

int Campo::AsInteger() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return 0;
    switch (m_def.tipo) {
    case TipoCampo::Inteiro: return v.toInt();
    case TipoCampo::Decimal:
    case TipoCampo::Duplo: return int(std::nearbyint(v.toDouble())); // half to even
    case TipoCampo::Texto:
    case TipoCampo::TextoFixo:
    case TipoCampo::Blob: return StrToInt(AsString());
    default: break;
    }
    throw EDatabaseError(QStringLiteral("Field '%1' cannot be read as an integer").arg(m_def.nome));
}

double Campo::AsFloat() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return 0.0;
    if (m_def.tipo == TipoCampo::Texto || m_def.tipo == TipoCampo::TextoFixo) {
        QString t = TiraEspacos(v.toString());
        t.replace(Regionais().separadorDecimal, QLatin1Char('.'));
        bool ok = false;
        const double d = t.toDouble(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(v.toString()));
        return d;
    }
    return v.toDouble();
}

QDate Campo::AsDate() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return QDate();
    if (m_def.tipo == TipoCampo::DataHora)
        return v.toDateTime().date();
    if (m_def.tipo == TipoCampo::Texto || m_def.tipo == TipoCampo::TextoFixo)
        return StrToDate(v.toString());
    return v.toDate();
}

void Campo::setValue(const QVariant &v) { m_ds->defineValor(m_indice, v); }

void Campo::setAsString(const QString &s)
{
    if (s.isEmpty()) {
        setValue(QVariant());
        return;
    }
    switch (m_def.tipo) {
    case TipoCampo::Inteiro: setValue(StrToInt(s)); return;
    case TipoCampo::Decimal:
    case TipoCampo::Duplo: {
        QString t = TiraEspacos(s);
        t.remove(Regionais().separadorMilhar);
        t.replace(Regionais().separadorDecimal, QLatin1Char('.'));
        bool ok = false;
        const double d = t.toDouble(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
        setValue(d);
        return;
    }
    case TipoCampo::Data: setValue(StrToDate(s)); return;
    case TipoCampo::Hora: {
        const QTime t = QTime::fromString(TiraEspacos(s).replace(Regionais().separadorHora, QLatin1Char(':')),
                                          QStringLiteral("H:m:s"));
        const QTime t2 = t.isValid() ? t : QTime::fromString(TiraEspacos(s), QStringLiteral("H:m"));
        if (!t2.isValid())
            throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(s));
        setValue(t2);
        return;
    }
    case TipoCampo::Blob: setValue(ParaWin1252(s)); return;
    default: break;
    }
    setValue(s);
}

void Campo::setAsInteger(int v) { setValue(v); }
void Campo::setAsFloat(double v) { setValue(v); }
void Campo::setAsDate(const QDate &d) { setValue(d.isValid() ? QVariant(d) : QVariant()); }
void Campo::Clear() { setValue(QVariant()); }

// ---------------------------------------------------------------- ClientDataSet

ClientDataSet::ClientDataSet(QString nome, ConexaoFirebird &conexao, QList<DefCampo> campos, Resolvedor resolvedor,
                             QStringList obrigatorios, QString comandoInicial, QObject *parent)
    : QObject(parent), CommandText(std::move(comandoInicial)), m_nome(std::move(nome)), m_conexao(conexao),
      m_declarados(std::move(campos)), m_resolvedor(std::move(resolvedor)), m_obrigatorios(std::move(obrigatorios))
{
    m_camposDaSelecao = m_declarados.isEmpty();
    for (int i = 0; i < m_declarados.size(); ++i) {
        auto *c = new Campo(this, i, m_declarados[i]);
        c->Required = m_obrigatorios.contains(m_declarados[i].nome, Qt::CaseInsensitive);
        m_campos.append(c);
    }
    for (const QString &k : m_resolvedor.chave)
        m_indicesChave.append(indiceCampo(k));
}

ClientDataSet::~ClientDataSet() { qDeleteAll(m_campos); }

int ClientDataSet::indiceCampo(const QString &nome) const
{
    for (int i = 0; i < m_campos.size(); ++i)
        if (m_campos[i]->FieldName().compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Campo *ClientDataSet::FindField(const QString &nome)
{
    const int i = indiceCampo(nome);
    return i < 0 ? nullptr : m_campos[i];
}

Campo &ClientDataSet::FieldByName(const QString &nome)
{
    if (Campo *c = FindField(nome))
        return *c;
    throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(nome));
}

void ClientDataSet::exigeAtivo() const
{
    if (m_estado == EstadoDataSet::Inativo)
        throw EDatabaseError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(m_nome));
}

QVariant ClientDataSet::valorAtual(int indice) const
{
    if (m_estado == EstadoDataSet::Edicao || m_estado == EstadoDataSet::Insercao)
        return m_buffer.value(indice);
    if (m_atual < 0 || m_atual >= m_linhas.size())
        return QVariant();
    return m_linhas[m_atual].valores.value(indice);
}

QVariant ClientDataSet::converte(const QVariant &v, TipoCampo tipo, int tamanho) const
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (tipo) {
    case TipoCampo::Texto:
    case TipoCampo::TextoFixo: {
        const QString s = v.typeId() == QMetaType::QByteArray ? DeWin1252(v.toByteArray()) : v.toString();
        return tamanho > 0 ? Corta(s, tamanho) : s;
    }
    case TipoCampo::Inteiro:
        return v.typeId() == QMetaType::Double ? QVariant(int(std::nearbyint(v.toDouble()))) : QVariant(v.toInt());
    case TipoCampo::Decimal:
    case TipoCampo::Duplo: return v.toDouble();
    case TipoCampo::Data: return v.typeId() == QMetaType::QDateTime ? QVariant(v.toDateTime().date()) : QVariant(v.toDate());
    case TipoCampo::Hora: return v.toTime();
    case TipoCampo::DataHora: return v.toDateTime();
    case TipoCampo::Blob: return v.typeId() == QMetaType::QString ? QVariant(ParaWin1252(v.toString())) : QVariant(v.toByteArray());
    }
    return v;
}

void ClientDataSet::defineValor(int indice, const QVariant &v)
{
    if (m_estado != EstadoDataSet::Edicao && m_estado != EstadoDataSet::Insercao)
        throw EDatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(m_nome));
    const DefCampo &d = m_declarados[indice];
    m_buffer[indice] = converte(v, d.tipo, d.tamanho);
    m_bufferAlterado = true;
    emit mudou();
}

QList<ClientDataSet::Linha> ClientDataSet::leLinhas(const QString &sql, bool definirCampos)
{
    const ResultadoConsulta r = m_conexao.consulta(sql);
    // Without declared columns every new selection brings its own (a general
    // query is reused with different statements).
    if (definirCampos && m_camposDaSelecao) {
        qDeleteAll(m_campos);
        m_campos.clear();
        m_declarados.clear();
        for (const ColunaResultado &c : r.colunas)
            m_declarados.append({c.nome, c.tipo, c.tamanho, c.escala, false});
        for (int i = 0; i < m_declarados.size(); ++i)
            m_campos.append(new Campo(this, i, m_declarados[i]));
    }
    // Declared columns are found in the selection by name, whatever the case.
    QList<int> origem;
    for (const DefCampo &d : m_declarados) {
        int achou = -1;
        for (int j = 0; j < r.colunas.size(); ++j)
            if (r.colunas[j].nome.compare(d.nome, Qt::CaseInsensitive) == 0) {
                achou = j;
                break;
            }
        if (achou < 0)
            throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(d.nome));
        origem.append(achou);
    }
    QList<Linha> linhas;
    linhas.reserve(r.linhas.size());
    for (const QList<QVariant> &bruta : r.linhas) {
        Linha l;
        l.valores.reserve(m_declarados.size());
        for (int i = 0; i < m_declarados.size(); ++i)
            l.valores.append(converte(bruta[origem[i]], m_declarados[i].tipo, m_declarados[i].tamanho));
        linhas.append(std::move(l));
    }
    return linhas;
}

void ClientDataSet::Open()
{
    if (Active())
        return;
    m_linhas = leLinhas(CommandText, true);
    m_estado = EstadoDataSet::Navegacao;
    m_atual = m_linhas.isEmpty() ? -1 : 0;
    m_eof = m_linhas.isEmpty();
    emit mudou();
    if (!m_linhas.isEmpty() && AfterScroll)
        AfterScroll(*this);
}

void ClientDataSet::Close()
{
    if (!Active())
        return;
    if (BeforeClose)
        BeforeClose(*this);
    m_linhas.clear();
    m_buffer.clear();
    m_bufferAlterado = false;
    m_atual = -1;
    m_eof = true;
    m_estado = EstadoDataSet::Inativo;
    emit mudou();
}

void ClientDataSet::finalizaPendente()
{
    if (m_estado != EstadoDataSet::Edicao && m_estado != EstadoDataSet::Insercao)
        return;
    if (m_bufferAlterado)
        Post();
    else
        Cancel();
}

void ClientDataSet::First()
{
    exigeAtivo();
    finalizaPendente();
    m_atual = m_linhas.isEmpty() ? -1 : 0;
    m_eof = m_linhas.isEmpty();
    emit mudou();
    if (AfterScroll)
        AfterScroll(*this);
}

void ClientDataSet::Next()
{
    exigeAtivo();
    if (m_eof)
        return;
    finalizaPendente();
    if (m_atual + 1 < m_linhas.size())
        ++m_atual;
    else
        m_eof = true; // the last row stays current
    emit mudou();
    if (AfterScroll)
        AfterScroll(*this);
}

bool ClientDataSet::Locate(const QString &campo, const QString &valor)
{
    exigeAtivo();
    finalizaPendente();
    Campo &c = FieldByName(campo);
    const int antes = m_atual;
    for (int i = 0; i < m_linhas.size(); ++i) {
        m_atual = i;
        if (c.AsString() == valor) {
            m_eof = false;
            emit mudou();
            if (AfterScroll)
                AfterScroll(*this);
            return true;
        }
    }
    m_atual = antes;
    return false;
}

void ClientDataSet::Edit()
{
    exigeAtivo();
    if (m_estado == EstadoDataSet::Edicao || m_estado == EstadoDataSet::Insercao)
        return;
    if (m_linhas.isEmpty()) {
        Append();
        return;
    }
    m_buffer = m_linhas[m_atual].valores;
    m_bufferAlterado = false;
    m_estado = EstadoDataSet::Edicao;
    emit mudou();
}

void ClientDataSet::Append()
{
    exigeAtivo();
    finalizaPendente();
    m_buffer = QList<QVariant>(m_campos.size());
    m_bufferAlterado = false;
    m_estado = EstadoDataSet::Insercao;
    emit mudou();
    if (AfterInsert)
        AfterInsert(*this);
}

void ClientDataSet::Post()
{
    if (m_estado != EstadoDataSet::Edicao && m_estado != EstadoDataSet::Insercao)
        return;
    for (int i = 0; i < m_campos.size(); ++i) {
        const QVariant &v = m_buffer[i];
        if (m_campos[i]->Required && (!v.isValid() || v.isNull())) {
            const EDatabaseError erro(QStringLiteral("Field '%1' must have a value").arg(m_campos[i]->FieldName()));
            if (OnPostError)
                OnPostError(*this, erro);
            throw erro;
        }
    }
    if (m_estado == EstadoDataSet::Insercao) {
        Linha l;
        l.valores = m_buffer;
        l.situacao = Situacao::Inserida;
        m_linhas.append(std::move(l));
        m_atual = int(m_linhas.size()) - 1;
    } else {
        Linha &l = m_linhas[m_atual];
        if (l.situacao == Situacao::Inalterada) {
            l.originais = l.valores;
            l.situacao = Situacao::Modificada;
        }
        l.valores = m_buffer;
    }
    m_eof = false;
    m_buffer.clear();
    m_bufferAlterado = false;
    m_estado = EstadoDataSet::Navegacao;
    emit mudou();
    if (AfterPost)
        AfterPost(*this);
}

void ClientDataSet::Cancel()
{
    if (m_estado != EstadoDataSet::Edicao && m_estado != EstadoDataSet::Insercao)
        return;
    m_buffer.clear();
    m_bufferAlterado = false;
    m_estado = EstadoDataSet::Navegacao;
    emit mudou();
}

void ClientDataSet::EmptyDataSet()
{
    exigeAtivo();
    Cancel();
    m_linhas.clear();
    m_atual = -1;
    m_eof = true;
    emit mudou();
}

int ClientDataSet::ChangeCount() const
{
    int n = 0;
    for (const Linha &l : m_linhas)
        if (l.situacao != Situacao::Inalterada)
            ++n;
    return n;
}

QString ClientDataSet::condicaoLinha(const QList<QVariant> &valores, bool usaChave) const
{
    QStringList partes;
    for (int i = 0; i < m_declarados.size(); ++i) {
        const DefCampo &d = m_declarados[i];
        if (usaChave ? !m_indicesChave.contains(i) : d.tipo == TipoCampo::Blob)
            continue;
        const QVariant &v = valores[i];
        if (!v.isValid() || v.isNull())
            partes << d.nome + QStringLiteral(" IS NULL");
        else
            partes << d.nome + QStringLiteral(" = ") + LiteralSql(v, d.tipo, d.escala);
    }
    return partes.join(QStringLiteral(" AND "));
}

int ClientDataSet::ApplyUpdates(int maxErros)
{
    exigeAtivo();
    finalizaPendente();
    if (m_resolvedor.somenteLeitura)
        return 0;
    QList<ComandoAplicacao> comandos;
    QList<int> linhasDosComandos;
    for (int i = 0; i < m_linhas.size(); ++i) {
        const Linha &l = m_linhas[i];
        if (l.situacao == Situacao::Inalterada)
            continue;
        ComandoAplicacao c;
        if (l.situacao == Situacao::Inserida) {
            QStringList nomes, valores;
            for (int k = 0; k < m_declarados.size(); ++k) {
                if (!l.valores[k].isValid() || l.valores[k].isNull())
                    continue;
                nomes << m_declarados[k].nome;
                valores << LiteralSql(l.valores[k], m_declarados[k].tipo, m_declarados[k].escala);
            }
            c.sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(m_resolvedor.tabela, nomes.join(QStringLiteral(", ")), valores.join(QStringLiteral(", ")));
        } else {
            if (m_resolvedor.somenteInsercao)
                continue;
            QStringList atribuicoes;
            for (int k = 0; k < m_declarados.size(); ++k) {
                if (l.valores[k] == l.originais[k] && l.valores[k].isNull() == l.originais[k].isNull())
                    continue;
                atribuicoes << m_declarados[k].nome + QStringLiteral(" = ") + LiteralSql(l.valores[k], m_declarados[k].tipo, m_declarados[k].escala);
            }
            if (atribuicoes.isEmpty()) {
                m_linhas[i].situacao = Situacao::Inalterada;
                m_linhas[i].originais.clear();
                continue;
            }
            c.sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                        .arg(m_resolvedor.tabela, atribuicoes.join(QStringLiteral(", ")),
                             condicaoLinha(l.originais, !m_indicesChave.isEmpty()));
            c.exigeUmaLinha = true;
        }
        comandos.append(c);
        linhasDosComandos.append(i);
    }
    m_conexao.aplica(comandos);
    int recusados = 0;
    for (int j = 0; j < comandos.size(); ++j) {
        Linha &l = m_linhas[linhasDosComandos[j]];
        if (comandos[j].aceito) {
            l.situacao = Situacao::Inalterada;
            l.originais.clear();
            l.releitura = true;
        } else {
            ++recusados;
        }
    }
    Q_UNUSED(maxErros) // -1: send everything and stop at no error; refused changes stay pending
    return recusados;
}

QList<QVariant> ClientDataSet::valoresChave(int linha) const
{
    QList<QVariant> chave;
    if (linha < 0 || linha >= m_linhas.size())
        return chave;
    for (int k : m_indicesChave)
        chave.append(m_linhas[linha].valores[k]);
    return chave;
}

void ClientDataSet::posicionaPorChave(const QList<QVariant> &chaveAnterior, int posicaoAnterior)
{
    m_atual = -1;
    if (!chaveAnterior.isEmpty())
        for (int i = 0; i < m_linhas.size(); ++i)
            if (valoresChave(i) == chaveAnterior) {
                m_atual = i;
                break;
            }
    if (m_atual < 0 && !m_linhas.isEmpty())
        m_atual = qBound(0, posicaoAnterior, int(m_linhas.size()) - 1);
}

void ClientDataSet::Refresh()
{
    exigeAtivo();
    finalizaPendente();
    if (ChangeCount() > 0)
        throw EDatabaseError(QStringLiteral("Must apply updates before refreshing data"));
    const QList<QVariant> chave = m_indicesChave.isEmpty() ? QList<QVariant>() : valoresChave(m_atual);
    const int posicao = m_atual;
    const bool eof = m_eof;
    m_linhas = leLinhas(CommandText, false);
    posicionaPorChave(chave, posicao);
    m_eof = m_linhas.isEmpty() || (eof && m_atual == m_linhas.size() - 1);
    emit mudou();
}

void ClientDataSet::RefreshAposAplicar()
{
    exigeAtivo();
    finalizaPendente();
    if (ChangeCount() > 0)
        throw EDatabaseError(QStringLiteral("Must apply updates before refreshing data"));
    if (m_indicesChave.isEmpty() || m_resolvedor.tabela.isEmpty()) {
        Refresh();
        return;
    }
    QStringList nomes;
    for (const DefCampo &d : m_declarados)
        nomes << d.nome;
    for (int i = 0; i < m_linhas.size();) {
        if (!m_linhas[i].releitura) {
            ++i;
            continue;
        }
        m_linhas[i].releitura = false;
        const QString sql = QStringLiteral("Select %1 from %2 where %3")
                                .arg(nomes.join(QStringLiteral(", ")), m_resolvedor.tabela,
                                     condicaoLinha(m_linhas[i].valores, true));
        QList<Linha> lidas = leLinhas(sql, false);
        if (lidas.isEmpty()) {
            // Removed by another program meanwhile: it leaves the selection.
            m_linhas.removeAt(i);
            if (m_atual >= i && m_atual > 0)
                --m_atual;
            if (m_linhas.isEmpty())
                m_atual = -1;
            continue;
        }
        m_linhas[i].valores = lidas.first().valores;
        ++i;
    }
    if (m_linhas.isEmpty())
        m_eof = true;
    emit mudou();
}
