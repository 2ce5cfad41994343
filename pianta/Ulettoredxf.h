#pragma once
// Ricevitore degli eventi di dxflib: raccoglie lo spazio modello e i blocchi in coordinate
// locali, poi esplode gli inserimenti in un TDisegno. Interno all'importazione DXF.
#include "Udisegno.h"

#include <QHash>
#include <QStringList>
#include <QTransform>
#include <dl_creationadapter.h>

class TLettoreDxf : public DL_CreationAdapter
{
    Q_DECLARE_TR_FUNCTIONS(TImportaDxf)
public:
    explicit TLettoreDxf(int limite)
        : m_limite(limite)
    { }

    // Dopo dxflib: esplode i blocchi e scala in metri. Falso (con il motivo) se gli elementi
    // esplosi superano il limite.
    bool Componi(TDisegno& disegno, QStringList& avvisi, QString& errore);

    void addLayer(const DL_LayerData& d) override;
    void addBlock(const DL_BlockData& d) override;
    void endBlock() override;
    void addLine(const DL_LineData& d) override;
    void addArc(const DL_ArcData& d) override;
    void addCircle(const DL_CircleData& d) override;
    void addEllipse(const DL_EllipseData& d) override;
    void addPolyline(const DL_PolylineData& d) override;
    void addVertex(const DL_VertexData& d) override;
    void endSequence() override;
    void addSpline(const DL_SplineData& d) override;
    void addControlPoint(const DL_ControlPointData& d) override;
    void addFitPoint(const DL_FitPointData& d) override;
    void addKnot(const DL_KnotData& d) override;
    void addInsert(const DL_InsertData& d) override;
    void addText(const DL_TextData& d) override;
    void addMTextChunk(const std::string& testo) override;
    void addMText(const DL_MTextData& d) override;
    void endSection() override;
    void setVariableInt(const std::string& nome, int valore, int codice) override;
    void setVariableString(const std::string& nome, const std::string& valore, int codice) override;

private:
    struct TElemento
    {
        QString livello;
        QPolygonF punti;
        bool chiusa = false;
    };
    struct TScritta
    {
        QString livello;
        QPointF posizione;
        double altezza = 0, rotazione = 0;
        QString testo;
    };
    struct TInserimento
    {
        QString livello, blocco;
        QTransform trasformazione; // da coordinate del blocco (base già tolta) a quelle di chi inserisce
    };
    struct TBlocco
    {
        QPointF base;
        QList<TElemento> elementi;
        QList<TScritta> scritte;
        QList<TInserimento> inserimenti;
    };
    // Polilinea o spline in costruzione: i vertici arrivano uno per volta.
    struct TInCorso
    {
        enum { Niente, Polilinea, Spline } tipo = Niente;
        QString livello;
        bool chiusa = false, ocsSpecchiata = false, spazioCarta = false;
        QPolygonF punti;
        QList<double> bulge, nodi, pesi;
        QPolygonF adattamento;
        int grado = 3;
    };
    struct TComposizione;

    // Dove va l'entità corrente: nullptr per lo spazio carta (ignorato).
    TBlocco* Destinazione();
    QString LivelloCorrente();
    bool OcsSpecchiata(); // estrusione verso -Z: le coordinate OCS hanno la x rovesciata
    void Aggiungi(const QPolygonF& punti, bool chiusa, bool specchia);
    void ChiudiInCorso();
    QString Testo(const std::string& grezzo) const;

    bool Esplodi(const TBlocco& b, const QTransform& t, const QString& livelloPadre, int profondita,
                 TComposizione& c) const;

    int m_limite;
    TBlocco m_modello;
    QHash<QString, TBlocco> m_blocchi;
    QString m_bloccoCorrente; // vuoto: spazio modello
    bool m_inBlocco = false;
    TInCorso m_inCorso;
    QString m_testoMText;
    QList<TLivello> m_livelli;
    int m_insunits = -1;
    bool m_utf8 = false;
    int m_nonFiniti = 0;
};
