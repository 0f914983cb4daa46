#pragma once
// A cached, navigable selection with event hooks: the command (its SELECT),
// the resolver (how posted changes go back to the table) and the client
// dataset in one object.
#include "data/firebird.h"
#include "data/tabelas.h"
#include <QObject>
#include <QDate>
#include <functional>

class ClientDataSet;
class EErro;

enum class EstadoDataSet { Inativo, Navegacao, Edicao, Insercao };

// One column of the dataset, read and written on the current row.
class Campo {
public:
    Campo(ClientDataSet *ds, int indice, DefCampo def) : m_ds(ds), m_indice(indice), m_def(std::move(def)) {}

    const QString &FieldName() const { return m_def.nome; }
    TipoCampo tipo() const { return m_def.tipo; }
    int Size() const { return m_def.tamanho; }
    bool Required = false;
    QString EditMask;

    QVariant Value() const;
    bool IsNull() const;
    // Integer as decimal digits, date as the regional short date, float with
    // the regional decimal separator; NULL as empty text.
    QString AsString() const;
    // NULL reads 0; a text must hold a whole number ("'%s' is not a valid
    // integer value"); a float rounds half to even.
    int AsInteger() const;
    double AsFloat() const;
    QDate AsDate() const; // NULL reads an invalid date

    // Setting requires edit or insert state; a text longer than the column is
    // cut; an empty text stores NULL.
    void setValue(const QVariant &v);
    void setAsString(const QString &s);
    void setAsInteger(int v);
    void setAsFloat(double v);
    void setAsDate(const QDate &d);
    void Clear();

private:
    ClientDataSet *m_ds;
    int m_indice;
    DefCampo m_def;
};

// Where posted changes go: the table, and the key columns that find a row
// again (none: every non-BLOB column with its old value).
struct Resolvedor {
    QString tabela;
    QStringList chave;
    bool somenteInsercao = false; // only new rows are sent
    bool somenteLeitura = false;  // nothing is sent
};

class ClientDataSet : public QObject {
    Q_OBJECT
public:
    using Gancho = std::function<void(ClientDataSet &)>;
    using GanchoErro = std::function<void(ClientDataSet &, const EErro &)>;

    // `campos` empty: the columns come from the selection itself.
    ClientDataSet(QString nome, ConexaoFirebird &conexao, QList<DefCampo> campos, Resolvedor resolvedor,
                  QStringList obrigatorios, QString comandoInicial, QObject *parent = nullptr);
    ~ClientDataSet() override;

    const QString &nome() const { return m_nome; }
    ConexaoFirebird &conexao() { return m_conexao; }

    // The command's statement text.
    QString CommandText;

    Gancho AfterScroll, BeforeClose, AfterPost, AfterInsert;
    GanchoErro OnPostError;

    void Open();
    void Close();
    bool Active() const { return m_estado != EstadoDataSet::Inativo; }
    EstadoDataSet State() const { return m_estado; }

    void First();
    void Next();
    bool Eof() const { return m_eof; }
    int RecordCount() const { return int(m_linhas.size()); }
    int RecNo() const { return m_atual + 1; }

    // Makes the first row whose column reads `valor` (exact text) current.
    bool Locate(const QString &campo, const QString &valor);

    Campo &FieldByName(const QString &nome);
    Campo *FindField(const QString &nome);
    int FieldCount() const { return int(m_campos.size()); }
    Campo &Fields(int i) { return *m_campos[i]; }

    void Edit();
    void Append();
    void Post();
    void Cancel();
    void EmptyDataSet();

    // Sends the cached changes through the resolver in one transaction;
    // refused ones stay pending. Returns the number refused.
    int ApplyUpdates(int maxErros);
    int ChangeCount() const;
    // Runs the SELECT again and replaces the cached rows; refuses with "Must
    // apply updates before refreshing data" while a change is pending.
    void Refresh();
    // The re-read after a post: with key columns only the rows the last apply
    // sent are read again, by key (the cost does not grow with the selection);
    // otherwise the whole selection. Same refusal as Refresh.
    void RefreshAposAplicar();

signals:
    // The current row, its values or the state changed (for bound fields).
    void mudou();

private:
    friend class Campo;
    enum class Situacao { Inalterada, Modificada, Inserida };
    struct Linha {
        QList<QVariant> valores;
        QList<QVariant> originais;
        Situacao situacao = Situacao::Inalterada;
        bool releitura = false;
    };

    void exigeAtivo() const;
    void finalizaPendente();
    QVariant valorAtual(int indice) const;
    void defineValor(int indice, const QVariant &v);
    QVariant converte(const QVariant &v, TipoCampo tipo, int tamanho) const;
    QList<Linha> leLinhas(const QString &sql, bool definirCampos);
    QString condicaoLinha(const QList<QVariant> &valores, bool usaChave) const;
    int indiceCampo(const QString &nome) const;
    void posicionaPorChave(const QList<QVariant> &chaveAnterior, int posicaoAnterior);
    QList<QVariant> valoresChave(int linha) const;

    QString m_nome;
    ConexaoFirebird &m_conexao;
    QList<DefCampo> m_declarados;
    bool m_camposDaSelecao = false; // no declared columns: they come from each open
    QList<Campo *> m_campos;
    Resolvedor m_resolvedor;
    QStringList m_obrigatorios;
    QList<int> m_indicesChave;

    QList<Linha> m_linhas;
    int m_atual = -1;
    bool m_eof = true;
    EstadoDataSet m_estado = EstadoDataSet::Inativo;
    QList<QVariant> m_buffer;
    bool m_bufferAlterado = false;
};
