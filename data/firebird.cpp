#include "data/firebird.h"
#include "config/caminhos.h"
#include "config/erros.h"
#include "config/textos.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QRegularExpression>
#include <cstring>
#include <firebird/Interface.h>
#include <ibase.h>

using namespace Firebird;

namespace {

IMaster *mestre(const QString &biblioteca)
{
    // On this platform the location file names a Windows library: when no such
    // file exists the system's client library is used; a file that exists must
    // load as a client library, else the connection fails with the loader's text.
    static QMutex trava;
    static QHash<QString, IMaster *> carregados;
    QMutexLocker l(&trava);
    if (!biblioteca.isEmpty() && QFileInfo::exists(CaminhoLocal(biblioteca))) {
        if (IMaster *m = carregados.value(biblioteca, nullptr))
            return m;
        QLibrary lib(CaminhoLocal(biblioteca));
        using Funcao = IMaster *(*)();
        auto f = reinterpret_cast<Funcao>(lib.resolve("fb_get_master_interface"));
        if (!f)
            throw EFirebirdError(lib.errorString());
        IMaster *m = f();
        carregados.insert(biblioteca, m);
        return m;
    }
    return fb_get_master_interface();
}

QString textoStatus(IMaster *m, IStatus *status)
{
    char buffer[2048];
    m->getUtilInterface()->formatStatus(buffer, sizeof buffer, status);
    return DeWin1252(QByteArray(buffer)).trimmed();
}

// A selection reads in a read-only read-committed transaction: it sees the same
// committed data, and the engine starts it pre-committed, so its end writes
// nothing (a write transaction's commit costs a synchronous page write under
// forced writes, for every read).
const unsigned char kTpbLeitura[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed,
                                     isc_tpb_rec_version, isc_tpb_wait};
const unsigned char kTpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                              isc_tpb_rec_version, isc_tpb_wait};

TipoCampo tipoDe(unsigned tipoSql, int escala)
{
    switch (tipoSql & ~1u) {
    case SQL_VARYING: return TipoCampo::Texto;
    case SQL_TEXT: return TipoCampo::TextoFixo;
    case SQL_SHORT:
    case SQL_LONG: return escala < 0 ? TipoCampo::Decimal : TipoCampo::Inteiro;
    case SQL_INT64: return escala < 0 ? TipoCampo::Decimal : TipoCampo::Duplo;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return TipoCampo::Duplo;
    case SQL_TYPE_DATE: return TipoCampo::Data;
    case SQL_TYPE_TIME: return TipoCampo::Hora;
    case SQL_TIMESTAMP: return TipoCampo::DataHora;
    case SQL_BLOB: return TipoCampo::Blob;
    default: return TipoCampo::Texto;
    }
}

} // namespace

struct ConexaoFirebird::Privado {
    IMaster *master = nullptr;
    IAttachment *anexo = nullptr;

    QString erro(const FbException &e) const { return textoStatus(master, e.getStatus()); }

    // Releases what a failed statement left open; further errors are ignored.
    void descarta(IResultSet *cursor, IMessageMetadata *meta, IStatement *cmd, ITransaction *tr) const
    {
        ThrowStatusWrapper st(master->getStatus());
        try {
            if (cursor)
                cursor->close(&st);
            if (meta)
                meta->release();
            if (cmd)
                cmd->free(&st);
            if (tr)
                tr->rollback(&st);
        } catch (const FbException &) {
        }
    }

    ITransaction *inicia(ThrowStatusWrapper &st)
    {
        return anexo->startTransaction(&st, sizeof kTpb, kTpb);
    }
    ITransaction *iniciaLeitura(ThrowStatusWrapper &st)
    {
        return anexo->startTransaction(&st, sizeof kTpbLeitura, kTpbLeitura);
    }

    QByteArray leBlob(ThrowStatusWrapper &st, ITransaction *tr, ISC_QUAD *id)
    {
        IBlob *blob = anexo->openBlob(&st, tr, id, 0, nullptr);
        QByteArray dados;
        char pedaco[32768];
        for (;;) {
            unsigned lidos = 0;
            const int r = blob->getSegment(&st, sizeof pedaco, pedaco, &lidos);
            if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT)
                dados.append(pedaco, lidos);
            else
                break;
        }
        blob->close(&st);
        return dados;
    }
};

ConexaoFirebird::ConexaoFirebird(QString nome) : m_nome(std::move(nome)), d(new Privado) {}

ConexaoFirebird::~ConexaoFirebird()
{
    try {
        desconecta();
    } catch (...) {
    }
}

void ConexaoFirebird::defineParametro(const QString &chave, const QString &valor)
{
    for (auto &p : m_parametros)
        if (p.first.compare(chave, Qt::CaseInsensitive) == 0) {
            p = {chave, valor};
            return;
        }
    m_parametros.append({chave, valor});
}

QString ConexaoFirebird::parametro(const QString &chave) const
{
    for (const auto &p : m_parametros)
        if (p.first.compare(chave, Qt::CaseInsensitive) == 0)
            return p.second;
    return QString();
}

QStringList ConexaoFirebird::parametros() const
{
    QStringList l;
    for (const auto &p : m_parametros)
        l << p.first + QLatin1Char('=') + p.second;
    return l;
}

QString ConexaoFirebird::destinoBanco(const QString &banco)
{
    const qsizetype dois = banco.indexOf(QLatin1Char(':'));
    if (dois == 0)
        return CaminhoLocal(banco.mid(1));  // empty host: embedded engine
    if (dois == 1 || dois < 0)
        return CaminhoLocal(banco);         // a plain local path (with a drive letter or not)
    return banco;                           // host:path for that server, unchanged
}

bool ConexaoFirebird::conectada() const { return d->anexo != nullptr; }

void ConexaoFirebird::conecta()
{
    if (d->anexo)
        return;
    d->master = mestre(m_biblioteca);
    ThrowStatusWrapper st(d->master->getStatus());
    IXpbBuilder *dpb = nullptr;
    try {
        dpb = d->master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, ParaWin1252(parametro(QStringLiteral("User_Name"))).constData());
        dpb->insertString(&st, isc_dpb_password, ParaWin1252(parametro(QStringLiteral("Password"))).constData());
        const QString papel = parametro(QStringLiteral("RoleName"));
        if (!papel.isEmpty())
            dpb->insertString(&st, isc_dpb_sql_role_name, ParaWin1252(papel).constData());
        QString cs = parametro(QStringLiteral("ServerCharSet"));
        dpb->insertString(&st, isc_dpb_lc_ctype, (cs.isEmpty() ? QByteArray("WIN1252") : cs.toUpper().toLatin1()).constData());
        bool ok = false;
        const int dialeto = parametro(QStringLiteral("SQLDialect")).toInt(&ok);
        dpb->insertInt(&st, isc_dpb_sql_dialect, ok ? dialeto : 3);
        // The file name is the platform's (UTF-8 here, the ANSI code page on
        // Windows), not Windows-1252 text: a root under an accented folder opens.
        const QByteArray caminho = QFile::encodeName(destinoBanco(parametro(QStringLiteral("Database"))));
        IProvider *prov = d->master->getDispatcher();
        d->anexo = prov->attachDatabase(&st, caminho.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
        prov->release();
        dpb->dispose();
    } catch (const FbException &e) {
        const QString msg = d->erro(e);
        if (dpb)
            dpb->dispose();
        d->anexo = nullptr;
        throw EFirebirdError(msg);
    }
}

void ConexaoFirebird::desconecta()
{
    if (!d->anexo)
        return;
    ThrowStatusWrapper st(d->master->getStatus());
    try {
        d->anexo->detach(&st);
    } catch (const FbException &) {
        d->anexo->release();
    }
    d->anexo = nullptr;
}

int ConexaoFirebird::executa(const QString &sql)
{
    conecta();
    ThrowStatusWrapper st(d->master->getStatus());
    ITransaction *tr = nullptr;
    IStatement *cmd = nullptr;
    try {
        tr = d->inicia(st);
        const QByteArray texto = ParaWin1252(sql);
        cmd = d->anexo->prepare(&st, tr, texto.size(), texto.constData(), 3, 0);
        cmd->execute(&st, tr, nullptr, nullptr, nullptr, nullptr);
        const int linhas = int(cmd->getAffectedRecords(&st));
        cmd->free(&st);
        cmd = nullptr;
        tr->commit(&st);
        return linhas;
    } catch (const FbException &e) {
        const QString msg = d->erro(e);
        d->descarta(nullptr, nullptr, cmd, tr);
        throw EFirebirdError(msg);
    }
}

ResultadoConsulta ConexaoFirebird::consulta(const QString &sql)
{
    conecta();
    ThrowStatusWrapper st(d->master->getStatus());
    ITransaction *tr = nullptr;
    IStatement *cmd = nullptr;
    IResultSet *cursor = nullptr;
    IMessageMetadata *meta = nullptr;
    ResultadoConsulta res;
    try {
        tr = d->iniciaLeitura(st);
        const QByteArray texto = ParaWin1252(sql);
        cmd = d->anexo->prepare(&st, tr, texto.size(), texto.constData(), 3,
                                IStatement::PREPARE_PREFETCH_METADATA);
        meta = cmd->getOutputMetadata(&st);
        const unsigned n = meta->getCount(&st);
        struct Info { unsigned tipo, tam, offset, nulo; int escala; };
        QList<Info> info;
        for (unsigned i = 0; i < n; ++i) {
            Info in{meta->getType(&st, i), meta->getLength(&st, i), meta->getOffset(&st, i),
                    meta->getNullOffset(&st, i), meta->getScale(&st, i)};
            info.append(in);
            ColunaResultado c;
            c.nome = DeWin1252(QByteArray(meta->getAlias(&st, i)));
            c.escala = -in.escala;
            c.tipo = tipoDe(in.tipo, in.escala);
            c.tamanho = int(in.tam);
            res.colunas.append(c);
        }
        QByteArray buffer(int(meta->getMessageLength(&st)), '\0');
        unsigned char *b = reinterpret_cast<unsigned char *>(buffer.data());
        cursor = cmd->openCursor(&st, tr, nullptr, nullptr, meta, 0);
        IUtil *util = d->master->getUtilInterface();
        while (cursor->fetchNext(&st, b) == IStatus::RESULT_OK) {
            QList<QVariant> linha;
            linha.reserve(int(n));
            for (unsigned i = 0; i < n; ++i) {
                const Info &in = info[int(i)];
                if (*reinterpret_cast<short *>(b + in.nulo)) {
                    linha.append(QVariant());
                    continue;
                }
                const unsigned char *p = b + in.offset;
                const double fator = in.escala < 0 ? std::pow(10.0, -in.escala) : 1.0;
                switch (in.tipo & ~1u) {
                case SQL_VARYING: {
                    short len;
                    std::memcpy(&len, p, sizeof len);
                    linha.append(DeWin1252(reinterpret_cast<const char *>(p + 2), len));
                    break;
                }
                case SQL_TEXT:
                    linha.append(DeWin1252(reinterpret_cast<const char *>(p), int(in.tam)));
                    break;
                case SQL_SHORT: {
                    short v;
                    std::memcpy(&v, p, sizeof v);
                    linha.append(in.escala < 0 ? QVariant(v / fator) : QVariant(int(v)));
                    break;
                }
                case SQL_LONG: {
                    qint32 v;
                    std::memcpy(&v, p, sizeof v);
                    linha.append(in.escala < 0 ? QVariant(v / fator) : QVariant(int(v)));
                    break;
                }
                case SQL_INT64: {
                    qint64 v;
                    std::memcpy(&v, p, sizeof v);
                    linha.append(QVariant(double(v) / fator));
                    break;
                }
                case SQL_FLOAT: {
                    float v;
                    std::memcpy(&v, p, sizeof v);
                    linha.append(QVariant(double(v)));
                    break;
                }
                case SQL_DOUBLE:
                case SQL_D_FLOAT: {
                    double v;
                    std::memcpy(&v, p, sizeof v);
                    linha.append(QVariant(v));
                    break;
                }
                case SQL_TYPE_DATE: {
                    ISC_DATE v;
                    std::memcpy(&v, p, sizeof v);
                    unsigned a, m, dd;
                    util->decodeDate(v, &a, &m, &dd);
                    linha.append(QDate(int(a), int(m), int(dd)));
                    break;
                }
                case SQL_TYPE_TIME: {
                    ISC_TIME v;
                    std::memcpy(&v, p, sizeof v);
                    unsigned h, mi, s, f;
                    util->decodeTime(v, &h, &mi, &s, &f);
                    linha.append(QTime(int(h), int(mi), int(s), int(f / 10)));
                    break;
                }
                case SQL_TIMESTAMP: {
                    ISC_TIMESTAMP v;
                    std::memcpy(&v, p, sizeof v);
                    unsigned a, m, dd, h, mi, s, f;
                    util->decodeDate(v.timestamp_date, &a, &m, &dd);
                    util->decodeTime(v.timestamp_time, &h, &mi, &s, &f);
                    linha.append(QDateTime(QDate(int(a), int(m), int(dd)), QTime(int(h), int(mi), int(s), int(f / 10))));
                    break;
                }
                case SQL_BLOB: {
                    ISC_QUAD id;
                    std::memcpy(&id, p, sizeof id);
                    linha.append(d->leBlob(st, tr, &id));
                    break;
                }
                default:
                    linha.append(QVariant());
                }
            }
            res.linhas.append(std::move(linha));
        }
        cursor->close(&st);
        cursor = nullptr;
        meta->release();
        meta = nullptr;
        cmd->free(&st);
        cmd = nullptr;
        tr->commit(&st);
        return res;
    } catch (const FbException &e) {
        const QString msg = d->erro(e);
        d->descarta(cursor, meta, cmd, tr);
        throw EFirebirdError(msg);
    }
}

void ConexaoFirebird::aplica(QList<ComandoAplicacao> &comandos)
{
    if (comandos.isEmpty())
        return;
    conecta();
    ThrowStatusWrapper st(d->master->getStatus());
    ITransaction *tr = nullptr;
    try {
        tr = d->inicia(st);
        for (ComandoAplicacao &c : comandos) {
            IStatement *cmd = nullptr;
            try {
                const QByteArray texto = ParaWin1252(c.sql);
                cmd = d->anexo->prepare(&st, tr, texto.size(), texto.constData(), 3, 0);
                cmd->execute(&st, tr, nullptr, nullptr, nullptr, nullptr);
                const auto linhas = cmd->getAffectedRecords(&st);
                cmd->free(&st);
                cmd = nullptr;
                if (c.exigeUmaLinha && linhas != 1) {
                    c.aceito = false;
                    c.erro = QStringLiteral("Record not found or changed by another user");
                } else {
                    c.aceito = true;
                }
            } catch (const FbException &e) {
                c.aceito = false;
                c.erro = d->erro(e);
                d->descarta(nullptr, nullptr, cmd, nullptr);
            }
        }
        tr->commit(&st);
    } catch (const FbException &e) {
        const QString msg = d->erro(e);
        d->descarta(nullptr, nullptr, nullptr, tr);
        for (ComandoAplicacao &c : comandos)
            c.aceito = false;
        throw EFirebirdError(msg);
    }
}

void ConexaoFirebird::criaBanco(const QString &banco, const QString &usuario, const QString &senha)
{
    IMaster *m = fb_get_master_interface();
    ThrowStatusWrapper st(m->getStatus());
    IXpbBuilder *dpb = nullptr;
    try {
        dpb = m->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, usuario.toLatin1().constData());
        dpb->insertString(&st, isc_dpb_password, senha.toLatin1().constData());
        dpb->insertString(&st, isc_dpb_set_db_charset, "WIN1252");
        dpb->insertString(&st, isc_dpb_lc_ctype, "WIN1252");
        dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
        dpb->insertInt(&st, isc_dpb_page_size, 8192);
        const QByteArray caminho = QFile::encodeName(destinoBanco(banco));
        IProvider *prov = m->getDispatcher();
        IAttachment *a = prov->createDatabase(&st, caminho.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
        a->detach(&st);
        prov->release();
        dpb->dispose();
    } catch (const FbException &e) {
        const QString msg = textoStatus(m, e.getStatus());
        if (dpb)
            dpb->dispose();
        throw EFirebirdError(msg);
    }
}

QString LiteralSql(const QVariant &valor, TipoCampo tipo, int escala)
{
    if (!valor.isValid() || valor.isNull())
        return QStringLiteral("NULL");
    switch (tipo) {
    case TipoCampo::Inteiro:
        return QString::number(valor.toLongLong());
    case TipoCampo::Decimal:
        if (escala >= 0)
            return QString::number(valor.toDouble(), 'f', escala);
        return QString::number(valor.toDouble(), 'g', 17);
    case TipoCampo::Duplo:
        return QString::number(valor.toDouble(), 'g', 17);
    case TipoCampo::Data:
        return QLatin1Char('\'') + valor.toDate().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
    case TipoCampo::Hora:
        return QLatin1Char('\'') + valor.toTime().toString(QStringLiteral("HH:mm:ss.zzz")) + QLatin1Char('\'');
    case TipoCampo::DataHora:
        return QLatin1Char('\'') + valor.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) + QLatin1Char('\'');
    case TipoCampo::Blob:
        return QLatin1Char('\'') + EscapaSql(DeWin1252(valor.toByteArray())) + QLatin1Char('\'');
    case TipoCampo::Texto:
    case TipoCampo::TextoFixo:
        break;
    }
    return QLatin1Char('\'') + EscapaSql(valor.toString()) + QLatin1Char('\'');
}
