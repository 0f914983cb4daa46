#include "app/interfacejanela.h"
#include "app/previarelatorio.h"
#include "app/utombario.h"
#include "config/textos.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressBar>
#include <QFrame>

namespace {
const QString kTitulo = QStringLiteral("Receituário Médico Geral");
}

QPrinter &InterfaceJanela::impressora()
{
    static QPrinter p(QPrinter::HighResolution);
    return p;
}

void InterfaceJanela::mostraMensagem(const QString &texto)
{
    QMessageBox::information(QApplication::activeWindow() ? QApplication::activeWindow() : m_janela, kTitulo, QuebrasDeLinha(texto),
                             QMessageBox::Ok);
}

void InterfaceJanela::mostraErro(const QString &texto)
{
    QMessageBox::critical(QApplication::activeWindow() ? QApplication::activeWindow() : m_janela, kTitulo, QuebrasDeLinha(texto),
                          QMessageBox::Ok);
}

void InterfaceJanela::mostraAviso(const QString &titulo, const QString &texto)
{
    QMessageBox caixa(QMessageBox::Warning, titulo, QuebrasDeLinha(texto), QMessageBox::Ok);
    caixa.exec();
}

void InterfaceJanela::processaMensagensPendentes()
{
    if (m_janela)
        m_janela->update(); // painted by the events processed just below
    QApplication::processEvents();
}

void InterfaceJanela::progressoMostra(const QString &titulo, int maximo)
{
    m_janela->PainelCabTerm->setText(titulo);
    m_janela->PainelTermLivro->setGeometry(40, 153, 705, 180);
    m_janela->PainelTermLivro->setVisible(true);
    m_janela->PainelTermLivro->raise();
    m_janela->TermLivro->setRange(0, maximo);
    m_janela->TermLivro->setValue(0);
}

void InterfaceJanela::progressoPosicao(int posicao) { m_janela->TermLivro->setValue(posicao); }

void InterfaceJanela::progressoPedido(const QString &texto)
{
    m_janela->LabelPedido->setText(texto);
    m_janela->LabelPedido->setVisible(true);
}

void InterfaceJanela::progressoOcultaPedido() { m_janela->LabelPedido->setVisible(false); }

void InterfaceJanela::progressoOculta() { m_janela->PainelTermLivro->setVisible(false); }

void InterfaceJanela::apresentaRelatorio(const QString &titulo,
                                         const std::function<void(QPagedPaintDevice &)> &desenha)
{
    PreviaRelatorio previa(impressora(), *this, titulo, desenha, m_janela);
    previa.exec();
}

void InterfaceJanela::configuraImpressora() { ConfiguraImpressoraSistema(impressora(), m_janela); }

void InterfaceJanela::statusRelatorio(int pagina)
{
    if (PreviaRelatorio *p = PreviaRelatorio::ativa())
        p->mostraStatus(pagina);
}

void InterfaceJanela::statusRelatorioFim()
{
    if (PreviaRelatorio *p = PreviaRelatorio::ativa())
        p->ocultaStatus();
}
