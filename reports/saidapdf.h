#pragma once
// PDF output without a window: the headless path of the report engine and the
// preview's "save as PDF".
#include <QString>
#include <functional>

class QPagedPaintDevice;
struct SaidaPdf;

// Writes the pages `desenha` paints into `arquivo`, at the PDF output's
// resolution. A file that cannot be written raises EInOutError naming it.
void GravaPdf(const QString &arquivo, const QString &titulo, const SaidaPdf &configuracao,
              const std::function<void(QPagedPaintDevice &)> &desenha);
