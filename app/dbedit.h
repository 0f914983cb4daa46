#pragma once
// An edit field bound to a dataset column: shows the column's value on the
// current row, writes what the user types back into the column (starting an
// edit when the dataset is browsing) and applies the column's edit mask.
#include <QLineEdit>
#include <QPointer>

class ClientDataSet;

class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);

    void vincula(ClientDataSet *ds, const QString &campo);
    ClientDataSet *dataSet() const { return m_ds; }
    const QString &nomeCampo() const { return m_campo; }

    // Copies the typed text into the column now (before a post). Text
    // columns take it as it is, typed columns convert it and may raise
    // EConvertError.
    void atualizaRegistro();
    // Shows the column's value again (and its edit mask).
    void mostraValor();

    // Converts an edit mask of the system ("!99/99/9999;1;_", '9' optional
    // digit, '0' required digit, '/' the date separator, ':' the time one)
    // into Qt's input mask notation.
    static QString MascaraQt(const QString &mascara);

signals:
    // The field lost the focus (the system's OnExit).
    void saiu();

protected:
    void focusOutEvent(QFocusEvent *e) override;

private:
    ClientDataSet *m_ds = nullptr;
    QString m_campo;
    bool m_mostrando = false;
    bool m_digitado = false;
};
