#pragma once
// The report preview: modal, maximised, at zoom 100, with page navigation and
// zoom; printing through the system's print dialog (copies, collation,
// duplex), the printer set-up, and saving to a PDF file chosen by the user.
// While pages are generated a status window tells which page is being done.
#include <QDialog>
#include <functional>

class InterfaceUsuario;
class QLabel;
class QPagedPaintDevice;
class QPrintPreviewWidget;
class QPrinter;
class QSpinBox;
class QComboBox;

class PreviaRelatorio : public QDialog {
    Q_OBJECT
public:
    PreviaRelatorio(QPrinter &impressora, InterfaceUsuario &ui, const QString &titulo,
                    std::function<void(QPagedPaintDevice &)> desenha, QWidget *pai = nullptr);
    ~PreviaRelatorio() override;

    // The preview on screen now (the status window belongs to it), or null.
    static PreviaRelatorio *ativa();

    // Page `pagina` is being generated (or printed).
    void mostraStatus(int pagina);
    void ocultaStatus();
    QString textoStatus() const;
    bool statusVisivel() const;

    QPrintPreviewWidget *previa() const { return m_previa; }
    int paginaAtual() const;
    int totalPaginas() const;

    // The commands of the tool bar (also used by tests).
    void imprime();
    void salvaPdf(const QString &arquivo);
    void irPara(int pagina);
    void defineZoom(int porcento);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void atualizaNavegacao();

    QPrinter &m_impressora;
    InterfaceUsuario &m_ui;
    QString m_titulo;
    std::function<void(QPagedPaintDevice &)> m_desenha;
    QPrintPreviewWidget *m_previa = nullptr;
    QSpinBox *m_pagina = nullptr;
    QLabel *m_total = nullptr;
    QComboBox *m_zoom = nullptr;
    QWidget *m_status = nullptr;
    QLabel *m_textoStatus = nullptr;
    bool m_imprimindo = false;
    bool m_zoomInicial = false;
    PreviaRelatorio *m_anterior = nullptr;
};

// The system's dialog that chooses the process-wide printer and its settings,
// centred on the screen. True when the user confirmed it.
bool ConfiguraImpressoraSistema(QPrinter &impressora, QWidget *pai);
