#include "app/previarelatorio.h"
#include "config/erros.h"
#include "config/interfaceusuario.h"
#include "reports/saidapdf.h"
#include "reports/urm.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
PreviaRelatorio *g_ativa = nullptr;

// The engine's settings; their defaults when the report module does not exist (widget tests).
const SistemaRelatorio &sistema()
{
    static const SistemaRelatorio padrao;
    return RM ? RM->rvstm1 : padrao;
}
const SaidaPdf &saidaPdf()
{
    static const SaidaPdf padrao;
    return RM ? RM->rvpdf1 : padrao;
}

void centraNaTela(QWidget *w)
{
    if (const QScreen *tela = QGuiApplication::primaryScreen()) {
        w->adjustSize();
        w->move(tela->availableGeometry().center() - w->rect().center());
    }
}
}

PreviaRelatorio *PreviaRelatorio::ativa() { return g_ativa; }

PreviaRelatorio::PreviaRelatorio(QPrinter &impressora, InterfaceUsuario &ui, const QString &titulo,
                                 std::function<void(QPagedPaintDevice &)> desenha, QWidget *pai)
    : QDialog(pai), m_impressora(impressora), m_ui(ui), m_titulo(titulo), m_desenha(std::move(desenha))
{
    m_anterior = g_ativa;
    g_ativa = this;
    setWindowTitle(titulo);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);

    auto *barra = new QToolBar(this);
    barra->setObjectName(QStringLiteral("barraPrevia"));
    QStyle *st = style();
    auto acao = [&](QStyle::StandardPixmap icone, const QString &texto, auto alvo) {
        QAction *a = barra->addAction(st->standardIcon(icone), texto);
        a->setToolTip(texto);
        connect(a, &QAction::triggered, this, alvo);
        return a;
    };
    acao(QStyle::SP_MediaSkipBackward, QStringLiteral("Primeira página"), [this] { irPara(1); });
    acao(QStyle::SP_MediaSeekBackward, QStringLiteral("Página anterior"), [this] { irPara(paginaAtual() - 1); });
    m_pagina = new QSpinBox(barra);
    m_pagina->setObjectName(QStringLiteral("paginaPrevia"));
    m_pagina->setMinimum(1);
    barra->addWidget(m_pagina);
    m_total = new QLabel(barra);
    barra->addWidget(m_total);
    acao(QStyle::SP_MediaSeekForward, QStringLiteral("Próxima página"), [this] { irPara(paginaAtual() + 1); });
    acao(QStyle::SP_MediaSkipForward, QStringLiteral("Última página"), [this] { irPara(totalPaginas()); });
    barra->addSeparator();
    m_zoom = new QComboBox(barra);
    m_zoom->setObjectName(QStringLiteral("zoomPrevia"));
    for (int z : {25, 50, 75, 100, 125, 150, 200, 300})
        m_zoom->addItem(QStringLiteral("%1%").arg(z), z);
    barra->addWidget(m_zoom);
    QAction *largura = barra->addAction(QStringLiteral("Largura da página"));
    QAction *inteira = barra->addAction(QStringLiteral("Página inteira"));
    barra->addSeparator();
    acao(QStyle::SP_DialogApplyButton, QStringLiteral("Imprimir..."), [this] { imprime(); })->setText(QStringLiteral("Imprimir..."));
    QAction *configurar = barra->addAction(QStringLiteral("Configurar Impressora..."));
    QAction *salvar = barra->addAction(st->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Salvar PDF..."));
    barra->addSeparator();
    QAction *fechar = barra->addAction(st->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Fechar"));
    // Navigation by its icons (the names are tool tips); the commands with their names.
    barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction *a : barra->actions())
        if (auto *botao = qobject_cast<QToolButton *>(barra->widgetForAction(a)))
            if (a->icon().isNull() || a == salvar || a == fechar || a->text() == QStringLiteral("Imprimir..."))
                botao->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    m_previa = new QPrintPreviewWidget(&m_impressora, this);
    m_previa->setObjectName(QStringLiteral("previa"));
    connect(m_previa, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *p) {
        p->setDocName(sistema().PrinterTitle);
        m_desenha(*p);
    });
    connect(m_previa, &QPrintPreviewWidget::previewChanged, this, &PreviaRelatorio::atualizaNavegacao);
    connect(m_pagina, &QSpinBox::valueChanged, this, [this](int p) {
        if (p != paginaAtual())
            m_previa->setCurrentPage(p);
    });
    connect(m_zoom, &QComboBox::activated, this, [this](int i) { defineZoom(m_zoom->itemData(i).toInt()); });
    connect(largura, &QAction::triggered, m_previa, &QPrintPreviewWidget::fitToWidth);
    connect(inteira, &QAction::triggered, m_previa, &QPrintPreviewWidget::fitInView);
    connect(configurar, &QAction::triggered, this, [this] {
        if (ConfiguraImpressoraSistema(m_impressora, this))
            m_previa->updatePreview();
    });
    connect(salvar, &QAction::triggered, this, [this] {
        const SaidaPdf &pdf = saidaPdf();
        QString arquivo = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar PDF"), QString(),
                                                       QStringLiteral("%1 (%2)").arg(pdf.DisplayName, pdf.FileExtension));
        if (arquivo.isEmpty())
            return;
        if (!arquivo.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            arquivo += QLatin1String(".pdf");
        ExecutaComando(m_ui, [&] { salvaPdf(arquivo); });
    });
    connect(fechar, &QAction::triggered, this, &QDialog::accept);

    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addWidget(barra);
    lay->addWidget(m_previa, 1);

    m_status = new QWidget(this, Qt::Tool | Qt::WindowStaysOnTopHint);
    m_status->setWindowTitle(sistema().TitleStatus);
    m_textoStatus = new QLabel(m_status);
    m_textoStatus->setMinimumWidth(260);
    m_textoStatus->setAlignment(Qt::AlignCenter);
    (new QHBoxLayout(m_status))->addWidget(m_textoStatus);

    // Maximised; the whole screen as well, for a display without a window manager.
    if (const QScreen *tela = QGuiApplication::primaryScreen())
        setGeometry(tela->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

PreviaRelatorio::~PreviaRelatorio()
{
    if (g_ativa == this)
        g_ativa = m_anterior;
}

void PreviaRelatorio::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_zoomInicial) {
        m_zoomInicial = true;
        defineZoom(sistema().ZoomFactor);
    }
}

int PreviaRelatorio::paginaAtual() const { return m_previa->currentPage(); }
int PreviaRelatorio::totalPaginas() const { return m_previa->pageCount(); }

void PreviaRelatorio::irPara(int pagina)
{
    m_previa->setCurrentPage(std::clamp(pagina, 1, std::max(1, totalPaginas())));
    atualizaNavegacao();
}

void PreviaRelatorio::defineZoom(int porcento)
{
    m_previa->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_previa->setZoomFactor(porcento / 100.0);
    const int i = m_zoom->findData(porcento);
    if (i >= 0)
        m_zoom->setCurrentIndex(i);
}

void PreviaRelatorio::atualizaNavegacao()
{
    const QSignalBlocker bloqueio(m_pagina);
    m_pagina->setMaximum(std::max(1, totalPaginas()));
    m_pagina->setValue(paginaAtual());
    m_total->setText(QStringLiteral(" de %1 ").arg(totalPaginas()));
}

void PreviaRelatorio::mostraStatus(int pagina)
{
    const QString formato = m_imprimindo ? sistema().PrinterStatusFormat : sistema().StatusFormat;
    m_textoStatus->setText(QString(formato).replace(QLatin1String("%p"), QString::number(pagina)));
    if (!m_status->isVisible()) {
        m_status->show();
        centraNaTela(m_status);
    }
    // Painted now: the pages are generated without returning to the event loop.
    m_status->repaint();
}

void PreviaRelatorio::ocultaStatus() { m_status->hide(); }
QString PreviaRelatorio::textoStatus() const { return m_textoStatus->text(); }
bool PreviaRelatorio::statusVisivel() const { return m_status->isVisible(); }

void PreviaRelatorio::imprime()
{
    QPrintDialog dialogo(&m_impressora, this);
    dialogo.setWindowTitle(sistema().TitleSetup);
    dialogo.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialogo.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialogo.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    m_imprimindo = true;
    m_previa->print();
    m_imprimindo = false;
}

void PreviaRelatorio::salvaPdf(const QString &arquivo) { GravaPdf(arquivo, m_titulo, saidaPdf(), m_desenha); }

bool ConfiguraImpressoraSistema(QPrinter &impressora, QWidget *pai)
{
    QPrintDialog dialogo(&impressora, pai);
    dialogo.setWindowTitle(QStringLiteral("Configurar Impressora"));
    dialogo.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialogo.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    centraNaTela(&dialogo);
    return dialogo.exec() == QDialog::Accepted;
}
