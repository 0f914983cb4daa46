#pragma once
// Reads a report project file: XML that a person can read and edit.
//
//   <projeto>
//     <relatorio nome="rpt_X" titulo="..." papel="A4" orientacao="paisagem"
//                margens="1 1 1 1" fonte="DejaVu Sans" tamanho="8">
//       <cabecalho> <banda> ... </banda> </cabecalho>
//       <detalhe conexao="rvdsLivroSC" novaPagina="nao"> <banda moldura="sim"> ... </banda> </detalhe>
//       <semLinhas> <banda> ... </banda> </semLinhas>
//       <rodape> <banda> ... </banda> </rodape>
//     </relatorio>
//   </projeto>
//
// A band holds <texto x= y= largura= alinhamento= tamanho= negrito= italico= fonte=>
// and <regua x= y= largura= espessura=>. Inside a text, {rvdsLivroSC.DATA:dd/mm/yyyy}
// is a column with an optional pattern, {rvdsDadosGer.CIDADE|______} a column with
// what prints when it is empty, {Pagina} the page number, {/} a line break,
// {{ and }} the braces.
#include "reports/modelorelatorio.h"

// `arquivo` is the local path. A missing file or a malformed project raises
// EReportError naming the file's full path.
ProjetoRelatorios LeProjetoRelatorios(const QString &arquivo);

// The pieces of a text with references (also used for a title).
QList<TrechoTexto> InterpretaTexto(const QString &texto);
