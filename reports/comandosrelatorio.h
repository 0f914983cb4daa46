#pragma once
// The report commands, shared by the window's menu and the command-line
// front end: the book as last assembled, the opening and the closing term.
class TDM;
class TRM;

// "Mostrar na Tela": reads the store's lines again from LIVROSC (the book query)
// and executes the book report of the programme in use.
void MostraLivroNaTela(TDM &dm, TRM &rm);
// "Termo de Abertura": saves a pending edit of the general data first, then the
// opening term over the store's DADOSGER row.
void ImprimeTermoAbertura(TDM &dm, TRM &rm);
// "Termo de Encerramento": the same first steps, then the closing term over the
// general data as last selected.
void ImprimeTermoEncerramento(TDM &dm, TRM &rm);
