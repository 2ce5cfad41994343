// Cartella di lavoro: inserimento di righe intere, con tutto ciò che vi si riferisce.
#include "documents/foglio/Ufoglio.h"
#include "documents/foglio/Ufogliointerno.h"

#include <QCoreApplication>

using namespace foglio;

namespace {

bool Identificatore(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'$' || c == u'\\';
}

// Riga spostata; oltre l'ultima riga del foglio il riferimento non vale più.
QString RigaSpostata(QStringView cifre, bool assoluta, int riga, int n, bool& perso)
{
    const int r = cifre.toInt();
    if (r < riga)
        return (assoluta ? QStringLiteral("$") : QString()) + cifre.toString();
    if (r + n > MaxRighe)
        perso = true;
    return (assoluta ? QStringLiteral("$") : QString()) + QString::number(r + n);
}

// Un riferimento di cella "$A$1" spostato; false se il testo non è un riferimento di cella.
bool SpostaCella(QStringView t, int riga, int n, QString& uscita, bool& perso)
{
    TCella c;
    if (!LeggiCella(t, c))
        return false;
    qsizetype i = t.startsWith(u'$') ? 1 : 0;
    while (i < t.size() && t[i].isLetter())
        ++i;
    const QStringView colonna = t.left(i);
    const bool assoluta = i < t.size() && t[i] == u'$';
    uscita = colonna.toString() + RigaSpostata(t.mid(i + (assoluta ? 1 : 0)), assoluta, riga, n, perso);
    return true;
}

bool SoloRiga(QStringView t)
{
    const QStringView c = t.startsWith(u'$') ? t.mid(1) : t;
    if (c.isEmpty() || c.size() > 7)
        return false;
    for (QChar ch : c)
        if (!ch.isDigit())
            return false;
    return true;
}

} // namespace

QString foglio::SpostaRiferimenti(const QString& formula, const QString& foglio, bool proprio, int riga, int n)
{
    QString out;
    out.reserve(formula.size() + 8);
    const qsizetype len = formula.size();
    qsizetype i = 0;
    QString qualificatore; // nome del foglio che precede il riferimento corrente
    bool qualificato = false;
    bool continuaIntervallo = false; // dopo "A1:" il secondo estremo ha lo stesso foglio
    while (i < len) {
        const QChar c = formula[i];
        if (c == u'"') { // testo costante
            qsizetype j = i + 1;
            while (j < len) {
                if (formula[j] == u'"') {
                    if (j + 1 < len && formula[j + 1] == u'"') {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += QStringView(formula).mid(i, j - i + 1);
            i = j + 1;
            qualificato = continuaIntervallo = false;
            continue;
        }
        if (c == u'\'') { // nome di foglio tra apici
            qsizetype j = i + 1;
            QString nome;
            while (j < len) {
                if (formula[j] == u'\'') {
                    if (j + 1 < len && formula[j + 1] == u'\'') {
                        nome += u'\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                nome += formula[j++];
            }
            out += QStringView(formula).mid(i, j - i + 1);
            i = j + 1;
            if (i < len && formula[i] == u'!') {
                out += u'!';
                ++i;
                qualificatore = nome;
                qualificato = true;
            }
            continue;
        }
        if (c == u'[') { // riferimenti strutturati o esterni: si copiano
            const qsizetype j = formula.indexOf(u']', i);
            const qsizetype fine = j < 0 ? len : j + 1;
            out += QStringView(formula).mid(i, fine - i);
            i = fine;
            continue;
        }
        if (Identificatore(c)) {
            qsizetype j = i;
            while (j < len && Identificatore(formula[j]))
                ++j;
            const QStringView tok = QStringView(formula).mid(i, j - i);
            if (j < len && formula[j] == u'!') { // nome di foglio senza apici
                out += tok;
                out += u'!';
                qualificatore = tok.toString();
                qualificato = true;
                i = j + 1;
                continue;
            }
            const bool funzione = j < len && formula[j] == u'(';
            const bool nostro = qualificato ? qualificatore.compare(foglio, Qt::CaseInsensitive) == 0 : proprio;
            const bool seguitoDaDuePunti = j < len && formula[j] == u':';
            const bool precedutoDaDuePunti = continuaIntervallo;
            QString spostato;
            bool perso = false;
            if (!funzione && nostro && SpostaCella(tok, riga, n, spostato, perso)) {
                out += perso ? QStringLiteral("#REF!") : spostato;
            } else if (!funzione && nostro && SoloRiga(tok) && (seguitoDaDuePunti || precedutoDaDuePunti)) {
                const bool assoluta = tok.startsWith(u'$');
                out += RigaSpostata(assoluta ? tok.mid(1) : tok, assoluta, riga, n, perso);
            } else {
                out += tok;
            }
            i = j;
            continuaIntervallo = seguitoDaDuePunti;
            if (seguitoDaDuePunti) {
                out += u':';
                ++i;
            } else {
                qualificato = false;
            }
            continue;
        }
        out += c;
        ++i;
        qualificato = continuaIntervallo = false;
    }
    return out;
}

namespace {

// Riferimenti di intervalli separati da spazi ("A1:B2 C5"), come negli attributi sqref.
QString SpostaElenco(const QString& elenco, int riga, int n)
{
    QStringList parti = elenco.split(u' ', Qt::SkipEmptyParts);
    for (QString& p : parti)
        p = SpostaRiferimenti(p, {}, true, riga, n);
    return parti.join(u' ');
}

void SpostaAttributo(pugi::xml_node nodo, const char* attributo, int riga, int n)
{
    if (auto a = nodo.attribute(attributo))
        a.set_value(U(SpostaElenco(Q(a.value()), riga, n)).constData());
}

} // namespace

void TFoglio::InserisciRighe(const QString& cella, int quante)
{
    const TArea area = LeggiArea(cella);
    const int riga = area.da.riga;
    if (quante < 1)
        return;
    auto& f = d->Attivo();
    d->Indicizza(f);
    if (!f.righe.empty() && f.righe.rbegin()->first + quante > MaxRighe)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Non si possono inserire righe: il foglio è pieno."));

    // Righe e celle da "riga" in giù.
    for (auto it = f.righe.rbegin(); it != f.righe.rend() && it->first >= riga; ++it) {
        auto r = it->second;
        r.attribute("r").set_value(it->first + quante);
        for (auto c : r.children("c")) {
            TCella t;
            if (LeggiCella(Q(c.attribute("r").value()), t))
                c.attribute("r").set_value(U(Rif({t.colonna, t.riga + quante})).constData());
        }
    }
    f.indiceValido = false;
    d->Indicizza(f);

    // Le righe nuove prendono il formato della riga sopra (altezza e stili delle celle).
    if (auto sopra = d->Riga(f, riga - 1, false)) {
        for (int k = 0; k < quante; ++k) {
            auto nuova = d->Riga(f, riga + k, true);
            for (const char* a : {"s", "customFormat", "ht", "customHeight"})
                if (auto at = sopra.attribute(a))
                    nuova.append_attribute(a) = at.value();
            for (auto c : sopra.children("c")) {
                const int s = c.attribute("s").as_int();
                if (s <= 0)
                    continue;
                TCella t;
                LeggiCella(Q(c.attribute("r").value()), t);
                auto nc = nuova.append_child("c");
                nc.append_attribute("r") = U(Rif({t.colonna, riga + k})).constData();
                nc.append_attribute("s") = s;
            }
        }
    }

    // Formule di tutti i fogli: scendono i riferimenti a questo foglio.
    for (auto& g : d->fogli) {
        const bool proprio = &g == &f;
        for (auto r : g.dati.children("row"))
            for (auto c : r.children("c"))
                if (auto fo = c.child("f")) {
                    if (fo.text())
                        fo.text().set(
                            U(SpostaRiferimenti(Q(fo.text().get()), f.nome, proprio, riga, quante)).constData());
                    if (proprio)
                        SpostaAttributo(fo, "ref", riga, quante);
                }
    }
    // Nomi definiti (aree di stampa, titoli): sempre qualificati dal foglio.
    for (auto dn : d->DefinedNames(false).children("definedName"))
        dn.text().set(U(SpostaRiferimenti(Q(dn.text().get()), f.nome, false, riga, quante)).constData());

    // Unioni, formattazioni condizionali, convalide, collegamenti, interruzioni di pagina.
    for (auto m : f.radice.child("mergeCells").children("mergeCell"))
        SpostaAttributo(m, "ref", riga, quante);
    for (auto cf : f.radice.children("conditionalFormatting")) {
        SpostaAttributo(cf, "sqref", riga, quante);
        for (auto regola : cf.children("cfRule"))
            for (auto fo : regola.children("formula"))
                fo.text().set(U(SpostaRiferimenti(Q(fo.text().get()), f.nome, true, riga, quante)).constData());
    }
    for (auto dv : f.radice.child("dataValidations").children("dataValidation"))
        SpostaAttributo(dv, "sqref", riga, quante);
    for (auto h : f.radice.child("hyperlinks").children("hyperlink"))
        SpostaAttributo(h, "ref", riga, quante);
    for (auto b : f.radice.child("rowBreaks").children("brk"))
        if (b.attribute("id").as_int() >= riga)
            b.attribute("id").set_value(b.attribute("id").as_int() + quante);

    // Immagini e disegni ancorati: le ancore sono a base zero.
    if (auto disegno = f.radice.child("drawing")) {
        const QString parte = d->DestinazioneRelazione(f.parte, Q(disegno.attribute("r:id").value()));
        if (!parte.isEmpty() && d->HaParte(parte)) {
            for (auto ancora : d->Xml(parte).document_element().children())
                for (const char* estremo : {"xdr:from", "xdr:to"})
                    if (auto r = ancora.child(estremo).child("xdr:row"); r && r.text().as_int() + 1 >= riga)
                        r.text().set(r.text().as_int() + quante);
        }
    }
}
