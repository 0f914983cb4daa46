#include "config/interfaceusuario.h"
#include "config/erros.h"

void ReportaErroGeral(InterfaceUsuario &ui, const std::exception &erro)
{
    QString classe = QStringLiteral("Exception");
    QString mensagem = QString::fromUtf8(erro.what());
    if (const auto *e = dynamic_cast<const EErro *>(&erro)) {
        classe = e->classe();
        mensagem = e->mensagem();
    }
    RegistraErro(classe, mensagem);
    ui.mostraErro(mensagem);
}

bool ExecutaComando(InterfaceUsuario &ui, const std::function<void()> &comando)
{
    try {
        comando();
        return true;
    } catch (const std::exception &e) {
        ReportaErroGeral(ui, e);
    }
    return false;
}
