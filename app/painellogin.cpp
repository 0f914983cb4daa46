// The login panel and VerificaLogin.
#include "app/paletapainel.h"
#include "app/utombario.h"
#include "config/interfaceusuario.h"
#include "config/textos.h"
#include "data/login.h"
#include "data/udm.h"
#include "data/udm2.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {
// The password field: Enter presses "OK".
class FiltroSenha : public QObject {
public:
    FiltroSenha(QPushButton *ok, QObject *pai) : QObject(pai), m_ok(ok) {}
    bool eventFilter(QObject *, QEvent *ev) override
    {
        if (ev->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(ev)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                m_ok->click();
                return true;
            }
        }
        return false;
    }

private:
    QPushButton *m_ok;
};

// The name field: upper-cased when it is left. Focus going to a menu or to
// another window (a message box) does not leave it.
class CampoNome : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent *e) override
    {
        if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason) {
            const QString maiusculas = MaiusculasAZ(text());
            if (maiusculas != text())
                setText(maiusculas);
        }
        QLineEdit::focusOutEvent(e);
    }
};

}

void TFormLivros::criaPainelLogin()
{
    PainelLogin = new QFrame(areaCliente);
    PainelLogin->setObjectName(QStringLiteral("PainelLogin"));
    PainelLogin->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // The panel keeps the ordinary face colour whatever the window's colour.
    PainelLogin->setPalette(PaletaPainel());
    PainelLogin->setAutoFillBackground(true);
    PainelLogin->setGeometry(243, 136, 256, 163);
    PainelLogin->setVisible(false);

    BarraDeTitulo(QStringLiteral("Identificação do Usuário"), PainelLogin)->setGeometry(2, 2, 252, 24);

    auto *lNome = new QLabel(QStringLiteral("Nome"), PainelLogin);
    lNome->setGeometry(16, 36, 60, 22);
    EditNome = new CampoNome(PainelLogin);
    EditNome->setObjectName(QStringLiteral("EditNome"));
    EditNome->setGeometry(76, 36, 164, 24);

    auto *lSenha = new QLabel(QStringLiteral("Senha"), PainelLogin);
    lSenha->setGeometry(16, 72, 60, 22);
    EditSenhaU = new QLineEdit(PainelLogin);
    EditSenhaU->setObjectName(QStringLiteral("EditSenhaU"));
    EditSenhaU->setGeometry(76, 72, 164, 24);
    // Every character shows as "#".
    EditSenhaU->setEchoMode(QLineEdit::Password);
    EditSenhaU->setStyleSheet(QStringLiteral("lineedit-password-character: 35;"));

    BotOkSenha = new QPushButton(QStringLiteral("OK"), PainelLogin);
    BotOkSenha->setObjectName(QStringLiteral("BotOkSenha"));
    BotOkSenha->setGeometry(40, 116, 80, 30);
    BotCancSenha = new QPushButton(QStringLiteral("Cancela"), PainelLogin);
    BotCancSenha->setObjectName(QStringLiteral("BotCancSenha"));
    BotCancSenha->setGeometry(136, 116, 80, 30);

    setTabOrder(EditNome, EditSenhaU);
    setTabOrder(EditSenhaU, BotOkSenha);
    setTabOrder(BotOkSenha, BotCancSenha);

    EnterAvancaFoco(EditNome);
    EditSenhaU->installEventFilter(new FiltroSenha(BotOkSenha, EditSenhaU));
    connect(BotOkSenha, &QPushButton::clicked, this, [this] { comando(&TFormLivros::VerificaLogin); });
    connect(BotCancSenha, &QPushButton::clicked, this, [this] {
        PainelLogin->setVisible(false);
        close();
    });
}

void TFormLivros::VerificaLogin()
{
    const QString digitado = EditNome->text();
    const ResultadoLogin r = ConfereUsuario(*DM, digitado, EditSenhaU->text());
    if (r.situacao != SituacaoLogin::Admitido) {
        m_ui->mostraMensagem(r.mensagem);
        if (r.situacao == SituacaoLogin::SenhaIncorreta)
            EditSenhaU->setFocus();
        else
            EditNome->setFocus();
        return;
    }

    mm1->setVisible(true);
    PainelLogin->setVisible(false);
    EditNome->clear();
    EditSenhaU->clear();
    if (botaoCancelar == BotCancSenha)
        botaoCancelar = nullptr;

    const QString titulo = AdmiteUsuario(*DM, *DM2, digitado);
    if (!titulo.isEmpty())
        setWindowTitle(titulo);
}
