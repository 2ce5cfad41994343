#pragma once
// Griglia dei circuiti della pagina "T Mandata Progetto": due righe fisse di intestazioni e unità,
// una riga per locale, 13 colonne (zona attiva) o 20 (con la zona marginale). Testi, immagini e
// marche vengono da TPavRad::TestoCella sui risultati dello stato del progetto, letti dal vivo:
// la griglia non ne tiene copia.
#include "calc/Ucalc.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVector>

#include <functional>

// Immagini della griglia (16 × 16): 0 freccia rossa, 1 lampada verde, 2 lampada rossa.
const QVector<QPixmap>& ImageList2();

// Colori del carattere per marca (0 nero, 1 rosso, 2 arancio, 3 blu) e riempimento della zona marginale.
QColor ColoreMarca(int marca);
inline constexpr QRgb ColoreZonaMarginale = 0xffd96109; // RGB(217, 97, 9)
// Testo marcato sul riempimento della zona marginale: bianco in grassetto, l'unico colore che
// si distingue dal nero dei valori normali e si legge sull'arancio.
inline constexpr QRgb ColoreMarcaMarginale = 0xffffffff;
// Contrasto fra due colori (rapporto delle luminanze relative, da 1 a 21).
double Contrasto(const QColor& a, const QColor& b);

// Disegna una cella della griglia nel rettangolo r: riga 0 intestazioni, 1 unità, >= 2 locali.
void Griglia1DrawCell(QPainter& p, const QRect& r, int colonna, int riga, const TCellaGriglia& cella, bool fuoco,
                      const QPalette& tavolozza);

// Modello delle righe dei locali (la riga r del modello è la riga r + 2 della griglia). Il numero
// di righe e colonne è quello impostato, come in una griglia di testi; le celle oltre i locali
// dello stato restano vuote.
class TModelloGriglia1 : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum TRuolo { RuoloImmagine = Qt::UserRole, RuoloMarca };

    TModelloGriglia1(const QVector<TLocaleCalc>& locali, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // Descrizione del locale di una riga della griglia (vuota per le righe fisse).
    QString Descrizione(int riga) const;
    // Cella della griglia, righe fisse comprese.
    TCellaGriglia Cella(int colonna, int riga) const;
    // Righe della griglia comprese le due fisse (almeno 2); colonne 13 o 20.
    void ImpostaRighe(int righe);
    void ImpostaColonne(int colonne);
    int Righe() const { return m_righe; }
    int Colonne() const { return m_colonne; }
    // I risultati sono cambiati: tutte le celle vanno ridisegnate.
    void Aggiorna();

    // Colonna facoltativa dopo quelle dei circuiti, con fondo bianco: cella per riga della
    // griglia (0 e 1 le fisse) e suggerimento per le righe dei locali.
    struct TColonnaAggiuntiva
    {
        std::function<TCellaGriglia(int riga)> cella;
        std::function<QString(int riga)> suggerimento;
        int larghezza = 52;
    };
    void ImpostaColonnaAggiuntiva(TColonnaAggiuntiva colonna);
    bool ColonnaAggiuntiva(int colonna) const { return m_aggiuntiva.cella && colonna == m_colonne; }
    // Colonna con cui disegnare: quella aggiuntiva come una colonna oltre le marginali.
    int ColonnaDisegno(int colonna) const
    {
        return ColonnaAggiuntiva(colonna) ? int(TPavRad::NumColonneMarginali) : colonna;
    }
    int Larghezza(int colonna) const;

private:
    const QVector<TLocaleCalc>& m_locali;
    int m_righe = 2;
    int m_colonne = TPavRad::NumColonneAttive;
    QLocale m_locale;
    TColonnaAggiuntiva m_aggiuntiva;
};

// Le due righe fisse, disegnate come le celle.
class TIntestazioneGriglia1 : public QHeaderView
{
    Q_OBJECT
public:
    explicit TIntestazioneGriglia1(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override;
};

class TDisegnoGriglia1 : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opzioni, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& opzioni, const QModelIndex& index) const override;
};

class TGriglia1 : public QTableView
{
    Q_OBJECT
public:
    // Altezza delle celle e larghezze delle 20 colonne, in pixel.
    static constexpr int AltezzaRiga = 24;
    // Descrizione dei locali accanto al numero, quando c'è posto per tutte le colonne.
    static constexpr int LarghezzaDescrizione = 150;
    static constexpr int LarghezzeColonne[TPavRad::NumColonneMarginali]
        = {40, 38, 38, 30, 50, 50, 40, 40, 45, 25, 30, 30, 52, 44, 44, 49, 29, 34, 34, 52};

    explicit TGriglia1(const QVector<TLocaleCalc>& locali, QWidget* parent = nullptr);

    TModelloGriglia1* Modello() const { return m_modello; }
    int RowCount() const { return m_modello->Righe(); }
    void SetRowCount(int righe);
    int ColCount() const { return m_modello->Colonne(); }
    void SetColCount(int colonne);
    // Larghezza della cella di una colonna (senza la linea della griglia).
    int ColWidth(int colonna) const;
    // Rettangolo della cella (colonna, riga della griglia) nel viewport o nell'intestazione.
    QRect RettangoloCella(int colonna, int riga) const;
    // Ridisegna con i risultati correnti.
    void Ridisegna() { m_modello->Aggiorna(); }
    void ImpostaColonnaAggiuntiva(TModelloGriglia1::TColonnaAggiuntiva colonna)
    {
        m_modello->ImpostaColonnaAggiuntiva(std::move(colonna));
        larghezze();
    }
    // La colonna dei locali, ferma sopra la prima colonna mentre le altre scorrono in orizzontale.
    QTableView* ColonnaFissa() const { return m_fissa; }
    void scrollTo(const QModelIndex& index, ScrollHint suggerimento = EnsureVisible) override;

Q_SIGNALS:
    // Nuova cella corrente scelta con mouse o tastiera (riga della griglia, >= 2).
    void SelectCell(int colonna, int riga);

protected:
    void resizeEvent(QResizeEvent* e) override;
    QModelIndex moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) override;
    void updateGeometries() override;

private:
    void larghezze();
    void creaColonnaFissa();
    // Solo la prima colonna nella vista fissa, larga come quella sotto.
    void colonneFisse();
    void posizionaColonnaFissa();

    TModelloGriglia1* m_modello;
    QTableView* m_fissa = nullptr;
    bool m_struttura = false;
};
