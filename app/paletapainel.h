#pragma once
// The colours of a panel drawn over the window's background colour.
#include <QPalette>
#include <QString>

class QLabel;
class QWidget;

// The ordinary colours (button face, window text, white fields), every role
// set explicitly so that the window's own colour (CorFundo) does not reach
// the panel's labels, groups and fields through the parent.
QPalette PaletaPainel();

// A panel's title bar: the text centred, white and bold on navy.
QLabel *BarraDeTitulo(const QString &texto, QWidget *painel);
