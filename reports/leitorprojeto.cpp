#include "reports/leitorprojeto.h"
#include "config/erros.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {
// A project error carries the file and the line so the person editing it finds the place.
[[noreturn]] void falha(const QString &arquivo, const QXmlStreamReader &xml, const QString &motivo)
{
    throw EReportError(QStringLiteral("Report project %1, line %2: %3")
                           .arg(QDir::toNativeSeparators(QFileInfo(arquivo).absoluteFilePath()))
                           .arg(xml.lineNumber())
                           .arg(motivo));
}

class Leitor {
public:
    Leitor(const QString &arquivo, QIODevice *dispositivo) : m_arquivo(arquivo), m_xml(dispositivo) {}

    ProjetoRelatorios le()
    {
        ProjetoRelatorios projeto;
        projeto.arquivo = m_arquivo;
        if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("projeto"))
            erro(QStringLiteral("the root element must be <projeto>"));
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("relatorio"))
                erro(QStringLiteral("unexpected <%1>").arg(m_xml.name()));
            LayoutRelatorio r = leRelatorio();
            if (projeto.procura(r.nome))
                erro(QStringLiteral("report %1 appears twice").arg(r.nome));
            projeto.relatorios.append(std::move(r));
        }
        if (m_xml.hasError())
            erro(m_xml.errorString());
        return projeto;
    }

private:
    [[noreturn]] void erro(const QString &motivo) { falha(m_arquivo, m_xml, motivo); }

    QString atributo(const char *nome, const QString &padrao = QString()) const
    {
        const auto a = m_xml.attributes();
        const QString n = QLatin1String(nome);
        return a.hasAttribute(n) ? a.value(n).toString() : padrao;
    }

    double numero(const char *nome, double padrao)
    {
        const QString t = atributo(nome).trimmed();
        if (t.isEmpty())
            return padrao;
        bool ok = false;
        const double v = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok || v < 0)
            erro(QStringLiteral("%1=\"%2\" is not a measure").arg(QLatin1String(nome), t));
        return v;
    }

    bool sim(const char *nome, bool padrao)
    {
        const QString t = atributo(nome).trimmed().toLower();
        if (t.isEmpty())
            return padrao;
        return t == QLatin1String("sim") || t == QLatin1String("s") || t == QLatin1String("true");
    }

    FonteRelatorio fonte(const FonteRelatorio &base)
    {
        FonteRelatorio f = base;
        f.familia = atributo("fonte", f.familia);
        f.tamanho = numero("tamanho", f.tamanho);
        f.negrito = sim("negrito", f.negrito);
        f.italico = sim("italico", f.italico);
        return f;
    }

    LayoutRelatorio leRelatorio()
    {
        LayoutRelatorio r;
        r.nome = atributo("nome").trimmed();
        if (r.nome.isEmpty())
            erro(QStringLiteral("a <relatorio> without nome"));
        r.titulo = atributo("titulo", r.nome);
        const QString papel = atributo("papel", QStringLiteral("A4")).trimmed().toUpper();
        if (papel == QLatin1String("A4"))
            r.papel = QPageSize::A4;
        else if (papel == QLatin1String("OFICIO") || papel == QLatin1String("LEGAL"))
            r.papel = QPageSize::Legal;
        else if (papel == QLatin1String("CARTA") || papel == QLatin1String("LETTER"))
            r.papel = QPageSize::Letter;
        else
            erro(QStringLiteral("unknown paper %1").arg(papel));
        const QString orientacao = atributo("orientacao", QStringLiteral("retrato")).trimmed().toLower();
        if (orientacao == QLatin1String("paisagem"))
            r.orientacao = QPageLayout::Landscape;
        else if (orientacao == QLatin1String("retrato"))
            r.orientacao = QPageLayout::Portrait;
        else
            erro(QStringLiteral("unknown orientation %1").arg(orientacao));
        const QStringList m = atributo("margens", QStringLiteral("1 1 1 1")).simplified().split(QLatin1Char(' '));
        if (m.size() != 4)
            erro(QStringLiteral("margens takes four measures: left top right bottom"));
        double v[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            v[i] = QString(m[i]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok || v[i] < 0)
                erro(QStringLiteral("margens: %1 is not a measure").arg(m[i]));
        }
        r.margens = QMarginsF(v[0], v[1], v[2], v[3]);
        r.fonte = fonte(FonteRelatorio{});

        while (m_xml.readNextStartElement()) {
            const auto nome = m_xml.name();
            if (nome == QLatin1String("cabecalho")) {
                r.cabecalho = leBandas(r.fonte);
            } else if (nome == QLatin1String("rodape")) {
                r.rodape = leBandas(r.fonte);
            } else if (nome == QLatin1String("detalhe")) {
                r.conexaoDetalhe = atributo("conexao").trimmed();
                if (r.conexaoDetalhe.isEmpty())
                    erro(QStringLiteral("<detalhe> needs conexao"));
                r.novaPaginaPorLinha = sim("novaPagina", false);
                r.detalhe = leBandas(r.fonte);
            } else if (nome == QLatin1String("semLinhas")) {
                r.semLinhas = leBandas(r.fonte);
            } else {
                erro(QStringLiteral("unexpected <%1> in a report").arg(nome));
            }
        }
        return r;
    }

    QList<BandaRelatorio> leBandas(const FonteRelatorio &base)
    {
        QList<BandaRelatorio> bandas;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("banda"))
                erro(QStringLiteral("unexpected <%1>; bands go in <banda>").arg(m_xml.name()));
            BandaRelatorio b;
            b.alturaMinima = numero("altura", 0);
            b.espacoApos = numero("espacoApos", 0);
            b.moldura = sim("moldura", false);
            const FonteRelatorio fonteBanda = fonte(base);
            while (m_xml.readNextStartElement())
                b.elementos.append(leElemento(fonteBanda));
            bandas.append(std::move(b));
        }
        return bandas;
    }

    ElementoRelatorio leElemento(const FonteRelatorio &base)
    {
        ElementoRelatorio e;
        e.x = numero("x", 0);
        e.y = numero("y", 0);
        e.largura = numero("largura", 0);
        if (e.largura <= 0)
            erro(QStringLiteral("<%1> needs a largura").arg(m_xml.name()));
        if (m_xml.name() == QLatin1String("regua")) {
            e.tipo = ElementoRelatorio::Tipo::Regua;
            e.espessura = numero("espessura", e.espessura);
            m_xml.skipCurrentElement();
            return e;
        }
        if (m_xml.name() != QLatin1String("texto"))
            erro(QStringLiteral("unexpected <%1>; a band holds <texto> and <regua>").arg(m_xml.name()));
        e.fonte = fonte(base);
        const QString a = atributo("alinhamento", QStringLiteral("esquerda")).trimmed().toLower();
        if (a == QLatin1String("esquerda"))
            e.alinhamento = AlinhamentoTexto::Esquerda;
        else if (a == QLatin1String("centro"))
            e.alinhamento = AlinhamentoTexto::Centro;
        else if (a == QLatin1String("direita"))
            e.alinhamento = AlinhamentoTexto::Direita;
        else if (a == QLatin1String("justificado"))
            e.alinhamento = AlinhamentoTexto::Justificado;
        else
            erro(QStringLiteral("unknown alignment %1").arg(a));
        // Blanks and line breaks of the file's indentation are not part of the text.
        const QString texto = m_xml.readElementText().simplified();
        if (m_xml.hasError())
            erro(m_xml.errorString());
        try {
            e.trechos = InterpretaTexto(texto);
        } catch (const EReportError &x) {
            erro(x.mensagem());
        }
        return e;
    }

    QString m_arquivo;
    QXmlStreamReader m_xml;
};
}

QList<TrechoTexto> InterpretaTexto(const QString &texto)
{
    QList<TrechoTexto> trechos;
    QString literal;
    auto fechaLiteral = [&] {
        if (!literal.isEmpty()) {
            TrechoTexto t;
            t.texto = literal;
            trechos << t;
            literal.clear();
        }
    };
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c == QLatin1Char('}') && i + 1 < texto.size() && texto[i + 1] == QLatin1Char('}')) {
            literal += c;
            ++i;
            continue;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        if (i + 1 < texto.size() && texto[i + 1] == QLatin1Char('{')) {
            literal += c;
            ++i;
            continue;
        }
        const int fim = texto.indexOf(QLatin1Char('}'), i + 1);
        if (fim < 0)
            throw EReportError(QStringLiteral("a '{' without '}' in \"%1\"").arg(texto));
        QString ref = texto.mid(i + 1, fim - i - 1);
        i = fim;
        TrechoTexto t;
        const int barra = ref.indexOf(QLatin1Char('|'));
        if (barra >= 0) {
            t.substituto = ref.mid(barra + 1);
            ref = ref.left(barra);
        }
        const int doisPontos = ref.indexOf(QLatin1Char(':'));
        if (doisPontos >= 0) {
            t.formato = ref.mid(doisPontos + 1);
            ref = ref.left(doisPontos);
        }
        ref = ref.trimmed();
        if (ref == QLatin1String("/")) {
            literal += QLatin1Char('\n');
            continue;
        }
        if (ref.compare(QLatin1String("Pagina"), Qt::CaseInsensitive) == 0) {
            fechaLiteral();
            t.tipo = TrechoTexto::Tipo::Pagina;
        } else {
            fechaLiteral();
            const int ponto = ref.indexOf(QLatin1Char('.'));
            if (ponto <= 0 || ponto == ref.size() - 1)
                throw EReportError(QStringLiteral("{%1}: a field is written {connection.COLUMN}").arg(ref));
            t.tipo = TrechoTexto::Tipo::Campo;
            t.conexao = ref.left(ponto);
            t.coluna = ref.mid(ponto + 1);
        }
        trechos << t;
    }
    fechaLiteral();
    return trechos;
}

ProjetoRelatorios LeProjetoRelatorios(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw EReportError(QStringLiteral("Unable to open report project file %1")
                               .arg(QDir::toNativeSeparators(QFileInfo(arquivo).absoluteFilePath())));
    Leitor leitor(arquivo, &f);
    return leitor.le();
}
