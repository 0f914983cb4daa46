// Start-up: the application, the main window (which reads the settings), the
// report module, the main and the second data module, then the message loop.
#include "app/utombario.h"
#include "config/interfaceusuario.h"
#include "data/udm.h"
#include "data/udm2.h"
#include "reports/urm.h"
#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Receituário Médico Geral"));
    QApplication::setApplicationDisplayName(QStringLiteral("Receituário Médico Geral"));

    TFormLivros janela;
    if (janela.encerrarPrograma())
        return 0;
    InterfaceUsuario &ui = janela.ui();
    TRM rm(ui);
    RM = &rm;
    TDM dm(ui);
    DM = &dm;
    ExecutaComando(ui, [&] { dm.DataModuleCreate(); });
    TDM2 dm2;
    DM2 = &dm2;
    ExecutaComando(ui, [&] { dm2.DataModuleCreate(); });
    rm.LigaDados(dm);

    janela.show();
    const int codigo = app.exec();
    DM2 = nullptr;
    DM = nullptr;
    RM = nullptr;
    return codigo;
}
