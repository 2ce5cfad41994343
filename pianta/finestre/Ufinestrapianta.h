#pragma once
// Finestra "Pianta": per ogni piano lo sfondo importato (DXF, PDF, immagine) e, disegnati sopra,
// i contorni dei locali, le zone senza tubi, i muri esterni e i collettori. Lavora su una copia
// della pianta che riceve; a ogni modifica emette la pianta nuova e i valori dei locali che ne
// derivano. Non conosce lo stato del progetto: chi la apre le dà i locali, i collettori e le
// risposte alle domande (scelta dei file, numeri, nuovo locale), così i test rispondono da sé.
#include "pianta/Ugeometria.h"
#include "pianta/Upianta.h"
#include "pianta/Uvalori.h"

#include <QHash>
#include <QImage>
#include <QMainWindow>

#include <functional>

class QActionGroup;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QTabBar;
class QUndoStack;
class TVistaPianta;

// Un locale come lo vede la finestra.
struct TLocalePianta
{
    int id = 0;
    QString descrizione;
    QString piano;
};

class TFinestraPianta : public QMainWindow
{
    Q_OBJECT
public:
    enum class TStrumento { Seleziona, Locale, DalDisegno, ZonaSenzaTubi, MuroEsterno, Collettore, Scala };

    TFinestraPianta(const TPianta& pianta, const QList<TLocalePianta>& locali, const QStringList& collettori,
                    QWidget* parent = nullptr);
    ~TFinestraPianta() override;

    const TPianta& Pianta() const { return m_pianta; }
    // Valori dei locali dalla pianta corrente (con CollettoreDi e LarghezzaMarginale).
    TValoriPianta Valori() const;
    // Locale -> collettore assegnato, per la distanza; larghezza della striscia marginale (m).
    QHash<int, QString> CollettoreDi;
    double LarghezzaMarginale = 1.0;

    // Locali e collettori cambiati fuori dalla finestra (per esempio un locale nuovo).
    void ImpostaLocali(const QList<TLocalePianta>& locali);
    void ImpostaCollettori(const QStringList& collettori);

    QStringList Piani() const { return m_piani; }
    QString PianoCorrente() const { return m_piano; }
    void MostraPiano(const QString& piano);
    void ImpostaStrumento(TStrumento s);
    TStrumento Strumento() const { return m_strumento; }
    // Locale a cui si legherà il prossimo contorno; -1 = un locale nuovo (NuovoLocale).
    void ImpostaLocale(int id);
    void ImpostaCollettore(const QString& nome);
    void ImpostaPassoGriglia(double metri);
    void ImpostaAgganciaAngoli(bool si);

    // Importa come sfondo del piano corrente un DXF, un PDF o un'immagine (secondo l'estensione).
    bool ImportaSfondo(const QString& percorso);
    void AdattaAlFoglio();

    TVistaPianta* Vista() const { return m_vista; }
    QUndoStack* Annullamenti() const { return m_annulla; }
    // Angoli del contorno in disegno (m).
    QPolygonF PuntiInDisegno() const { return m_punti; }
    // Testo delle misure nella barra di stato (lato corrente, area).
    QString Misure() const;

    // Risposte alle domande; senza, la finestra usa i dialoghi di Qt. Vuoto / false / -1 = annullato.
    std::function<QString(const QString& titolo, const QString& filtro)> ScegliFile;
    std::function<bool(const QString& titolo, const QString& etichetta, double& valore)> ChiediNumero;
    std::function<int(const QString& titolo, const QString& etichetta, const QStringList& voci)> ChiediScelta;
    std::function<QString(const QString& titolo, const QString& etichetta)> ChiediTesto;
    // Crea un locale su quel piano, con l'area del suo contorno (m²), attraverso le regole dei
    // locali; il suo ID, 0 se non creato.
    std::function<int(const QString& piano, double area)> NuovoLocale;

Q_SIGNALS:
    void PiantaModificata(const TPianta& pianta, const TValoriPianta& valori);

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    friend class TComandoPianta;
    // Costruzione (Ufinestrapianta.cpp).
    void creaComandi();
    void creaLivelli();
    void aggiornaPiani();
    void aggiornaLocali();
    void aggiornaLivelli();
    void aggiornaSfondo();
    // Una modifica che si può annullare.
    void cambia(const TPianta& nuova, const QString& testo);
    void applica(const TPianta& pianta);
    TPiano& pianoCopia(TPianta& copia) const { return copia.PianoOCrea(m_piano); }
    const TPiano* piano() const { return m_pianta.Piano(m_piano); }

    // Sfondi (Usfondopianta.cpp).
    bool importaDxf(const QString& percorso, TSfondo& sfondo);
    bool importaImmagine(const QString& percorso, TSfondo& sfondo);
    bool importaPdf(const QString& percorso, TSfondo& sfondo);
    QImage immagineSfondo(const TSfondo& sfondo, double* risoluzione) const;
    void scala(QPointF a, QPointF b);

    // Strumenti (Ustrumentipianta.cpp).
    void premuto(QPointF m, QMouseEvent* e);
    void mosso(QPointF m, QMouseEvent* e);
    void rilasciato(QPointF m, QMouseEvent* e);
    bool tasto(QKeyEvent* e);
    QPointF aggancia(QPointF m);
    void aggiungiPunto(QPointF p);
    void chiudi();
    bool accettaContorno(const QPolygonF& contorno);
    bool accettaZona(const QPolygonF& zona);
    void dalDisegno(QPointF m);
    void muroEsterno(QPointF m);
    void seleziona(QPointF m);
    void elimina();
    void annullaDisegno();
    double pixel(double px) const; // px dello schermo in metri
    // Disegno sopra lo sfondo (Ustrumentipianta.cpp).
    void disegnaSopra(QPainter& p);

    TPianta m_pianta;
    QList<TLocalePianta> m_locali;
    QStringList m_collettori;
    QStringList m_piani;
    QString m_piano;
    TStrumento m_strumento = TStrumento::Seleziona;
    double m_passoGriglia = 0.1;
    bool m_agganciaAngoli = true;

    // Stato del disegno in corso.
    QPolygonF m_punti;
    QPointF m_cursore;
    int m_tipoAggancio = 0;
    bool m_cursoreDentro = false;
    // Selezione: 0 nessuna, 1 contorno, 2 zona, 3 collettore; vertice trascinato (-1 nessuno).
    int m_selTipo = 0;
    int m_selIndice = -1;
    QString m_selCollettore;
    int m_vertice = -1;
    QPolygonF m_trascinato;

    // Cache del piano corrente.
    QList<QLineF> m_segmenti;
    TForme m_regioni;
    bool m_regioniPronte = false;
    mutable QHash<size_t, std::pair<QImage, double>> m_immagini; // immagine e pixel per unità
    TSfondo m_sfondoMostrato;
    QString m_pianoMostrato;
    bool m_mostrato = false;

    TVistaPianta* m_vista;
    QTabBar* m_tabPiani;
    QComboBox* m_comboLocale;
    QComboBox* m_comboCollettore;
    QDoubleSpinBox* m_griglia;
    QListWidget* m_livelli;
    QLabel* m_misure;
    QActionGroup* m_strumenti;
    QUndoStack* m_annulla;
    bool m_aggiornando = false;
};
