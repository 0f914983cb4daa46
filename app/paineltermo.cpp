// The progress panel of the long runs.
#include "app/paletapainel.h"
#include "app/utombario.h"
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

void TFormLivros::criaPainelTermLivro()
{
    PainelTermLivro = new QFrame(PainelLivro);
    PainelTermLivro->setObjectName(QStringLiteral("PainelTermLivro"));
    PainelTermLivro->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PainelTermLivro->setPalette(PaletaPainel()); // readable over the window's colour
    PainelTermLivro->setAutoFillBackground(true);
    PainelTermLivro->setGeometry(40, 153, 705, 180);
    PainelTermLivro->setVisible(false);

    PainelCabTerm = BarraDeTitulo(QString(), PainelTermLivro);
    PainelCabTerm->setObjectName(QStringLiteral("PainelCabTerm"));
    PainelCabTerm->setGeometry(2, 2, 701, 26);

    LabelAguarde = new QLabel(QStringLiteral("Aguarde..."), PainelTermLivro);
    LabelAguarde->setGeometry(20, 42, 665, 28);
    LabelAguarde->setAlignment(Qt::AlignCenter);
    LabelAguarde->setStyleSheet(QStringLiteral("color: maroon; font-size: 14pt; font-weight: bold;"));

    TermLivro = new QProgressBar(PainelTermLivro);
    TermLivro->setObjectName(QStringLiteral("TermLivro"));
    TermLivro->setGeometry(20, 84, 665, 26);
    TermLivro->setTextVisible(false);
    TermLivro->setStyleSheet(QStringLiteral(
        "QProgressBar { background: white; border: 1px solid gray; } QProgressBar::chunk { background: green; }"));

    LabelPedido = new QLabel(PainelTermLivro);
    LabelPedido->setObjectName(QStringLiteral("LabelPedido"));
    LabelPedido->setGeometry(20, 128, 665, 24);
    LabelPedido->setAlignment(Qt::AlignCenter);
    LabelPedido->setVisible(false);
}
