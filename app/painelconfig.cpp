// The book configuration panel: the store's DADOSGER row (book code, last
// formula number and the wording of the opening and closing terms) and the
// book content setting, which is only shown here.
#include "app/dbedit.h"
#include "app/paletapainel.h"
#include "app/utombario.h"
#include "config/globais.h"
#include "config/textos.h"
#include "data/tabelas.h"
#include "data/udm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// Leaving a radio button shows the setting again. Focus going to a menu or to
// another window is not leaving.
class FiltroSaidaRadio : public QObject {
public:
    FiltroSaidaRadio(std::function<void()> acao, QObject *pai) : QObject(pai), m_acao(std::move(acao)) {}
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::FocusOut) {
            const auto motivo = static_cast<QFocusEvent *>(ev)->reason();
            if (motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason
                && static_cast<QWidget *>(obj)->isVisible())
                m_acao();
        }
        return false;
    }

private:
    std::function<void()> m_acao;
};

QLabel *rotulo(const QString &texto, QWidget *pai)
{
    auto *l = new QLabel(texto, pai);
    l->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return l;
}

// A field about as wide as `caracteres` characters of typical text.
DBEdit *campo(const QString &nome, int caracteres, QWidget *pai)
{
    auto *e = new DBEdit(pai);
    e->setObjectName(nome);
    const QFontMetrics fm(e->font());
    e->setFixedWidth(fm.horizontalAdvance(QLatin1Char('M')) * 2 / 3 * caracteres + 14);
    e->defineGravaAoSair(true);
    EnterAvancaFoco(e);
    return e;
}

// One line of the term's wording: texts and fields in reading order.
QHBoxLayout *linha(QVBoxLayout *grupo, std::initializer_list<QWidget *> partes)
{
    auto *h = new QHBoxLayout;
    h->setSpacing(6);
    for (QWidget *w : partes)
        h->addWidget(w);
    h->addStretch(1);
    grupo->addLayout(h);
    return h;
}
}

void TFormLivros::criaPainelConfigLivro()
{
    PainelConfigLivro = new QFrame(areaCliente);
    PainelConfigLivro->setObjectName(QStringLiteral("PainelConfigLivro"));
    PainelConfigLivro->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // The panel keeps the ordinary face colour whatever the window's colour.
    PainelConfigLivro->setPalette(PaletaPainel());
    PainelConfigLivro->setAutoFillBackground(true);
    PainelConfigLivro->setGeometry(58, 4, 522, 407);
    PainelConfigLivro->setVisible(false);

    auto *v = new QVBoxLayout(PainelConfigLivro);
    v->setContentsMargins(2, 2, 2, 2);
    v->setSpacing(0);

    QLabel *titulo = BarraDeTitulo(QStringLiteral("Parâmetros dos Livros de Registro de Receituário Médico Geral"),
                                   PainelConfigLivro);
    titulo->setObjectName(QStringLiteral("TituloConfigLivro"));
    titulo->setMinimumHeight(26);
    v->addWidget(titulo);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(14, 8, 14, 8);
    corpo->setSpacing(6);
    v->addLayout(corpo, 1);

    // The book content setting, shown and not changed here.
    auto *moldura = new QFrame(PainelConfigLivro);
    moldura->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *hr = new QHBoxLayout(moldura);
    hr->setContentsMargins(8, 4, 8, 4);
    hr->setSpacing(10);
    RB1 = new QRadioButton(QStringLiteral("Livro Completo"), PainelConfigLivro);
    RB2 = new QRadioButton(QStringLiteral("Somente Controladas"), PainelConfigLivro);
    RB3 = new QRadioButton(QStringLiteral("Somente Não Controladas"), PainelConfigLivro);
    int n = 1;
    for (QRadioButton *rb : {RB1, RB2, RB3}) {
        rb->setObjectName(QStringLiteral("RB%1").arg(n++));
        rb->setToolTip(QStringLiteral("Configurar em TORVENIA.INI"));
        hr->addWidget(rb);
        // Clicking or leaving any of them shows the setting again.
        connect(rb, &QRadioButton::clicked, this, [this] { comando(&TFormLivros::MostraConteudoLivro); });
        rb->installEventFilter(new FiltroSaidaRadio([this] { comando(&TFormLivros::MostraConteudoLivro); }, rb));
    }
    auto *nota = new QLabel(QStringLiteral("<----  Esta configuração é feita no arquivo TORVENIA.INI"), moldura);
    nota->setObjectName(QStringLiteral("NotaConteudoLivro"));
    nota->setWordWrap(true); // a narrow window breaks the note instead of cutting it
    {
        QFont f = nota->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        nota->setFont(f);
        QPalette p = nota->palette();
        p.setColor(QPalette::WindowText, Qt::darkGray);
        nota->setPalette(p);
    }
    hr->addWidget(nota, 1);
    corpo->addWidget(moldura);

    // The wording of the opening and closing terms, line by line.
    auto *termo = new QGroupBox(QStringLiteral("  Termo de Abertura / Encerramento  "), PainelConfigLivro);
    termo->setObjectName(QStringLiteral("GrupoTermo"));
    auto *vt = new QVBoxLayout(termo);
    vt->setContentsMargins(10, 6, 10, 8);
    vt->setSpacing(3);
    DBEdit29 = campo(QStringLiteral("DBEdit29"), 6, termo);
    DBEdit29->setToolTip(QStringLiteral("Qde. de páginas liberadas pela Visa Local"));
    DBEdit30 = campo(QStringLiteral("DBEdit30"), 40, termo);
    DBEdit31 = campo(QStringLiteral("DBEdit31"), 40, termo);
    DBEdit32 = campo(QStringLiteral("DBEdit32"), 40, termo);
    DBEdit33 = campo(QStringLiteral("DBEdit33"), 40, termo);
    DBEdit34 = campo(QStringLiteral("DBEdit34"), 44, termo);
    DBEdit35 = campo(QStringLiteral("DBEdit35"), 6, termo);
    DBEdit36 = campo(QStringLiteral("DBEdit36"), 30, termo);
    DBEdit37 = campo(QStringLiteral("DBEdit37"), 3, termo);
    DBEdit38 = campo(QStringLiteral("DBEdit38"), 18, termo);
    DBEdit39 = campo(QStringLiteral("DBEdit39"), 18, termo);
    DBEdit40 = campo(QStringLiteral("DBEdit40"), 22, termo);
    DBEdit41 = campo(QStringLiteral("DBEdit41"), 18, termo);
    DBEdit42 = campo(QStringLiteral("DBEdit42"), 3, termo);
    DBEdit43 = campo(QStringLiteral("DBEdit43"), 10, termo);
    DBEdit44 = campo(QStringLiteral("DBEdit44"), 5, termo);
    linha(vt, {rotulo(QStringLiteral("Este livro que contém"), termo), DBEdit29,
               rotulo(QStringLiteral("páginas numeradas e sevirá/serviu para"), termo)});
    linha(vt, {rotulo(QStringLiteral("Registro"), termo), DBEdit30});
    linha(vt, {rotulo(QStringLiteral("da Firma"), termo), DBEdit31});
    linha(vt, {rotulo(QStringLiteral("Farmácia"), termo), DBEdit32});
    linha(vt, {rotulo(QStringLiteral("Farmacêutico"), termo), DBEdit33});
    linha(vt, {rotulo(QStringLiteral("Estabelecida à"), termo), DBEdit34, rotulo(QStringLiteral("Nº"), termo), DBEdit35});
    linha(vt, {rotulo(QStringLiteral("na cidade de"), termo), DBEdit36, rotulo(QStringLiteral("UF"), termo), DBEdit37});
    linha(vt, {rotulo(QStringLiteral("Inscrição Estadual nº"), termo), DBEdit38});
    linha(vt, {rotulo(QStringLiteral("CNPJ Nº"), termo), DBEdit39});
    linha(vt, {rotulo(QStringLiteral("Registrada na Junta Comercial do estado"), termo), DBEdit40});
    linha(vt, {rotulo(QStringLiteral("sob o nº"), termo), DBEdit41, rotulo(QStringLiteral("por despacho em sessão"), termo)});
    linha(vt, {rotulo(QStringLiteral("de"), termo), DBEdit42, rotulo(QStringLiteral("de"), termo), DBEdit43,
               rotulo(QStringLiteral("de"), termo), DBEdit44});
    corpo->addWidget(termo);

    // The current book: its code and the previous book's last formula number.
    auto *geral = new QGroupBox(QStringLiteral("  Receituário Geral  "), PainelConfigLivro);
    geral->setObjectName(QStringLiteral("GrupoReceituarioGeral"));
    auto *vg = new QVBoxLayout(geral);
    vg->setContentsMargins(10, 6, 10, 8);
    DBEdit48 = campo(QStringLiteral("DBEdit48"), 4, geral);
    DBEdit47 = campo(QStringLiteral("DBEdit47"), 9, geral);
    auto *hg = linha(vg, {rotulo(QStringLiteral("Livro"), geral), DBEdit48});
    hg->insertSpacing(2, 24);
    hg->insertWidget(3, rotulo(QStringLiteral("Nº Últ. Fórm."), geral));
    hg->insertWidget(4, DBEdit47);
    corpo->addWidget(geral);
    corpo->addStretch(1);

    BitBtn36 = new QPushButton(QStringLiteral("Sair"), PainelConfigLivro);
    BitBtn36->setObjectName(QStringLiteral("BitBtn36"));
    BitBtn36->setMinimumHeight(30);
    {
        QFont f = BitBtn36->font();
        f.setBold(true);
        BitBtn36->setFont(f);
        QPalette p = BitBtn36->palette();
        p.setColor(QPalette::ButtonText, Qt::red);
        BitBtn36->setPalette(p);
    }
    corpo->addWidget(BitBtn36);

    // The columns of the store's DADOSGER row.
    const QList<QPair<DBEdit *, const char *>> vinculos = {
        {DBEdit29, "QDEFOLHAS"},    {DBEdit30, "REGISTRO"},     {DBEdit31, "FIRMA"},       {DBEdit32, "FARMACIA"},
        {DBEdit33, "FARMACEUTICO"}, {DBEdit34, "ENDERECO"},     {DBEdit35, "NUMERO"},      {DBEdit36, "CIDADE"},
        {DBEdit37, "ESTADO"},       {DBEdit38, "INSCRICAOEST"}, {DBEdit39, "CGC"},         {DBEdit40, "ESTADOEXT"},
        {DBEdit41, "NUMEROJUNTA"},  {DBEdit42, "DIADESPACHO"},  {DBEdit43, "MESDESPACHO"}, {DBEdit44, "ANODESPACHO"},
        {DBEdit48, "CODIGOLIVRO"},  {DBEdit47, "NUMEROINICIAL"}};
    // The data module comes after the window: the fields are bound when the
    // panel opens.
    for (const auto &[e, coluna] : vinculos)
        e->setProperty("coluna", QString::fromLatin1(coluna));

    // Tab order: "Sair", the three buttons, the term's fields, the book's fields.
    QList<QWidget *> ordem = {BitBtn36, RB1, RB2, RB3};
    for (const auto &[e, coluna] : vinculos)
        ordem << e;
    for (int i = 0; i + 1 < ordem.size(); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);

    connect(BitBtn36, &QPushButton::clicked, this, [this] { comando(&TFormLivros::BitBtn36Click); });
    connect(DBEdit47, &DBEdit::saiu, this, [this] { comando(&TFormLivros::DBEdit47Exit); });
}

void TFormLivros::MostraConteudoLivro()
{
    const QString conteudo = MaiusculasAZ(ConteudoLivro);
    if (conteudo == QLatin1String("COMPLETO"))
        RB1->setChecked(true);
    else if (conteudo == QLatin1String("SOMENTE CONTROLADOS"))
        RB2->setChecked(true);
    else if (conteudo == QLatin1String("SOMENTE NAO CONTROLADOS"))
        RB3->setChecked(true);
}

void TFormLivros::Configurao2Click()
{
    MostraConteudoLivro();
    PainelConfigLivro->setGeometry(58, 4, 522, 407);
    PainelConfigLivro->setGeometry(areaCliente->rect()); // aligned to fill the client area
    PainelConfigLivro->setVisible(true);
    PainelConfigLivro->raise();
    botaoCancelar = BitBtn36;

    ClientDataSet &dados = DM->DadosGer;
    for (DBEdit *e : PainelConfigLivro->findChildren<DBEdit *>())
        if (e->dataSet() != &dados)
            e->vincula(&dados, e->property("coluna").toString());
    dados.Close();
    DM->SQLDS_DadosGer.CommandText = QStringLiteral("Select ") + CamposDadosGer
                                     + QStringLiteral(" from DADOSGER where CGC = '") + EscapaSql(CnpjLoja)
                                     + QStringLiteral("'");
    dados.Open();
    // A store without a row: editing the empty selection starts its row,
    // which receives the store's CNPJ.
    dados.Edit();
    DBEdit29->setFocus(Qt::OtherFocusReason);
}

void TFormLivros::DBEdit47Exit()
{
    // The user types the previous book's last formula; the row keeps the
    // first number of the new book. Computed wide: a number beyond the
    // column is refused (and the text stays) instead of wrapping round to a
    // negative one.
    const QString seguinte = QString::number(qint64(StrToInt(DBEdit47->text())) + 1);
    StrToInt(seguinte);
    DBEdit47->defineTexto(seguinte);
}

void TFormLivros::BitBtn36Click()
{
    ClientDataSet &dados = DM->DadosGer;
    // Whatever is typed goes into the row and the row into the database. A
    // failure goes to the general error report and the panel stays, still
    // holding what was typed, so that "Sair" can be pressed again.
    DBEdit::atualizaRegistros(PainelConfigLivro);
    dados.Post();
    if (dados.Active() && dados.ChangeCount() > 0) // a write refused before
        TDM::GravaERele(dados);
    dados.Close();
    DM->sqlcon1.executa(QStringLiteral("DELETE FROM DADOSGER WHERE CODIGOLIVRO IS NULL"));
    PainelConfigLivro->setVisible(false);
    if (botaoCancelar == BitBtn36)
        botaoCancelar = nullptr;
}
