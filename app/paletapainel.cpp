#include "app/paletapainel.h"
#include <QApplication>
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
