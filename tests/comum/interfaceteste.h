#pragma once
// A user interface for tests: records every message, answers every box at
// once, and writes every report to a PDF file whose text can be read back.
#include "config/interfaceusuario.h"
#include <QStringList>
#include <QTemporaryDir>

struct MensagemRegistrada {
    QString tipo;   // "mensagem", "erro", "aviso"
    QString titulo; // the warning box's caption
    QString texto;
};

struct RelatorioRegistrado {
    QString titulo;
    QString pdf;   // the file written
    QString texto; // pdftotext -layout of it
    int paginas = 0;
};

class InterfaceTeste : public InterfaceUsuario {
public:
    InterfaceTeste();

    void mostraMensagem(const QString &texto) override;
    void mostraErro(const QString &texto) override;
    void mostraAviso(const QString &titulo, const QString &texto) override;
    void processaMensagensPendentes() override { ++eventosProcessados; }
    void progressoMostra(const QString &titulo, int maximo) override;
    void progressoPosicao(int posicao) override { progresso << posicao; }
    void progressoPedido(const QString &texto) override { pedidos << texto; }
    void progressoOcultaPedido() override {}
    void progressoOculta() override { progressoVisivel = false; }
    void apresentaRelatorio(const QString &titulo,
                            const std::function<void(QPagedPaintDevice &)> &desenha) override;
    void configuraImpressora() override { ++configuracoesImpressora; }

    // Texts of the recorded messages of one kind (all kinds when empty).
    QStringList textos(const QString &tipo = QString()) const;

    QList<MensagemRegistrada> mensagens;
    QList<RelatorioRegistrado> relatorios;
    QStringList titulosProgresso;
    QList<int> maximosProgresso;
    QList<int> progresso;
    QStringList pedidos;
    bool progressoVisivel = false;
    int eventosProcessados = 0;
    int configuracoesImpressora = 0;
    // Called when a message is shown (a test may act while the box is "open").
    std::function<void(const MensagemRegistrada &)> aoMostrar;

private:
    QTemporaryDir m_dir;
};

// Text of a PDF file through pdftotext (-layout).
QString TextoDoPdf(const QString &arquivo);
int PaginasDoPdf(const QString &arquivo);
