#include "gerador/escrita.h"
#include "config/erros.h"
#include "config/textos.h"
#include "data/firebird.h"
#include <firebird/Interface.h>
#include <ibase.h>

using namespace Firebird;

void DefineEscritaForcada(const QString &banco, bool ligada)
{
    // The setting travels in the attachment's parameters: attaching with
    // isc_dpb_force_write stores it in the database header.
    IMaster *mestre = fb_get_master_interface();
    ThrowStatusWrapper st(mestre->getStatus());
    IXpbBuilder *dpb = nullptr;
    IProvider *provedor = nullptr;
    try {
        dpb = mestre->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
        dpb->insertString(&st, isc_dpb_password, "quartzine");
        dpb->insertInt(&st, isc_dpb_force_write, ligada ? 1 : 0);
        const QByteArray caminho = ParaWin1252(ConexaoFirebird::destinoBanco(banco));
        provedor = mestre->getDispatcher();
        IAttachment *anexo = provedor->attachDatabase(&st, caminho.constData(), dpb->getBufferLength(&st),
                                                      dpb->getBuffer(&st));
        anexo->detach(&st);
        provedor->release();
        dpb->dispose();
    } catch (const FbException &e) {
        char texto[2048];
        mestre->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
        if (provedor)
            provedor->release();
        if (dpb)
            dpb->dispose();
        throw EFirebirdError(DeWin1252(QByteArray(texto)).trimmed());
    }
}

bool EscritaForcadaLigada(ConexaoFirebird &conexao)
{
    const ResultadoConsulta r = conexao.consulta(QStringLiteral("select MON$FORCED_WRITES from MON$DATABASE"));
    return !r.linhas.isEmpty() && r.linhas.first().first().toInt() == 1;
}
