#pragma once
// The main window over fresh embedded databases, made as the program makes
// it: the window (reading TORVENIA.INI from a folder of the test root), the
// report module and the two data modules, with the globals pointed at them.
#include "app/utombario.h"
#include "comum/ambiente.h"
#include "comum/interfaceteste.h"
#include "config/globais.h"
#include "data/udm.h"
#include "data/udm2.h"
#include "reports/urm.h"

#include <QFile>
#include <QTest>
#include <memory>

class JanelaTeste {
public:
    using Ini = QList<QPair<QString, QString>>;

    // `saltaLogin`: the login-skip marker exists, so no login panel comes up.
    explicit JanelaTeste(const Ini &ini = {{QStringLiteral("IP DO SERVIDOR CENTRAL"), QString()}},
                         bool saltaLogin = false)
    {
        ReiniciaGlobais();
        if (saltaLogin) {
            QFile marca(ambiente.caminho(QStringLiteral("SaltaLiv.db")));
            marca.open(QIODevice::WriteOnly);
        }
        janela = std::make_unique<TFormLivros>(&ui, ambiente.escreveIni(ini));
        rm = std::make_unique<TRM>(ui);
        RM = rm.get();
        dm = std::make_unique<TDM>(ui);
        DM = dm.get();
        dm->DataModuleCreate();
        dm2 = std::make_unique<TDM2>();
        DM2 = dm2.get();
        dm2->DataModuleCreate();
        rm->LigaDados(*dm);
    }

    ~JanelaTeste()
    {
        janela.reset();
        DM2 = nullptr;
        DM = nullptr;
        RM = nullptr;
        ReiniciaGlobais();
    }

    // Shows the window (FormShow runs) and makes it the active one, so that
    // focus changes reach the fields as they do for a user.
    void mostra()
    {
        janela->show();
        QApplication::setActiveWindow(janela.get());
        (void)QTest::qWaitForWindowActive(janela.get());
    }

    // The widget that has the keyboard focus, by its name.
    static QString foco()
    {
        QWidget *w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

    AmbienteTeste ambiente;
    InterfaceTeste ui;
    std::unique_ptr<TFormLivros> janela;
    std::unique_ptr<TRM> rm;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TDM2> dm2;
};
