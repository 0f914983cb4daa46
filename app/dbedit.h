#pragma once
// An edit field bound to a dataset column: shows the column's value on the
// current row, writes what the user types back into the column (starting an
// edit when the dataset is browsing) and applies the column's edit mask.
//
// Text columns without a mask take every key at once. Typed columns (numbers,
// dates) and masked fields keep the typed text pending until atualizaRegistro
// is called, or, with gravaAoSair, until the field is left: a text that does
// not convert then goes to the general error report and stays in the field,
// still pending. A text the program puts with setText is pending as well.
#include <QLineEdit>

class ClientDataSet;

class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);

    void vincula(ClientDataSet *ds, const QString &campo);
    ClientDataSet *dataSet() const { return m_ds; }
    const QString &nomeCampo() const { return m_campo; }

    // Copies a pending typed text into the column now (before a post). Text
    // columns take it as it is, typed columns convert it and may raise
    // EConvertError (the text then stays pending).
    void atualizaRegistro();
    // atualizaRegistro for every bound field under `pai` (what a post needs
    // first, whichever field has the focus).
    static void atualizaRegistros(const QWidget *pai);
    // Shows the column's value again (and its edit mask).
    void mostraValor();
    // The program puts a text into the field, and it goes into the column at
    // once (may raise like atualizaRegistro).
    void defineTexto(const QString &texto);
    // Leaving the field writes its pending text first; saiu follows only
    // when the text converted. Off: saiu alone, the owner writes.
    void defineGravaAoSair(bool sim) { m_gravaAoSair = sim; }
    // A typed text not yet in the column.
    bool modificado() const { return m_digitado; }

    // Converts an edit mask of the system ("!99/99/9999;1;_", '9' optional
    // digit, '0' required digit, '/' the date separator, ':' the time one)
    // into Qt's input mask notation.
    static QString MascaraQt(const QString &mascara);

signals:
    // The field was left (the system's OnExit). Not emitted when the focus
    // only went to a menu or another window, nor when the field's panel was
    // hidden; with gravaAoSair, only after the text reached the column.
    void saiu();

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void sai();

    ClientDataSet *m_ds = nullptr;
    QString m_campo;
    bool m_mostrando = false;
    bool m_digitado = false;
    bool m_editado = false; // the change under way comes from the keyboard
    bool m_gravaAoSair = false;
};
