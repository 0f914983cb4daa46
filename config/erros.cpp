#include "config/erros.h"
#include "config/caminhos.h"
#include "config/textos.h"
#include <QDateTime>
#include <QFile>

QString CaminhoLogErros()
{
    return CaminhoLocal(QStringLiteral("c:\\torvenia\\ErrosReceituario.log"));
}

void RegistraErro(const QString &classe, const QString &mensagem)
{
    QFile log(CaminhoLogErros());
    if (!log.open(QIODevice::Append))
        return;
    const QString linha = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                          + QStringLiteral(" ") + classe + QStringLiteral(": ") + mensagem
                          + QStringLiteral("\r\n");
    log.write(ParaWin1252(linha));
}
