#pragma once
// The layouts of a report project: a report is a page, a header repeated on
// every page, a detail repeated per row of one data connection, and a footer.
// Each part is a stack of bands; a band holds texts and rules placed in
// centimetres from its top left corner.
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

enum class AlinhamentoTexto { Esquerda, Centro, Direita, Justificado };

struct FonteRelatorio {
    QString familia = QStringLiteral("DejaVu Sans");
    double tamanho = 8; // points
    bool negrito = false;
    bool italico = false;
};

// A piece of a text: literal text, a column of a data connection, or the
// page number.
struct TrechoTexto {
    enum class Tipo { Literal, Campo, Pagina } tipo = Tipo::Literal;
    QString texto;      // the literal
    QString conexao;    // "rvdsLivroSC"
    QString coluna;     // "NUMERO"
    QString formato;    // date or number pattern; empty: the value as it reads
    QString substituto; // printed when the value is empty
};

struct ElementoRelatorio {
    enum class Tipo { Texto, Regua } tipo = Tipo::Texto;
    double x = 0, y = 0, largura = 0; // cm
    QList<TrechoTexto> trechos;       // Texto
    AlinhamentoTexto alinhamento = AlinhamentoTexto::Esquerda;
    FonteRelatorio fonte;
    double espessura = 0.02; // Regua, cm
};

struct BandaRelatorio {
    QList<ElementoRelatorio> elementos;
    double alturaMinima = 0; // cm; the band grows with its texts
    double espacoApos = 0;   // cm of blank below the band
    bool moldura = false;    // each text is a framed cell of the band's full height
};

struct LayoutRelatorio {
    QString nome;   // "rpt_LivroRMG"
    QString titulo; // document title
    QPageSize::PageSizeId papel = QPageSize::A4;
    QPageLayout::Orientation orientacao = QPageLayout::Portrait;
    QMarginsF margens{1, 1, 1, 1}; // cm: left, top, right, bottom
    FonteRelatorio fonte;

    QList<BandaRelatorio> cabecalho;  // top of every page
    QList<BandaRelatorio> rodape;     // bottom of every page
    QString conexaoDetalhe;           // the connection whose rows repeat the detail
    QList<BandaRelatorio> detalhe;    // once per row
    bool novaPaginaPorLinha = false;  // each row on a page of its own
    QList<BandaRelatorio> semLinhas;  // once, when the detail has no rows

    // Connections the layout reads (fields and the detail).
    QStringList conexoesUsadas() const;
};

struct ProjetoRelatorios {
    QString arquivo; // where it was read from
    QList<LayoutRelatorio> relatorios;
    // The report of that name, or null.
    const LayoutRelatorio *procura(const QString &nome) const;
};
