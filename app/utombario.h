#pragma once
// The main window FormLivros: start-up, lifecycle, the menu, the login, the
// panels, and the book commands, which call into the core.
#include <QDate>
#include <QMainWindow>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class DBEdit;
class InterfaceUsuario;

class TFormLivros : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window and runs FormCreate. `ui` answers messages and
    // dialogs (null: the window's own message boxes and preview).
    // `diretorioPrograma` is where TORVENIA.INI is read (empty: the
    // executable's folder; tests give their own).
    explicit TFormLivros(InterfaceUsuario *ui = nullptr, const QString &diretorioPrograma = QString(),
                         QWidget *parent = nullptr);
    ~TFormLivros() override;

    // True when FormCreate found no settings file: the program must end (exit code 0).
    bool encerrarPrograma() const { return m_encerrar; }
    InterfaceUsuario &ui() { return *m_ui; }

    // --- Part of the lifecycle (called by the toolkit's events).
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormClose();

    // --- Login.
    void VerificaLogin();

    // --- Menu commands.
    void Configurao2Click();
    void Sair1Click();
    void ermoAbertura1Click();
    void ermoEncerramento1Click();
    void CapasLivro1Click();
    void PrepararLivroLimparNmFrmulas1Click();
    void Preparar1Click();
    void MostrarnaTela1Click();
    void ConfigurarImpressora1Click();

    // --- Configuration panel.
    void MostraConteudoLivro();
    void BitBtn36Click();
    void DBEdit47Exit();

    // --- Period panel.
    void BotDesfPrepClick();
    void BotCancelaDesfazerClick();

    // --- The book runs.
    void Prepara_Livros_FB(const QDate &inicio, const QDate &fim);
    void Monta_Livros_por_Periodo_FB(const QDate &inicio, const QDate &fim);

    // Set by the preparation commands, read once by the preparation run.
    bool RenumerarFormulas = false;

    // --- Components (names as the system knows them).
    QMenuBar *mm1 = nullptr;
    QMenu *Arquivo1 = nullptr, *CapasLivro1 = nullptr, *Utilitarios1 = nullptr;
    QAction *Configurao2 = nullptr, *ermoAbertura1 = nullptr, *ermoEncerramento1 = nullptr;
    QAction *PrepararLivroLimparNmFrmulas1 = nullptr, *Preparar1 = nullptr, *MostrarnaTela1 = nullptr;
    QAction *ConfigurarImpressora1 = nullptr, *Sair1 = nullptr;

    QWidget *areaCliente = nullptr; // the client area holding the top-level panels
    QFrame *PainelLivro = nullptr;
    QLabel *img1 = nullptr;
    QStatusBar *stat1 = nullptr;

    QFrame *PainelLogin = nullptr;
    QLineEdit *EditNome = nullptr, *EditSenhaU = nullptr;
    QPushButton *BotOkSenha = nullptr, *BotCancSenha = nullptr;

    QFrame *PainelConfigLivro = nullptr;
    QRadioButton *RB1 = nullptr, *RB2 = nullptr, *RB3 = nullptr;
    DBEdit *DBEdit29 = nullptr, *DBEdit30 = nullptr, *DBEdit31 = nullptr, *DBEdit32 = nullptr,
           *DBEdit33 = nullptr, *DBEdit34 = nullptr, *DBEdit35 = nullptr, *DBEdit36 = nullptr,
           *DBEdit37 = nullptr, *DBEdit38 = nullptr, *DBEdit39 = nullptr, *DBEdit40 = nullptr,
           *DBEdit41 = nullptr, *DBEdit42 = nullptr, *DBEdit43 = nullptr, *DBEdit44 = nullptr,
           *DBEdit47 = nullptr, *DBEdit48 = nullptr;
    QPushButton *BitBtn36 = nullptr;

    QFrame *PainelPeriodo5 = nullptr;
    DBEdit *DBEditDataInicial5 = nullptr, *DBEditDataFinal5 = nullptr, *DBEditEst = nullptr,
           *DBEditNPed = nullptr, *DBEditNForm = nullptr;
    QPushButton *BotDesfPrep = nullptr, *BotCancelaDesfazer = nullptr;

    QFrame *PainelTermLivro = nullptr;
    QLabel *PainelCabTerm = nullptr, *LabelAguarde = nullptr, *LabelPedido = nullptr;
    QProgressBar *TermLivro = nullptr;

    // The button Esc presses while it is set (the window's cancel button).
    QPushButton *botaoCancelar = nullptr;
    // The menu bar is on the window (hidden while the login panel is up).
    bool menuNaJanela() const;

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void criaMenu();
    void criaPainelLivro();
    void criaPainelLogin();
    void criaPainelConfigLivro();
    void criaPainelPeriodo();
    void criaPainelTermLivro();
    void aplicaCor(const QColor &cor);
    // Runs a handler as a command: what it raises goes to the general error report.
    void comando(void (TFormLivros::*metodo)());

    std::unique_ptr<InterfaceUsuario> m_uiPropria;
    InterfaceUsuario *m_ui = nullptr;
    QString m_diretorioPrograma;
    bool m_encerrar = false;
    bool m_mostrado = false;
};

// Colour of a setting value 0x00BBGGRR; a top byte 0xFF names a system colour.
QColor CorDoSistema(int valor);

// Enter moves the focus on to the next control in tab order (installed on the
// edit fields that behave so).
void EnterAvancaFoco(QWidget *campo);

inline TFormLivros *FormLivros = nullptr;
