#!/bin/sh
# TERMOVELA cerca modelli, immagini, sfondo e cronologia nella cartella di avvio: parte dalla
# cartella in cui sono installati. I percorsi relativi degli argomenti restano validi.
cartella="$(dirname "$(readlink -f "$0")")/../lib/termovela"
n=$#
for a in "$@"; do
    case "$a" in
        /* | -*) ;;
        *) a="$PWD/$a" ;;
    esac
    set -- "$@" "$a"
done
shift "$n"
cd "$cartella" || exit 1
exec ./termovela "$@"
