#include "app/utombario.h"
#include "app/interfacejanela.h"
#include "app/paletapainel.h"
#include "config/caminhos.h"
#include "config/configuracao.h"
#include "config/erros.h"
#include "config/globais.h"
#include "config/marcadores.h"
#include "config/regional.h"
#include "config/textos.h"
#include "data/tabelas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QDateTime>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
const QString kTitulo = QStringLiteral("Receituário Médico Geral");

// Enter behaves as Tab in the edit fields that have this filter.
class FiltroEnter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::KeyPress) {
            const auto *k = static_cast<QKeyEvent *>(ev);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                if (auto *w = qobject_cast<QWidget *>(obj)) {
                    QWidget *proximo = w->nextInFocusChain();
                    while (proximo && proximo != w
                           && (!(proximo->focusPolicy() & Qt::TabFocus) || !proximo->isVisible() || !proximo->isEnabled()))
                        proximo = proximo->nextInFocusChain();
                    if (proximo)
                        proximo->setFocus(Qt::TabFocusReason);
                }
                return true;
            }
        }
        return false;
    }
};

// The picture behind the main panel: a quiet gradient with the program's name.
QPixmap desenhaFundo(const QSize &tamanho)
{
    QPixmap p(tamanho.isValid() && !tamanho.isEmpty() ? tamanho : QSize(800, 560));
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRect r = p.rect();
    // Below the login panel's place, so that nothing of it is hidden.
    const QRect cartao(r.width() / 8, r.height() * 57 / 100, r.width() * 3 / 4, r.height() * 30 / 100);
    QLinearGradient grad(cartao.topLeft(), cartao.bottomRight());
    grad.setColorAt(0, QColor(255, 255, 255, 70));
    grad.setColorAt(1, QColor(255, 255, 255, 25));
    g.setPen(QPen(QColor(255, 255, 255, 110), 2));
    g.setBrush(grad);
    g.drawRoundedRect(cartao, 18, 18);
    // A mortar and pestle, the apothecary's sign, at the card's left.
    const QPoint c(cartao.left() + 70, cartao.center().y() - 5);
    g.setBrush(QColor(255, 255, 255, 90));
    g.drawChord(QRect(c.x() - 40, c.y() - 30, 80, 70), 180 * 16, 180 * 16);
    g.setPen(QPen(QColor(255, 255, 255, 140), 7, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(c + QPoint(10, 0), c + QPoint(38, -38));
    const QRect textos = cartao.adjusted(130, 0, -20, 0);
    QFont f = g.font();
    f.setPointSize(20);
    f.setBold(true);
    g.setFont(f);
    g.setPen(QColor(255, 255, 255, 200));
    g.drawText(textos.adjusted(0, 0, 0, -textos.height() / 2), Qt::AlignHCenter | Qt::AlignBottom, kTitulo);
    f.setPointSize(11);
    f.setBold(false);
    g.setFont(f);
    g.drawText(textos.adjusted(0, textos.height() / 2 + 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Livro de Registro de Receituário"));
    return p;
}
}

QColor CorDoSistema(int valor)
{
    const quint32 v = quint32(valor);
    if ((v >> 24) == 0xFF) {
        const QPalette pal = QApplication::palette();
        switch (v & 0xFF) {
        case 4: return pal.color(QPalette::Window);          // menu
        case 5: return pal.color(QPalette::Base);            // window
        case 7: case 8: return pal.color(QPalette::WindowText);
        case 13: return pal.color(QPalette::Highlight);
        case 14: return pal.color(QPalette::HighlightedText);
        case 16: return pal.color(QPalette::Dark);
        case 17: return pal.color(QPalette::PlaceholderText);
        case 18: return pal.color(QPalette::ButtonText);
        case 20: return pal.color(QPalette::Light);
        case 23: return pal.color(QPalette::ToolTipBase);
        case 24: return pal.color(QPalette::ToolTipText);
        case 15:
        default: return pal.color(QPalette::Button);         // button face
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

void EnterAvancaFoco(QWidget *campo)
{
    static FiltroEnter *filtro = new FiltroEnter(qApp);
    campo->installEventFilter(filtro);
}

TFormLivros::TFormLivros(InterfaceUsuario *ui, const QString &diretorioPrograma, QWidget *parent)
    : QMainWindow(parent), m_diretorioPrograma(diretorioPrograma)
{
    FormLivros = this;
    if (ui) {
        m_ui = ui;
    } else {
        m_uiPropria = std::make_unique<InterfaceJanela>(this);
        m_ui = m_uiPropria.get();
    }
    setWindowTitle(kTitulo);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    areaCliente = new QWidget(this);
    setCentralWidget(areaCliente);
    criaMenu();
    criaPainelLivro();
    criaPainelLogin();
    criaPainelConfigLivro();
    criaPainelPeriodo();
    criaPainelTermLivro();
    ExecutaComando(*m_ui, [this] { FormCreate(); });
}

TFormLivros::~TFormLivros()
{
    if (FormLivros == this)
        FormLivros = nullptr;
}

void TFormLivros::criaMenu()
{
    mm1 = new QMenuBar(this);
    mm1->setPalette(PaletaPainel()); // readable whatever the window's colour
    setMenuBar(mm1);
    Arquivo1 = mm1->addMenu(QStringLiteral("Arquivo"));
    Configurao2 = Arquivo1->addAction(QStringLiteral("Configuração do Livro"));
    Arquivo1->addSeparator();
    ermoAbertura1 = Arquivo1->addAction(QStringLiteral("Termo de Abertura"));
    ermoEncerramento1 = Arquivo1->addAction(QStringLiteral("Termo de Encerramento"));
    CapasLivro1 = mm1->addMenu(QStringLiteral("Livro"));
    PrepararLivroLimparNmFrmulas1 = CapasLivro1->addAction(QStringLiteral("Preparar Livro - Renumerar Fórmulas"));
    Preparar1 = CapasLivro1->addAction(QStringLiteral("Preparar Livro - Manter Núm. Fórmulas"));
    MostrarnaTela1 = CapasLivro1->addAction(QStringLiteral("Mostrar na Tela"));
    Utilitarios1 = mm1->addMenu(QStringLiteral("Utilitários"));
    ConfigurarImpressora1 = Utilitarios1->addAction(QStringLiteral("Configurar Impressora"));
    Sair1 = mm1->addAction(QStringLiteral("Sair"));

    connect(Configurao2, &QAction::triggered, this, [this] { comando(&TFormLivros::Configurao2Click); });
    connect(ermoAbertura1, &QAction::triggered, this, [this] { comando(&TFormLivros::ermoAbertura1Click); });
    connect(ermoEncerramento1, &QAction::triggered, this, [this] { comando(&TFormLivros::ermoEncerramento1Click); });
    connect(CapasLivro1, &QMenu::aboutToShow, this, [this] { comando(&TFormLivros::CapasLivro1Click); });
    connect(PrepararLivroLimparNmFrmulas1, &QAction::triggered, this,
            [this] { comando(&TFormLivros::PrepararLivroLimparNmFrmulas1Click); });
    connect(Preparar1, &QAction::triggered, this, [this] { comando(&TFormLivros::Preparar1Click); });
    connect(MostrarnaTela1, &QAction::triggered, this, [this] { comando(&TFormLivros::MostrarnaTela1Click); });
    connect(ConfigurarImpressora1, &QAction::triggered, this,
            [this] { comando(&TFormLivros::ConfigurarImpressora1Click); });
    connect(Sair1, &QAction::triggered, this, [this] { comando(&TFormLivros::Sair1Click); });
}

void TFormLivros::comando(void (TFormLivros::*metodo)())
{
    ExecutaComando(*m_ui, [this, metodo] { (this->*metodo)(); });
}

void TFormLivros::criaPainelLivro()
{
    PainelLivro = new QFrame(areaCliente);
    PainelLivro->setObjectName(QStringLiteral("PainelLivro"));
    // Aligned to fill the client area; the other panels lie over it.
    auto *preenche = new QVBoxLayout(areaCliente);
    preenche->setContentsMargins(0, 0, 0, 0);
    preenche->addWidget(PainelLivro);
    PainelLivro->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PainelLivro->setAutoFillBackground(true);
    auto *lay = new QVBoxLayout(PainelLivro);
    lay->setContentsMargins(1, 1, 1, 1);
    lay->setSpacing(0);
    img1 = new QLabel(PainelLivro);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setAlignment(Qt::AlignCenter);
    img1->setMinimumSize(1, 1);
    img1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored); // the picture never resizes the window
    lay->addWidget(img1, 1);
    stat1 = new QStatusBar(PainelLivro);
    stat1->setObjectName(QStringLiteral("stat1"));
    stat1->setSizeGripEnabled(false);
    lay->addWidget(stat1);
}

void TFormLivros::aplicaCor(const QColor &cor)
{
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(PainelLivro)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, cor);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
}

void TFormLivros::FormCreate()
{
    AtribuiCamposDadosGer();
    resize(800, 580);
    if (const QScreen *tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    const bool lido = m_diretorioPrograma.isEmpty() ? LeArquivoConfiguracao(*m_ui)
                                                    : LeArquivoConfiguracao(*m_ui, m_diretorioPrograma);
    if (!lido) {
        m_encerrar = true;
        return;
    }
    aplicaCor(CorDoSistema(CorFundo));
}

void TFormLivros::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    if (PainelConfigLivro && PainelConfigLivro->isVisible())
        PainelConfigLivro->setGeometry(areaCliente->rect());
    if (img1)
        img1->setPixmap(desenhaFundo(areaCliente->size() - QSize(4, 30)));
}

void TFormLivros::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!m_mostrado) {
        m_mostrado = true;
        comando(&TFormLivros::FormShow);
    }
}

void TFormLivros::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        comando(&TFormLivros::FormActivate);
}

void TFormLivros::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

void TFormLivros::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && botaoCancelar && botaoCancelar->isVisible() && botaoCancelar->isEnabled()) {
        botaoCancelar->click();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

bool TFormLivros::menuNaJanela() const { return mm1 && !mm1->isHidden(); }

void TFormLivros::FormShow()
{
    PainelLivro->setGeometry(0, 0, 624, 443); // the layout keeps it filling the client area
    aplicaCor(CorDoSistema(CorFundo));
    PainelLivro->setVisible(true);
    if (LoginDispensado()) {
        GravaUltimaAtividade();
        return;
    }
    mm1->setVisible(false);
    NomeUsuario = Corta(NomeUsuarioWindows(), 60);
    EditNome->setText(NomeUsuario);
    PainelLogin->setGeometry(243, 136, 256, 163);
    PainelLogin->setVisible(true);
    PainelLogin->raise();
    if (EditNome->isVisible() && EditNome->isEnabled())
        EditNome->setFocus();
    botaoCancelar = BotCancSenha;
}

void TFormLivros::FormActivate()
{
    AtribuiCamposConstantes();
    if (MaiusculasAZ(ProgramaFarmaciaDeMinas) == QLatin1String("S"))
        setWindowTitle(QStringLiteral("Receituário Médico Geral - Produtos Prontos"));
}

void TFormLivros::FormClose()
{
    ApagaMarcadorEmUso();
}

void TFormLivros::Sair1Click() { close(); }
