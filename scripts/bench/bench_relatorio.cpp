// The book report straight into a PDF file: 10,000 book lines with
// prescriptions of every length up to the column's 1,500 characters. Pages
// are laid out and written one at a time, so memory stays near the dataset's
// own size whatever the number of pages.
#include "bench.h"
#include "config/globais.h"
#include "config/interfaceusuario.h"
#include "data/udm.h"
#include "reports/urm.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const QString kLoja = QStringLiteral("11222333000181");

void LivroPdf(int linhas)
{
    const QString raiz = RaizTemporaria();
    QDir().mkpath(raiz + QStringLiteral("/rpt"));
    QFile::copy(QStringLiteral(RMG_FONTE_DIR "/rpt/rptTombario.rav"), raiz + QStringLiteral("/rpt/rptTombario.rav"));
    InterfaceSilenciosa ui;
    TDM dm(ui);
    dm.DataModuleCreate();
    TRM rm(ui);
    rm.LigaDados(dm);
    CnpjLoja = kLoja;
    dm.sqlcon1.executa(QStringLiteral("INSERT INTO DADOSGER (CGC, CODIGOLIVRO, FIRMA, FARMACIA, CIDADE, ESTADO) VALUES "
                                      "('%1', '001', 'Farmácia Torvênia Manipulação Ltda', 'Farmácia Torvênia', "
                                      "'Belo Horizonte', 'MG')").arg(kLoja));
    // One statement writes every line; the prescription grows from 60 to 1,500 characters in a cycle of 50 lines.
    dm.sqlcon1.executa(QStringLiteral(
        "EXECUTE BLOCK AS DECLARE i INTEGER = 1; DECLARE p VARCHAR(1500); BEGIN "
        "WHILE (i <= %2) DO BEGIN "
        "p = 'Fluoxetina 20mg (Fab: 01/02/26, Val: 01/02/27), Lactose QSP. '; "
        "WHILE (CHAR_LENGTH(p) < 60 + MOD(i, 50) * 29) DO p = p || 'Melatonina 0,21mg (Fab: 16/05/25), '; "
        "INSERT INTO LIVROSC (LOJA, CODLIVRO, NUMERO, DATA, NOMECLIENTE, ENDERECO, COMPLEMENTO, PRESCRICOES, MEDICO, "
        "CRM, NPEDIDO, CONFERIDO, CONTROLADO) VALUES ('%1', '001', :i, DATE '2026-11-01' + MOD(:i, 30), "
        "'Paciente ' || :i || ' da Conceição', 'Rua da Bahia, ' || :i || ' - Centro', 'Fone: (31) 3333-4444', "
        "LEFT(:p || 'Posologia: 1 cápsula ao dia.', 1500), 'Dra. Ângela Drummond', 'CRM: 31877 - MG', "
        "'01.' || :i || '.1', 'S', IIF(MOD(:i, 3) = 0, 'S', ' ')); "
        "i = i + 1; END END").arg(kLoja).arg(linhas));

    ExecutaConsultaLivro(dm, false);
    const double memoriaDados = PicoMemoriaMiB();
    const QString pdf = raiz + QStringLiteral("/livro.pdf");
    bool ok = false;
    const double s = Cronometra([&] { ok = rm.rvpj1.ExecuteReportPdf(QStringLiteral("rpt_LivroRMG"), pdf); });
    const double memoriaFim = PicoMemoriaMiB();
    std::printf("  %d linhas: %d páginas em %.2f s = %.1f páginas/s; PDF %.1f MiB\n", linhas, ui.paginas, s,
                ui.paginas / s, QFileInfo(pdf).size() / 1048576.0);
    std::printf("  pico de memória: %.1f MiB com o livro lido, %.1f MiB ao fim do PDF (+%.1f MiB)%s\n", memoriaDados,
                memoriaFim, memoriaFim - memoriaDados, ok ? "" : "  [relatório ausente]");
    std::fflush(stdout);
}

Medicao livroPdf1k("relatorio_livro_1000", [] { LivroPdf(1000); });
Medicao livroPdf10k("relatorio_livro_10000", [] { LivroPdf(10000); });
}
