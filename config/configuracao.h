#pragma once
// The family's fixed-column settings file TORVENIA.INI.
#include <QString>
#include <QStringList>

class InterfaceUsuario;

enum class TipoConfiguracao { Texto, Inteiro };

struct RotuloConfiguracao {
    QString nome;       // the setting's name; the label is the name, dots, ':'
    TipoConfiguracao tipo;
    int largura;        // capacity of a text value (60 for the one without its own)
};

// The 135 labels in the order the reader tests them.
const QList<RotuloConfiguracao> &RotulosConfiguracao();
// "NAME" -> "NAME.....:" (48 characters).
QString RotuloCompleto(const QString &nome);

// Value of any known setting by its name, as last read (empty when absent).
QString ValorConfiguracao(const QString &nome);

// Reads DiretorioPrograma + "TORVENIA.INI". When the file is missing shows
// "Arquivo TORVENIA.INI não encontrado. Execute o programa Crisolar.exe para
// criá-lo." and returns false: the caller ends the program. A file that cannot
// be read raises EInOutError; a colour that does not convert raises
// EConvertError (reading stops at that line).
bool LeArquivoConfiguracao(InterfaceUsuario &ui, const QString &diretorioPrograma);
// The same for the running executable's folder.
bool LeArquivoConfiguracao(InterfaceUsuario &ui);

// The account name of the current user of the operating system, at most 49
// characters; empty when the system gives none.
QString NomeUsuarioWindows();
