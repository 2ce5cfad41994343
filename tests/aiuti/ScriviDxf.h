#pragma once
// Piccolo scrittore di DXF ASCII per i test della pianta: gruppi codice/valore e qualche entità.
#include <QByteArray>
#include <QPointF>
#include <QString>

class TScriviDxf
{
public:
    QByteArray testo;

    TScriviDxf& g(int codice, const QString& valore)
    {
        testo += QByteArray::number(codice).rightJustified(3, ' ') + "\r\n" + valore.toUtf8() + "\r\n";
        return *this;
    }
    TScriviDxf& g(int codice, double valore) { return g(codice, QString::number(valore, 'g', 17)); }
    TScriviDxf& g(int codice, int valore) { return g(codice, QString::number(valore)); }
    TScriviDxf& g(int codice, const char* valore) { return g(codice, QString::fromUtf8(valore)); }

    // Intestazione con versione e, se >= 0, $INSUNITS.
    TScriviDxf& Inizio(int insunits = -1, const char* versione = "AC1027")
    {
        g(0, "SECTION").g(2, "HEADER").g(9, "$ACADVER").g(1, versione);
        if (insunits >= 0)
            g(9, "$INSUNITS").g(70, insunits);
        return g(0, "ENDSEC");
    }
    TScriviDxf& Sezione(const char* nome) { return g(0, "SECTION").g(2, nome); }
    TScriviDxf& FineSezione() { return g(0, "ENDSEC"); }
    TScriviDxf& Fine() { return g(0, "EOF"); }

    TScriviDxf& Livello(const char* nome, int colore = 7, int flag = 0)
    {
        return g(0, "LAYER").g(2, nome).g(70, flag).g(62, colore).g(6, "CONTINUOUS");
    }
    TScriviDxf& Linea(QPointF a, QPointF b, const char* livello = "0")
    {
        return g(0, "LINE").g(8, livello).g(10, a.x()).g(20, a.y()).g(30, 0.0).g(11, b.x()).g(21, b.y()).g(31, 0.0);
    }
    TScriviDxf& Blocco(const char* nome, QPointF base = {})
    {
        return g(0, "BLOCK").g(8, "0").g(2, nome).g(70, 0).g(10, base.x()).g(20, base.y()).g(30, 0.0).g(3, nome);
    }
    TScriviDxf& FineBlocco() { return g(0, "ENDBLK").g(8, "0"); }
    TScriviDxf& Inserisci(const char* nome, QPointF p, double sx = 1, double sy = 1, double angolo = 0,
                          const char* livello = "0")
    {
        return g(0, "INSERT")
            .g(8, livello)
            .g(2, nome)
            .g(10, p.x())
            .g(20, p.y())
            .g(30, 0.0)
            .g(41, sx)
            .g(42, sy)
            .g(43, 1.0)
            .g(50, angolo);
    }
};
