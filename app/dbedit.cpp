#include "app/dbedit.h"
#include "app/utombario.h"
#include "config/erros.h"
#include "config/interfaceusuario.h"
#include "config/regional.h"
#include "data/clientdataset.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <utility>

namespace {
bool editando(const ClientDataSet *ds)
{
    return ds && (ds->State() == EstadoDataSet::Edicao || ds->State() == EstadoDataSet::Insercao);
}

bool colunaDeTexto(const Campo *c)
{
    return c && (c->tipo() == TipoCampo::Texto || c->tipo() == TipoCampo::TextoFixo);
}
}

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
{
    // textEdited comes just before textChanged for the same change.
    connect(this, &QLineEdit::textEdited, this, [this] { m_editado = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        const bool editado = std::exchange(m_editado, false);
        if (m_mostrando)
            return;
        // Any text not shown by the binding itself is pending, typed or set.
        m_digitado = true;
        // Text columns follow every key; typed ones are converted when the
        // field is left or the row is posted.
        if (editado && m_ds && m_ds->Active() && colunaDeTexto(m_ds->FindField(m_campo)) && inputMask().isEmpty())
            atualizaRegistro();
    });
}

void DBEdit::vincula(ClientDataSet *ds, const QString &campo)
{
    if (m_ds)
        disconnect(m_ds, nullptr, this, nullptr);
    m_ds = ds;
    m_campo = campo;
    m_digitado = false;
    if (m_ds)
        connect(m_ds, &ClientDataSet::mudou, this, [this] {
            if (!m_mostrando)
                mostraValor();
        });
    mostraValor();
}

QString DBEdit::MascaraQt(const QString &mascara)
{
    if (mascara.isEmpty())
        return QString();
    const QStringList partes = mascara.split(QLatin1Char(';'));
    QString corpo = partes.value(0);
    if (corpo.startsWith(QLatin1Char('!')))
        corpo.remove(0, 1);
    const QString branco = partes.value(2, QStringLiteral("_")).left(1);
    QString qt;
    for (QChar c : corpo) {
        if (c == QLatin1Char('9'))
            qt += QLatin1Char('0');
        else if (c == QLatin1Char('0'))
            qt += QLatin1Char('9');
        else if (c == QLatin1Char('/'))
            qt += QLatin1Char('\\') + QString(Regionais().separadorData);
        else if (c == QLatin1Char(':'))
            qt += QLatin1Char('\\') + QString(Regionais().separadorHora);
        else
            qt += QLatin1Char('\\') + QString(c);
    }
    return qt + QLatin1Char(';') + (branco.isEmpty() ? QStringLiteral(" ") : branco);
}

void DBEdit::mostraValor()
{
    m_mostrando = true;
    Campo *c = m_ds && m_ds->Active() ? m_ds->FindField(m_campo) : nullptr;
    const QString mascara = c ? MascaraQt(c->EditMask) : QString();
    if (inputMask() != mascara)
        setInputMask(mascara);
    // A text typed into this field and not yet in the column survives changes
    // of the other columns of the row being edited; anything else (another
    // row, a post, a close) shows the column again.
    if (!(m_digitado && editando(m_ds))) {
        const QString valor = c ? c->AsString() : QString();
        if (text() != valor)
            setText(valor);
        m_digitado = false;
    }
    setMaxLength(c && c->Size() > 0 && mascara.isEmpty() && colunaDeTexto(c) ? c->Size() : 32767);
    m_mostrando = false;
}

void DBEdit::atualizaRegistro()
{
    if (!m_ds || !m_ds->Active() || !m_digitado)
        return;
    Campo &c = m_ds->FieldByName(m_campo);
    m_mostrando = true;
    try {
        if (m_ds->State() == EstadoDataSet::Navegacao)
            m_ds->Edit();
        QString t = text();
        // A mask with nothing typed reads as empty.
        if (!inputMask().isEmpty() && !t.contains(QRegularExpression(QStringLiteral("[0-9A-Za-z]"))))
            t.clear();
        c.setAsString(t);
    } catch (...) {
        m_mostrando = false;
        throw;
    }
    m_digitado = false;
    m_mostrando = false;
}

void DBEdit::atualizaRegistros(const QWidget *pai)
{
    for (DBEdit *campo : pai->findChildren<DBEdit *>())
        campo->atualizaRegistro();
}

void DBEdit::defineTexto(const QString &texto)
{
    setText(texto);
    m_digitado = true; // even when the text was already the same
    atualizaRegistro();
}

void DBEdit::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    // Entering the field selects its whole text, so that typing replaces it
    // (in a masked field too, whose cursor would otherwise stay after the
    // last position and refuse every key). A click places the cursor itself;
    // coming back from a menu or another window keeps it where it was.
    switch (e->reason()) {
    case Qt::MouseFocusReason:
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
        break;
    default:
        selectAll();
    }
}

void DBEdit::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    // A field whose panel is being hidden is not left: whoever hides the
    // panel has already saved or dropped the row.
    if (!isVisible())
        return;
    switch (e->reason()) {
    case Qt::PopupFocusReason:
        // A menu opened. The field is not left, but the command chosen may
        // post the row, so the text goes into the column if it converts; if
        // not, it stays pending.
        if (m_gravaAoSair) {
            try {
                atualizaRegistro();
            } catch (const EErro &) {
            }
        }
        return;
    case Qt::ActiveWindowFocusReason: // another window (a message box) came up
        return;
    default:
        sai();
    }
}

void DBEdit::sai()
{
    const auto saida = [this] {
        if (m_gravaAoSair)
            atualizaRegistro();
        emit saiu();
    };
    if (auto *janela = qobject_cast<TFormLivros *>(window())) {
        ExecutaComando(janela->ui(), saida);
        return;
    }
    // Outside the main window nobody reports: the text simply stays pending.
    try {
        saida();
    } catch (const EErro &) {
    }
}
