#include "reports/desenhorelatorio.h"
#include "config/erros.h"
#include "reports/dadosrelatorio.h"
#include "reports/modelorelatorio.h"
#include <QFont>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace {
constexpr double kFolga = 0.01; // px: rounding of line positions

struct CelulaDisposta {
    const ElementoRelatorio *elemento = nullptr;
    std::unique_ptr<QTextLayout> texto; // null for a rule
    double x = 0, y = 0, largura = 0;   // px, in the band
};

struct BandaDisposta {
    const BandaRelatorio *banda = nullptr;
    std::vector<CelulaDisposta> celulas;
    double altura = 0;     // px of content
    double espacoApos = 0; // px
};

class Desenhista {
public:
    Desenhista(const LayoutRelatorio &layout, DadosRelatorio &dados, QPagedPaintDevice &dispositivo,
               const std::function<void(int)> &aoIniciarPagina)
        : m_layout(layout), m_dados(dados), m_disp(dispositivo), m_aoIniciar(aoIniciarPagina)
    {
    }

    int desenha()
    {
        preparaPagina();
        const bool temLinhas = m_dados.primeiraLinha(); // before the first header, which may read the row
        if (!m_pintor.begin(&m_disp))
            throw EReportError(QStringLiteral("Unable to start printing %1").arg(m_layout.nome));
        m_pintor.scale(m_escala, m_escala);
        iniciaPagina();
        if (temLinhas) {
            bool primeira = true;
            do {
                if (!primeira && m_layout.novaPaginaPorLinha)
                    novaPagina();
                primeira = false;
                for (const BandaRelatorio &b : m_layout.detalhe)
                    coloca(dispoe(b));
            } while (m_dados.proximaLinha());
        } else {
            for (const BandaRelatorio &b : m_layout.semLinhas)
                coloca(dispoe(b));
        }
        m_pintor.end();
        return m_pagina;
    }

private:
    double px(double cm) const { return cm * m_pxPorCm; }

    // The page of the layout on the device; a printer that refuses the margins
    // keeps its own, and the content is scaled down to fit what is left.
    void preparaPagina()
    {
        const QMarginsF m = m_layout.margens * 10.0; // mm
        const QPageLayout pedido(QPageSize(m_layout.papel), m_layout.orientacao, m, QPageLayout::Millimeter);
        if (!m_disp.setPageLayout(pedido)) {
            m_disp.setPageSize(QPageSize(m_layout.papel));
            m_disp.setPageOrientation(m_layout.orientacao);
        }
        m_pxPorCm = m_disp.logicalDpiX() / 2.54;
        const QSizeF papel = pedido.fullRect(QPageLayout::Millimeter).size() / 10.0;
        const double larguraProjeto = px(papel.width() - m_layout.margens.left() - m_layout.margens.right());
        const double alturaProjeto = px(papel.height() - m_layout.margens.top() - m_layout.margens.bottom());
        const double largura = m_disp.width(), altura = m_disp.height();
        m_escala = std::min({1.0, largura / larguraProjeto, altura / alturaProjeto});
        m_largura = largura / m_escala;
        m_altura = altura / m_escala;
    }

    const QFont &fonte(const ElementoRelatorio &e)
    {
        auto it = m_fontes.find(&e);
        if (it != m_fontes.end())
            return *it;
        QFont f(e.fonte.familia);
        f.setPointSizeF(e.fonte.tamanho);
        f.setBold(e.fonte.negrito);
        f.setItalic(e.fonte.italico);
        // The same measures on screen, on paper and in the PDF.
        f.setHintingPreference(QFont::PreferNoHinting);
        return *m_fontes.insert(&e, f);
    }

    BandaDisposta dispoe(const BandaRelatorio &banda)
    {
        BandaDisposta d;
        d.banda = &banda;
        d.espacoApos = px(banda.espacoApos);
        const double folgaX = banda.moldura ? px(0.08) : 0, folgaY = banda.moldura ? px(0.04) : 0;
        double altura = px(banda.alturaMinima);
        for (const ElementoRelatorio &e : banda.elementos) {
            CelulaDisposta c;
            c.elemento = &e;
            c.x = px(e.x);
            c.y = px(e.y);
            c.largura = px(e.largura);
            if (e.tipo == ElementoRelatorio::Tipo::Regua) {
                altura = std::max(altura, c.y + px(e.espessura));
                d.celulas.push_back(std::move(c));
                continue;
            }
            QString texto = m_dados.texto(e.trechos, m_pagina);
            texto.remove(QLatin1Char('\r'));
            texto.replace(QLatin1Char('\n'), QChar::LineSeparator);
            c.texto = std::make_unique<QTextLayout>(texto, fonte(e), &m_disp);
            QTextOption opcao;
            opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            switch (e.alinhamento) {
            case AlinhamentoTexto::Esquerda: opcao.setAlignment(Qt::AlignLeft); break;
            case AlinhamentoTexto::Centro: opcao.setAlignment(Qt::AlignHCenter); break;
            case AlinhamentoTexto::Direita: opcao.setAlignment(Qt::AlignRight); break;
            case AlinhamentoTexto::Justificado: opcao.setAlignment(Qt::AlignJustify); break;
            }
            c.texto->setTextOption(opcao);
            c.texto->setCacheEnabled(true);
            double y = folgaY;
            c.texto->beginLayout();
            for (QTextLine linha = c.texto->createLine(); linha.isValid(); linha = c.texto->createLine()) {
                linha.setLineWidth(std::max(1.0, c.largura - 2 * folgaX));
                linha.setPosition(QPointF(folgaX, y));
                y += linha.height();
            }
            c.texto->endLayout();
            altura = std::max(altura, c.y + y + folgaY);
            d.celulas.push_back(std::move(c));
        }
        d.altura = altura;
        return d;
    }

    // Where to end the part of a band that starts at `de` when the page has
    // room down to `limite`: no line of text may straddle the cut.
    double corte(const BandaDisposta &b, double de, double limite) const
    {
        double c = limite;
        for (bool mudou = true; mudou;) {
            mudou = false;
            for (const CelulaDisposta &cel : b.celulas) {
                if (!cel.texto)
                    continue;
                for (int i = 0; i < cel.texto->lineCount(); ++i) {
                    const QTextLine l = cel.texto->lineAt(i);
                    const double topo = cel.y + l.y(), base = topo + l.height();
                    if (topo < c - kFolga && base > c + kFolga && topo > de + kFolga) {
                        c = topo;
                        mudou = true;
                    }
                }
            }
        }
        return c <= de + kFolga ? limite : c; // only a line taller than a page is cut
    }

    // Paints the part [de, ate) of a band with its top at `topo` of the page.
    void pinta(const BandaDisposta &b, double de, double ate, double topo)
    {
        const double altura = std::min(ate, b.altura) - de;
        for (const CelulaDisposta &cel : b.celulas) {
            if (!cel.texto) {
                if (cel.y >= de - kFolga && cel.y < ate - kFolga) {
                    const double y = topo + cel.y - de;
                    m_pintor.fillRect(QRectF(cel.x, y, cel.largura, px(cel.elemento->espessura)), Qt::black);
                }
                continue;
            }
            m_pintor.setPen(Qt::black);
            for (int i = 0; i < cel.texto->lineCount(); ++i) {
                const QTextLine l = cel.texto->lineAt(i);
                const double y = cel.y + l.y();
                if (y >= de - kFolga && y + l.height() <= ate + kFolga)
                    l.draw(&m_pintor, QPointF(cel.x, topo + cel.y - de));
            }
            if (b.banda->moldura) {
                m_pintor.setPen(QPen(Qt::black, px(0.015)));
                m_pintor.setBrush(Qt::NoBrush);
                m_pintor.drawRect(QRectF(cel.x, topo, cel.largura, altura));
            }
        }
    }

    void coloca(const BandaDisposta &b)
    {
        double de = 0;
        for (;;) {
            const double resto = b.altura - de;
            const double livre = m_fimCorpo - m_y;
            if (resto <= livre + kFolga) {
                pinta(b, de, b.altura, m_y);
                m_y += resto + b.espacoApos;
                return;
            }
            // A band that fits on an empty page starts one rather than being split.
            if (de == 0 && m_y > m_inicioCorpo + kFolga && b.altura <= m_fimCorpo - m_inicioCorpo + kFolga) {
                novaPagina();
                continue;
            }
            const double c = corte(b, de, de + livre);
            pinta(b, de, c, m_y);
            novaPagina();
            de = c;
        }
    }

    void novaPagina()
    {
        if (!m_disp.newPage())
            throw EReportError(QStringLiteral("Unable to start page %1 of %2").arg(m_pagina + 1).arg(m_layout.nome));
        iniciaPagina();
    }

    void iniciaPagina()
    {
        ++m_pagina;
        if (m_aoIniciar)
            m_aoIniciar(m_pagina);
        m_y = 0;
        for (const BandaRelatorio &b : m_layout.cabecalho) {
            const BandaDisposta d = dispoe(b);
            pinta(d, 0, d.altura, m_y);
            m_y += d.altura + d.espacoApos;
        }
        std::vector<BandaDisposta> rodape;
        double alturaRodape = 0;
        for (const BandaRelatorio &b : m_layout.rodape) {
            rodape.push_back(dispoe(b));
            alturaRodape += rodape.back().altura + rodape.back().espacoApos;
        }
        double y = m_altura - alturaRodape;
        for (const BandaDisposta &d : rodape) {
            pinta(d, 0, d.altura, y);
            y += d.altura + d.espacoApos;
        }
        m_inicioCorpo = m_y;
        m_fimCorpo = m_altura - alturaRodape;
        if (m_fimCorpo - m_inicioCorpo < px(0.5))
            throw EReportError(QStringLiteral("The header and footer of %1 leave no room on the page").arg(m_layout.nome));
    }

    const LayoutRelatorio &m_layout;
    DadosRelatorio &m_dados;
    QPagedPaintDevice &m_disp;
    std::function<void(int)> m_aoIniciar;
    QPainter m_pintor;
    QHash<const ElementoRelatorio *, QFont> m_fontes;
    double m_pxPorCm = 1, m_escala = 1, m_largura = 0, m_altura = 0;
    double m_y = 0, m_inicioCorpo = 0, m_fimCorpo = 0;
    int m_pagina = 0;
};
}

int DesenhaRelatorio(const LayoutRelatorio &layout, DadosRelatorio &dados, QPagedPaintDevice &dispositivo,
                     const std::function<void(int)> &aoIniciarPagina)
{
    Desenhista d(layout, dados, dispositivo, aoIniciarPagina);
    return d.desenha();
}
