// The "Livro" menu, the preparation commands and the period panel, on which
// the user confirms the period of a book preparation.
#include "app/dbedit.h"
#include "app/paletapainel.h"
#include "app/utombario.h"
#include "book/mascaradata.h"
#include "book/preparacao.h"
#include "config/erros.h"
#include "config/interfaceusuario.h"
#include "config/regional.h"
#include "config/textos.h"
#include "data/udm.h"
#include "data/udm2.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
DBEdit *CampoPeriodo(QWidget *pai, const char *nome, int x, int y, int largura)
{
    auto *e = new DBEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setGeometry(x, y, largura, 24);
    EnterAvancaFoco(e);
    return e;
}
}

void TFormLivros::criaPainelPeriodo()
{
    PainelPeriodo5 = new QFrame(PainelLivro);
    PainelPeriodo5->setPalette(PaletaPainel()); // readable over the window's colour
    PainelPeriodo5->setObjectName(QStringLiteral("PainelPeriodo5"));
    PainelPeriodo5->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PainelPeriodo5->setAutoFillBackground(true);
    PainelPeriodo5->setGeometry(204, 134, 374, 203);
    PainelPeriodo5->setVisible(false);

    QLabel *titulo = BarraDeTitulo(QStringLiteral("Período"), PainelPeriodo5);
    titulo->setObjectName(QStringLiteral("TituloPeriodo"));
    titulo->setGeometry(2, 2, 370, 24);

    auto *lInicial = new QLabel(QStringLiteral("Data Inicial"), PainelPeriodo5);
    lInicial->setGeometry(30, 38, 120, 20);
    DBEditDataInicial5 = CampoPeriodo(PainelPeriodo5, "DBEditDataInicial5", 30, 58, 120);
    auto *lFinal = new QLabel(QStringLiteral("Data Final"), PainelPeriodo5);
    lFinal->setGeometry(220, 38, 120, 20);
    DBEditDataFinal5 = CampoPeriodo(PainelPeriodo5, "DBEditDataFinal5", 220, 58, 120);

    auto *lAnterior = new QLabel(QStringLiteral("Nº últ. fórm. livro anterior"), PainelPeriodo5);
    lAnterior->setGeometry(30, 94, 310, 20);
    DBEditEst = CampoPeriodo(PainelPeriodo5, "DBEditEst", 30, 114, 50);
    DBEditEst->setToolTip(QStringLiteral("Digite o código da estação do último pedido do livro anteior"));
    DBEditNPed = CampoPeriodo(PainelPeriodo5, "DBEditNPed", 90, 114, 120);
    DBEditNPed->setToolTip(QStringLiteral("Digite o número do último pedido do livro anteior"));
    DBEditNForm = CampoPeriodo(PainelPeriodo5, "DBEditNForm", 220, 114, 120);
    DBEditNForm->setToolTip(QStringLiteral("Digite o número da última fórmula do último pedido do livro anteior"));

    BotDesfPrep = new QPushButton(QStringLiteral("Preparação"), PainelPeriodo5);
    BotDesfPrep->setObjectName(QStringLiteral("BotDesfPrep"));
    BotDesfPrep->setGeometry(60, 156, 110, 32);
    BotDesfPrep->setDefault(true);
    BotCancelaDesfazer = new QPushButton(QStringLiteral("Cancelar"), PainelPeriodo5);
    BotCancelaDesfazer->setObjectName(QStringLiteral("BotCancelaDesfazer"));
    BotCancelaDesfazer->setGeometry(204, 156, 110, 32);

    setTabOrder(DBEditDataInicial5, DBEditDataFinal5);
    setTabOrder(DBEditDataFinal5, DBEditEst);
    setTabOrder(DBEditEst, DBEditNPed);
    setTabOrder(DBEditNPed, DBEditNForm);
    setTabOrder(DBEditNForm, BotDesfPrep);
    setTabOrder(BotDesfPrep, BotCancelaDesfazer);

    // The station is upper-cased (a-z only) when its field is left.
    connect(DBEditEst, &DBEdit::saiu, this, [this] {
        const QString maiusculas = MaiusculasAZ(DBEditEst->text());
        if (maiusculas != DBEditEst->text())
            DBEditEst->defineTexto(maiusculas);
    });
    connect(BotDesfPrep, &QPushButton::clicked, this, [this] { comando(&TFormLivros::BotDesfPrepClick); });
    connect(BotCancelaDesfazer, &QPushButton::clicked, this,
            [this] { comando(&TFormLivros::BotCancelaDesfazerClick); });
}

void TFormLivros::CapasLivro1Click() { RenumerarFormulas = false; }

void TFormLivros::PrepararLivroLimparNmFrmulas1Click()
{
    RenumerarFormulas = true;
    Preparar1Click();
}

void TFormLivros::Preparar1Click()
{
    ClientDataSet &periodo = DM2->Periodo;
    periodo.FieldByName(QStringLiteral("DATAINICIAL")).EditMask = MascaraData();
    periodo.FieldByName(QStringLiteral("DATAFINAL")).EditMask = MascaraData();
    DBEditDataInicial5->vincula(&periodo, QStringLiteral("DATAINICIAL"));
    DBEditDataFinal5->vincula(&periodo, QStringLiteral("DATAFINAL"));
    DBEditEst->vincula(&periodo, QStringLiteral("ESTACAO"));
    DBEditNPed->vincula(&periodo, QStringLiteral("NPEDIDO"));
    DBEditNForm->vincula(&periodo, QStringLiteral("NFORMULA"));
    // An interface database that cannot be opened stops here: the panel stays hidden.
    periodo.Open();

    PainelPeriodo5->setGeometry(204, 134, 374, 203);
    PainelPeriodo5->setVisible(true);
    PainelPeriodo5->raise();
    BotDesfPrep->setText(QStringLiteral("Preparação"));
    botaoCancelar = BotCancelaDesfazer;
    for (DBEdit *e : {DBEditDataInicial5, DBEditDataFinal5}) {
        e->setVisible(true);
        e->setEnabled(true);
    }
    DBEditDataInicial5->setFocus();
}

void TFormLivros::BotDesfPrepClick()
{
    QDate inicio, fim;
    if (!TentaStrToDate(DBEditDataInicial5->text(), inicio)) {
        m_ui->mostraMensagem(QStringLiteral("Data Inicial incorreta. Se a data estiver correta, verifique as "
                                            "configurações regionais: O formato correto é \"dd/mm/aa\"."));
        DBEditDataInicial5->setFocus();
        return;
    }
    if (!TentaStrToDate(DBEditDataFinal5->text(), fim)) {
        m_ui->mostraMensagem(QStringLiteral("Data Final incorreta. Se a data estiver correta, verifique as "
                                            "configurações regionais: O formato correto é \"dd/mm/aa\"."));
        DBEditDataFinal5->setFocus();
        return;
    }
    int numero = 0;
    if (!TentaStrToInt(DBEditNPed->text(), numero)) {
        m_ui->mostraMensagem(QStringLiteral("Nº Pedido incorreto. Corrija e tente novamente."));
        DBEditNPed->setFocus();
        return;
    }
    if (!TentaStrToInt(DBEditNForm->text(), numero)) {
        m_ui->mostraMensagem(QStringLiteral("Nº Fórmula incorreto. Corrija e tente novamente."));
        DBEditNForm->setFocus();
        return;
    }

    // Storing the period is a convenience for the next time: a failure does not stop the run.
    ClientDataSet &periodo = DM2->Periodo;
    try {
        DBEdit::atualizaRegistros(PainelPeriodo5);
        periodo.Post();
    } catch (const std::exception &) {
    }
    try {
        periodo.Close();
    } catch (const std::exception &) {
    }

    ApagaDadosAntesDaPreparacao(*DM);
    PainelPeriodo5->setVisible(false);
    Prepara_Livros_FB(inicio, fim);
}

void TFormLivros::BotCancelaDesfazerClick()
{
    ClientDataSet &periodo = DM2->Periodo;
    periodo.Cancel();
    periodo.Close();
    PainelPeriodo5->setVisible(false);
}
