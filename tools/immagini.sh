#!/bin/sh
# Rigenera le illustrazioni del catalogo (installazione/Immagini/*.png) e lo sfondo della
# finestra principale (installazione/tvlbg). Serve ImageMagick 6 ("convert") e il font DejaVu.
# Uso: tools/immagini.sh [cartella installazione]   (predefinita: quella accanto a tools/)
set -eu

RADICE=$(cd "$(dirname "$0")/.." && pwd)
INST=${1:-$RADICE/installazione}
IMG=$INST/Immagini
mkdir -p "$IMG"

# Tavolozza comune: arancio tubo, rame, ottone, acciaio, grafite, carta.
ARANCIO='#d9622b'
RAME='#b5562a'
OTTONE='#c9a227'
ACCIAIO='#8a9aa8'
GRAFITE='#3a3a3a'
CARTA='#fbf7f1'
POLI='#e9e4da'

# foto NOME "DIDASCALIA" "PRIMITIVE -draw"
# Scheda 180x260 (proporzioni 45:65 come il riquadro del capitolato): disegno in alto,
# didascalia su due righe al massimo in basso, bordo sottile.
foto() {
    convert -size 180x260 xc:"$CARTA" \
        -stroke "$GRAFITE" -strokewidth 2 -fill none -draw "$3" \
        -stroke none -fill "$ARANCIO" -draw "rectangle 0,206 180,210" \
        -font DejaVu-Sans-Condensed-Bold -pointsize 12 -fill "$GRAFITE" \
        -size 170x44 -background none -gravity center caption:"$2" \
        -gravity north -geometry +0+212 -composite \
        -fill none -stroke '#c8bfb2' -strokewidth 1 -draw "rectangle 0,0 179,259" \
        -strip "PNG24:$IMG/$1"
}

# Rotolo di tubo visto di fronte: spire concentriche del colore dato.
rotolo() {
    echo "stroke $1 stroke-width 9 fill none
          circle 90,100 90,30 circle 90,100 90,44 circle 90,100 90,58
          stroke $GRAFITE stroke-width 1 circle 90,100 90,25 circle 90,100 90,63
          stroke $1 stroke-width 9 line 90,30 165,30"
}

foto tubo_pex.png "TUBO PE-X" "$(rotolo "$ARANCIO")"
foto tubo_pb.png "TUBO POLIBUTENE" "$(rotolo '#9aa7c0')"
foto tubo_pert.png "TUBO PE-RT" "$(rotolo '#c0392b')"
foto tubo_multistrato.png "TUBO MULTISTRATO" "$(rotolo '#f2f2f2')
    stroke '#b0b0b0' stroke-width 3 circle 90,100 90,30 circle 90,100 90,44 circle 90,100 90,58"

foto pannello_bugnato.png "PANNELLO BUGNATO" "fill $POLI path 'M 20,150 L 60,60 L 170,60 L 130,150 Z'
    fill '#cfc8bb' $(for r in 0 1 2 3; do for c in 0 1 2 3 4; do
        x=$((48 + c * 22 - r * 9)); y=$((75 + r * 22)); printf 'circle %d,%d %d,%d ' $x $y $((x + 6)) $y; done; done)"
foto pannello_piano.png "PANNELLO PIANO" "fill $POLI path 'M 20,150 L 60,60 L 170,60 L 130,150 Z'
    stroke '#9c9488' stroke-width 1
    line 40,105 150,105 line 30,128 140,128 line 50,82 160,82
    line 60,150 100,60 line 95,150 135,60"
foto pannello_binario.png "PANNELLO PER BINARIO" "fill '#dfe3e6' path 'M 20,150 L 60,60 L 170,60 L 130,150 Z'
    fill '#7f8c8d' path 'M 88,150 L 128,60 L 136,60 L 96,150 Z'
    stroke $ARANCIO stroke-width 6 fill none
    path 'M 40,80 L 150,80 A 12,12 0 0 1 150,104 L 40,104 A 12,12 0 0 0 40,128 L 140,128'"
foto pannello_spider.png "PANNELLO SPIDER" "fill $POLI path 'M 20,150 L 60,60 L 170,60 L 130,150 Z'
    stroke '#555555' stroke-width 1
    line 50,82 160,82 line 40,105 150,105 line 30,128 140,128
    line 50,150 90,60 line 75,150 115,60 line 100,150 140,60 line 125,150 165,60"
foto pannello_industriale.png "PANNELLO INDUSTRIALE" "fill $POLI rectangle 10,95 145,145
    fill '#cfc8bb' path 'M 10,95 L 35,70 L 170,70 L 145,95 Z'
    fill '#b9b1a3' path 'M 145,95 L 170,70 L 170,120 L 145,145 Z'
    stroke $ARANCIO stroke-width 8 line 28,83 155,83"

foto foglio_barriera.png "FOGLIO BARRIERA" "fill '#e8f0f5' path 'M 30,60 L 150,60 L 150,150 L 30,150 Z'
    stroke '#9fb3c1' stroke-width 1
    line 30,90 150,90 line 30,120 150,120 line 60,60 60,150 line 90,60 90,150 line 120,60 120,150
    stroke $GRAFITE stroke-width 2 fill '#dfe9f0' ellipse 90,52 62,12 0,360"
foto binario.png "BINARIO FISSATUBO" "fill '#7f8c8d' rectangle 15,110 165,128
    fill $CARTA $(for i in 0 1 2 3 4 5 6 7 8 9; do x=$((20 + i * 15)); printf 'rectangle %d,98 %d,110 ' $x $((x + 8)); done)
    stroke $ARANCIO stroke-width 8 line 15,80 165,80"
foto rete.png "RETE ELETTROSALDATA" "stroke '#6b6b6b' stroke-width 2
    $(for i in 0 1 2 3 4 5 6; do printf 'line %d,40 %d,180 line 20,%d 160,%d ' $((20 + i * 23)) $((20 + i * 23)) $((40 + i * 23)) $((40 + i * 23)); done)"
foto fascia.png "FASCIA PERIMETRALE" "fill '#e6e1d6' ellipse 70,105 45,45 0,360
    fill $CARTA ellipse 70,105 14,14 0,360
    fill '#e6e1d6' path 'M 70,60 L 165,60 L 165,150 L 110,150' "
foto additivo.png "ADDITIVO" "fill '#2e86c1' path 'M 45,70 L 135,70 L 140,180 L 40,180 Z'
    fill '#1b4f72' rectangle 95,50 120,70
    fill none stroke $GRAFITE path 'M 55,70 Q 55,45 85,45 L 95,45'
    fill $CARTA stroke none rectangle 55,110 125,150"
foto clips.png "CLIPS FISSATUBO" "stroke '#1f6f8b' stroke-width 6 fill none
    path 'M 60,70 L 60,140 L 90,175 L 120,140 L 120,70'
    stroke $ARANCIO stroke-width 10 circle 90,95 90,80"
foto tassello.png "TASSELLO SPIDER" "fill '#1f6f8b' path 'M 80,40 L 100,40 L 100,150 L 90,180 L 80,150 Z'
    fill '#2980b9' rectangle 65,40 115,55"

foto adattatore.png "ADATTATORE" "fill $OTTONE polygon 60,70 120,70 140,100 120,130 60,130 40,100
    fill '#e0c15a' circle 90,100 90,80
    fill $ARANCIO stroke none rectangle 82,140 98,190"
foto curva.png "CURVA GUIDA TUBO" "stroke '#6b6b6b' stroke-width 16 fill none
    path 'M 50,40 L 50,110 A 60,60 0 0 0 110,170 L 170,170'
    stroke $ARANCIO stroke-width 6 path 'M 50,40 L 50,110 A 60,60 0 0 0 110,170 L 170,170'"

# Coppia di barre di collettore con le derivazioni.
barre() {
    echo "fill $1 rectangle 20,60 160,78 rectangle 20,120 160,138
          $(for i in 0 1 2 3 4; do x=$((35 + i * 27)); printf 'rectangle %d,78 %d,96 rectangle %d,138 %d,160 ' $x $((x + 10)) $x $((x + 10)); done)"
}
foto collettore_ottone.png "COLLETTORE IN OTTONE" "$(barre "$OTTONE")
    fill '#c0392b' $(for i in 0 1 2 3 4; do x=$((33 + i * 27)); printf 'rectangle %d,45 %d,60 ' $x $((x + 14)); done)"
foto collettore_inox.png "COLLETTORE INOX" "$(barre "$ACCIAIO")
    fill '#d6eaf8' $(for i in 0 1 2 3 4; do x=$((33 + i * 27)); printf 'rectangle %d,25 %d,60 ' $x $((x + 14)); done)"
foto collettore_miscelazione.png "COLLETTORE CON MISCELAZIONE" "$(barre "$OTTONE")
    fill '#c0392b' circle 40,30 40,14 fill '#34495e' rectangle 60,20 100,42
    stroke '#c0392b' stroke-width 5 line 20,30 20,60"
foto collettore_caldaia.png "COLLETTORE DI CALDAIA" "fill '#5d6d7e' rectangle 20,140 160,160
    fill '#c0392b' circle 55,95 55,75 circle 125,95 125,75
    fill '#34495e' rectangle 40,40 70,75 rectangle 110,40 140,75
    stroke $GRAFITE stroke-width 4 line 55,115 55,140 line 125,115 125,140"
foto guscio.png "GUSCIO ISOLANTE" "fill '#4d4d4d' roundrectangle 20,70 160,130 25,25
    fill '#777777' roundrectangle 30,80 150,120 18,18"
foto cassetta.png "CASSETTA DA INCASSO" "fill '#d5d8dc' rectangle 25,35 155,185
    fill '#f4f6f7' rectangle 35,45 145,175
    fill $GRAFITE rectangle 130,100 138,120"
foto staffa.png "STAFFA DI SUPPORTO" "fill '#95a5a6' path 'M 40,40 L 60,40 L 60,150 L 150,150 L 150,170 L 40,170 Z'
    fill $CARTA circle 50,60 50,54 circle 50,100 50,94 circle 130,160 130,154"
foto valvola.png "VALVOLA" "fill $OTTONE rectangle 40,100 140,140
    fill '#e0c15a' rectangle 20,105 40,135 rectangle 140,105 160,135
    fill '#c0392b' rectangle 82,60 98,100 rectangle 60,50 140,64"
foto raccordo.png "RACCORDO" "fill $OTTONE polygon 30,80 60,80 70,100 60,120 30,120 20,100
    polygon 120,80 150,80 160,100 150,120 120,120 110,100
    fill '#e0c15a' rectangle 60,88 120,112
    fill $ARANCIO stroke none rectangle 0,92 20,108 rectangle 160,92 180,108"

foto termostato.png "TERMOSTATO AMBIENTE" "fill '#ffffff' roundrectangle 35,45 145,175 10,10
    fill '#ecf0f1' circle 90,110 90,70
    stroke $ARANCIO stroke-width 4 line 90,110 112,88"
foto cronotermostato.png "CRONOTERMOSTATO" "fill '#ffffff' roundrectangle 30,45 150,175 10,10
    fill '#aed6f1' rectangle 45,60 135,110
    fill $GRAFITE circle 60,140 60,132 circle 90,140 90,132 circle 120,140 120,132"
foto testina.png "TESTINA ELETTROTERMICA" "fill '#ffffff' roundrectangle 55,40 125,140 12,12
    fill '#7f8c8d' rectangle 65,140 115,165
    stroke $GRAFITE stroke-width 3 fill none path 'M 125,70 C 160,70 160,120 170,150'"
foto motore_zona.png "MOTORE DI ZONA" "fill '#ffffff' rectangle 50,35 130,105
    fill $OTTONE rectangle 40,120 140,150 rectangle 80,105 100,120
    fill '#e0c15a' rectangle 20,125 40,145 rectangle 140,125 160,145"
foto servomotore.png "SERVOMOTORE" "fill '#5d6d7e' roundrectangle 40,40 140,130 8,8
    fill '#d6dbdf' circle 90,85 90,62
    stroke $ARANCIO stroke-width 5 line 90,85 90,64
    stroke $GRAFITE fill $OTTONE rectangle 70,130 110,170"
foto trasformatore.png "TRASFORMATORE" "fill '#95a5a6' rectangle 40,50 140,160
    fill $RAME rectangle 55,70 85,140 rectangle 95,70 125,140
    fill $GRAFITE rectangle 40,160 140,170"
foto centralina.png "CENTRALINA" "fill '#ecf0f1' rectangle 30,40 150,170
    fill '#2c3e50' rectangle 45,55 135,100
    fill '#58d68d' stroke none rectangle 55,70 100,80
    stroke $GRAFITE fill '#bdc3c7' rectangle 50,120 75,140 rectangle 80,120 105,140 rectangle 110,120 135,140"
foto sonda.png "SONDA" "fill '#bdc3c7' rectangle 70,40 110,90
    fill '#ecf0f1' rectangle 84,90 96,170
    stroke $GRAFITE stroke-width 3 fill none path 'M 110,60 C 160,60 150,130 170,170'"
foto quadro.png "QUADRO ELETTRICO" "fill '#ecf0f1' rectangle 25,45 155,175
    fill '#7f8c8d' rectangle 35,100 145,120
    fill $ARANCIO $(for i in 0 1 2 3 4 5; do x=$((40 + i * 18)); printf 'rectangle %d,60 %d,90 ' $x $((x + 10)); done)"
foto circolatore.png "CIRCOLATORE" "fill '#c0392b' circle 90,115 90,75
    fill '#922b21' rectangle 70,40 110,80
    fill $GRAFITE rectangle 20,105 50,125 rectangle 130,105 160,125"
foto vaso.png "VASO DI ESPANSIONE" "fill '#c0392b' roundrectangle 45,35 135,175 40,40
    fill $OTTONE rectangle 82,175 98,195"
foto attrezzo.png "ATTREZZATURA" "fill '#c0392b' path 'M 40,170 L 80,100 L 92,108 L 55,178 Z'
    fill '#bdc3c7' path 'M 80,100 L 150,40 L 140,80 L 92,108 Z'
    fill $GRAFITE circle 86,104 86,98"

# Sfondo della finestra principale: una serpentina di tubo su un fondo caldo, con la scritta.
# La serpentina è una spezzata: le curve a U sono semicerchi campionati ogni 10°.
SERP=$(awk 'BEGIN {
    x1 = 720; x2 = 1440; r = 44; y = 110; pi = atan2(0, -1);
    printf "M -40,%d", y;
    for (k = 0; k < 7; k++) {
        dx = (k % 2 == 0) ? x2 : x1;          # fine del tratto diritto
        printf " L %d,%d", dx, y;
        if (k == 6) break;
        for (a = 10; a <= 180; a += 10) {     # mezzo giro verso il basso
            t = (k % 2 == 0) ? (-90 + a) : (270 - a);
            printf " L %.1f,%.1f", dx + r * cos(t * pi / 180), y + r + r * sin(t * pi / 180);
        }
        y += 2 * r;
    }
    printf " L 1600,%d", y;
}')

convert -size 1600x1100 radial-gradient:'#6b3320-#1e120d' \
    \( -size 1600x1100 xc:none -stroke '#ff8c42' -strokewidth 46 -fill none -draw "stroke-linejoin round path '$SERP'" -blur 0x22 \) \
    -compose screen -composite \
    -stroke '#8f3a1b' -strokewidth 30 -fill none -draw "stroke-linejoin round path '$SERP'" \
    -stroke '#e8743b' -strokewidth 20 -draw "stroke-linejoin round path '$SERP'" \
    -stroke '#ffc07a' -strokewidth 5 -draw "stroke-linejoin round path '$SERP'" \
    -stroke none -fill '#f6e7d3' -font DejaVu-Sans-Bold -pointsize 118 -kerning 14 \
    -gravity southwest -annotate +90+120 'TERMOVELA' \
    -font DejaVu-Sans -pointsize 30 -kerning 2 -fill '#e4b98f' \
    -annotate +96+70 'progettazione di impianti radianti a pavimento' \
    -alpha off -depth 8 -strip "PNG24:$INST/tvlbg"
