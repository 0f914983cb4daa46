#pragma once
// Lays out and paints a report on a paged device one page at a time: the
// header at the top of every page, the footer at its bottom, the detail bands
// of every row in between. A band grows with its texts; a band that does not
// fit goes to the next page, and one taller than a page is split between two
// lines of text, never across a line.
#include <functional>

class DadosRelatorio;
class QPagedPaintDevice;
struct LayoutRelatorio;

// Sets the device's page from the layout, paints every page and returns the
// number of pages. `aoIniciarPagina` is told each page number as it begins.
int DesenhaRelatorio(const LayoutRelatorio &layout, DadosRelatorio &dados, QPagedPaintDevice &dispositivo,
                     const std::function<void(int pagina)> &aoIniciarPagina = {});
