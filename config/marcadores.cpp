#include "config/marcadores.h"
#include "config/caminhos.h"
#include "config/erros.h"
#include "config/regional.h"
#include "config/textos.h"
#include <QDateTime>
#include <QDir>
#include <QFile>

bool LoginDispensado()
{
    return QFile::exists(CaminhoLocal(QStringLiteral("c:\\torvenia\\SaltaLiv.db")));
}

void GravaUltimaAtividade()
{
    QFile f(CaminhoLocal(QStringLiteral("c:\\torvenia\\ULTATIV.LLF")));
    const auto falha = [&f] {
        return EInOutError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(f.fileName()), f.errorString()));
    };
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw falha();
    const QDateTime agora = QDateTime::currentDateTime();
    const QString texto = FormataDataHora(agora, QStringLiteral("dd/mm/yy")) + QStringLiteral("\r\n")
                          + FormataDataHora(agora, QStringLiteral("hh:nn:ss")) + QStringLiteral("\r\n");
    if (f.write(ParaWin1252(texto)) < 0 || !f.flush())
        throw falha();
}

void ApagaMarcadorEmUso()
{
    QFile::remove(CaminhoLocal(QStringLiteral("C:\\TORVENIA\\Em_Uso.txt")));
}
