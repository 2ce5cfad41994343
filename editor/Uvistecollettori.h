#pragma once
// Modelli Qt sopra l'assegnazione dei circuiti: l'elenco dei circuiti non assegnati (ListBox2) e
// l'albero dei collettori (TreeView1). Non tengono copie: leggono TAssegnazione a ogni richiesta
// e si azzerano quando l'assegnazione cambia.
#include "progetto/Ucollettori.h"

#include <QAbstractItemModel>
#include <QAbstractListModel>
#include <QPixmap>
#include <QPointer>
#include <QStyledItemDelegate>

// Ruolo con il testo intero dell'etichetta o del nodo (lettera e posizione comprese).
constexpr int RuoloEtichetta = Qt::UserRole + 1;
// Ruolo che dice se un collettore va sistemato prima di "Tipo" (bool).
constexpr int RuoloNonValido = Qt::UserRole + 2;

// Immagini della pagina: 0 collettore, 1 circuito.
QPixmap ImmagineCollettori(int indice);
constexpr int AltezzaImmagine = 16;

// Parte visibile di un'etichetta di circuito: "=>" e il nome, senza lettera né posizione.
QString TestoVisibileEtichetta(const QString& etichetta);

class TModelloListaCircuiti : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit TModelloListaCircuiti(TAssegnazione& a, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QPointer<TAssegnazione> m_a;
};

class TModelloAlberoCollettori : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit TModelloAlberoCollettori(TAssegnazione& a, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    TNodo Nodo(const QModelIndex& i) const;
    QModelIndex Indice(TNodo n) const;

private:
    bool nonValido(int collettore) const;

    QPointer<TAssegnazione> m_a;
};

// Righe della lista alte quanto l'immagine più 4 pixel: immagine a 2 pixel dal bordo sinistro e
// da quello superiore, testo centrato in verticale.
class TDisegnoListaCircuiti : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opzioni, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& opzioni, const QModelIndex& index) const override;
};
