// The login panel and VerificaLogin.
#include "app/paletapainel.h"
#include "app/utombario.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "config/senha.h"
#include "config/textos.h"
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

QString FormataCnpj(const QString &c)
{
    return c.mid(0, 2) + QLatin1Char('.') + c.mid(2, 3) + QLatin1Char('.') + c.mid(5, 3) + QLatin1Char('/')
           + c.mid(8, 4) + QLatin1Char('-') + c.mid(12, 2);
}
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

    auto *cab = new QLabel(QStringLiteral("Identificação do Usuário"), PainelLogin);
    cab->setGeometry(2, 2, 252, 24);
    cab->setAlignment(Qt::AlignCenter);
    cab->setAutoFillBackground(true);
    cab->setStyleSheet(QStringLiteral("background-color: navy; color: white; font-weight: bold;"));

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
    if (digitado.isEmpty()) {
        m_ui->mostraMensagem(QStringLiteral("Não foi informado o Nome do Usuário."));
        EditNome->setFocus();
        return;
    }
    ClientDataSet &usuarios = DM->Usuarios;
    usuarios.Open();
    const QString nome = Corta(MaiusculasAZ(digitado), 60);
    const QString inicial = nome.left(1);
    const QString codigoNome = Corta(CodificaSenha(MaiusculasAZ(digitado)), 60);
    if (!usuarios.Locate(QStringLiteral("USUARIO"), codigoNome)) {
        m_ui->mostraMensagem(QStringLiteral("Usuário ") + digitado + QStringLiteral(" não autorizado"));
        EditNome->setFocus();
        usuarios.Close();
        return;
    }
    if (CodificaSenha(MaiusculasAZ(EditSenhaU->text()))
        != Corta(usuarios.FieldByName(QStringLiteral("SENHA")).AsString(), 20)) {
        m_ui->mostraMensagem(QStringLiteral("Senha incorreta. Tente novamente."));
        EditSenhaU->setFocus();
        usuarios.Close();
        return;
    }
    AcessoUsuario = Corta(usuarios.FieldByName(QStringLiteral("ACESSO")).AsString(), 20);
    usuarios.Close();

    // The program's access mark: the 13th character minus 14 is the name's initial.
    const QByteArray acesso = ParaWin1252(AcessoUsuario);
    const QByteArray primeira = ParaWin1252(inicial);
    if (acesso.size() < 13 || primeira.isEmpty()
        || char((static_cast<unsigned char>(acesso[12]) - 14) & 0xFF) != primeira[0]) {
        m_ui->mostraMensagem(QStringLiteral("Usuário ") + EditNome->text() + QStringLiteral(" não autorizado"));
        EditNome->setFocus();
        return;
    }

    mm1->setVisible(true);
    PainelLogin->setVisible(false);
    EditNome->clear();
    EditSenhaU->clear();
    if (botaoCancelar == BotCancSenha)
        botaoCancelar = nullptr;
    NomeUsuario = nome;

    ClientDataSet &estacoes = DM->Estacoes;
    estacoes.Close();
    DM->SQLDS_Estacoes.CommandText =
        QStringLiteral("Select ESTACAO, DATBASNAM, TIPO, ATCAIXA, ESVAZIAR, EMUSO, CAMINHOREQUISICAO, CAMINHOOM, "
                       "CAMINHOECF, CAMINHOSEQUENCIAL1, CAMINHO2, ROTULO1, ROTULO2, ROTULO3, ROTULO4, ROTULO5, "
                       "ROTULO6, USUARIO, CNPJ from ESTACOES where upper(USUARIO) = '")
        + EscapaSql(MaiusculasAZ(NomeUsuario)) + QStringLiteral("'");
    estacoes.Open();
    if (MaiusculasAZ(estacoes.FieldByName(QStringLiteral("USUARIO")).AsString()) == MaiusculasAZ(NomeUsuario)
        && estacoes.RecordCount() > 0) {
        CodEstacao = Corta(estacoes.FieldByName(QStringLiteral("ESTACAO")).AsString(), 2);
        CnpjLoja = Corta(estacoes.FieldByName(QStringLiteral("CNPJ")).AsString(), 14);
        DM2->SQLConnection1.desconecta();
        DM2->SQLConnection1.defineParametro(QStringLiteral("DataBase"), IpServidorCentral
                                                + QStringLiteral(":C:\\torvenia\\Interfac") + CodEstacao
                                                + QStringLiteral("\\torvenia.bd"));
        setWindowTitle(QStringLiteral("  LIVRO DE RECEITUÁRIO  -  Usuário: \"") + NomeUsuario
                       + QStringLiteral("\"   Estação: ") + CodEstacao + QStringLiteral("  Loja: ")
                       + FormataCnpj(CnpjLoja));
    }
    estacoes.Close();
}
