#pragma once
// The demo's only source of chance: a small generator (SplitMix64) whose
// sequence depends on the seed alone, the same on every platform and library
// version, so one seed always gives the same pharmacy.
#include <QList>
#include <QString>
#include <QtGlobal>

class Aleatorio {
public:
    explicit Aleatorio(quint64 semente) : m_estado(semente) {}

    quint64 proximo()
    {
        quint64 z = (m_estado += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (n > 0).
    int ate(int n) { return int(proximo() % quint64(n)); }
    // de .. ate, both included.
    int entre(int de, int ate_) { return de + ate(ate_ - de + 1); }
    // True with the chance of `porMil` in a thousand.
    bool chance(int porMil) { return ate(1000) < porMil; }

    template <typename T>
    const T &escolhe(const QList<T> &lista) { return lista[ate(int(lista.size()))]; }

    // An independent generator for one part of the data, so that changing how
    // one table is filled does not reshuffle the others.
    Aleatorio ramo(quint64 rotulo) { return Aleatorio(proximo() ^ (rotulo * 0xD1B54A32D192ED03ULL)); }

private:
    quint64 m_estado;
};
