#pragma once
// Keeps the progress panel honest: whatever ends a run early (an error that
// goes to the general error report) also takes the panel off the screen.
#include "config/interfaceusuario.h"

class GuardaProgresso {
public:
    explicit GuardaProgresso(InterfaceUsuario &ui) : m_ui(ui) {}
    ~GuardaProgresso()
    {
        if (m_ativo) {
            m_ui.progressoOcultaPedido();
            m_ui.progressoOculta();
        }
    }
    GuardaProgresso(const GuardaProgresso &) = delete;
    GuardaProgresso &operator=(const GuardaProgresso &) = delete;

    void mostra(const QString &titulo, int maximo)
    {
        m_ui.progressoMostra(titulo, maximo);
        m_ativo = true;
    }
    void oculta()
    {
        m_ui.progressoOcultaPedido();
        m_ui.progressoOculta();
        m_ativo = false;
    }

private:
    InterfaceUsuario &m_ui;
    bool m_ativo = false;
};
