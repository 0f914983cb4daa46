#include "app/paletapainel.h"
#include <QApplication>
#include <QLabel>
#include <QStyle>

QPalette PaletaPainel()
{
    const QPalette base = QApplication::style()->standardPalette();
    QPalette p;
    for (int grupo = 0; grupo < QPalette::NColorGroups; ++grupo)
        for (int papel = 0; papel < QPalette::NColorRoles; ++papel) {
            const auto g = QPalette::ColorGroup(grupo);
            const auto r = QPalette::ColorRole(papel);
            if (r != QPalette::NoRole)
                p.setBrush(g, r, base.brush(g, r));
        }
    return p;
}

QLabel *BarraDeTitulo(const QString &texto, QWidget *painel)
{
    auto *barra = new QLabel(texto, painel);
    barra->setAlignment(Qt::AlignCenter);
    barra->setAutoFillBackground(true);
    QPalette p = barra->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 128));
    p.setColor(QPalette::WindowText, Qt::white);
    barra->setPalette(p);
    QFont f = barra->font();
    f.setBold(true);
    barra->setFont(f);
    return barra;
}
