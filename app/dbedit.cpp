#include "app/dbedit.h"
#include "config/regional.h"
#include "data/clientdataset.h"
#include <QRegularExpression>

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_digitado = true;
        if (!m_ds || !m_ds->Active())
            return;
        Campo *c = m_ds->FindField(m_campo);
        // Text columns follow every key; typed ones are converted when the
        // field is left or the row is posted.
        if (c && (c->tipo() == TipoCampo::Texto || c->tipo() == TipoCampo::TextoFixo) && inputMask().isEmpty())
            atualizaRegistro();
    });
}

void DBEdit::vincula(ClientDataSet *ds, const QString &campo)
{
    if (m_ds)
        disconnect(m_ds, nullptr, this, nullptr);
    m_ds = ds;
    m_campo = campo;
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
    if (!hasFocus() || !m_digitado) {
        setText(c ? c->AsString() : QString());
        m_digitado = false;
    }
    setMaxLength(c && c->Size() > 0 && mascara.isEmpty() && (c->tipo() == TipoCampo::Texto || c->tipo() == TipoCampo::TextoFixo)
                     ? c->Size()
                     : 32767);
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
    m_mostrando = false;
}

void DBEdit::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    emit saiu();
}
