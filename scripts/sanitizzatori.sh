#!/usr/bin/env bash
# CI, dopo scripts/prova.sh: compila con clang, AddressSanitizer e UndefinedBehaviorSanitizer in
# build-san/, esegue tutti i test (fermi alla prima segnalazione) e ogni bersaglio di fuzzing
# (progetto, foglio, cronologia, elenco) per FUZZ_SECONDI secondi (60) sul suo corpus. Una segnalazione o un crash fanno fallire lo script.
# Il fuzzing lungo (10 minuti per bersaglio, semi grandi) è scripts/fuzz-lungo.sh.
# Uso: scripts/sanitizzatori.sh [--solo-fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."
secondi=${FUZZ_SECONDI:-60}
inizio=$SECONDS

bash scripts/prepara.sh --solo-pacchetti --sanitizzatori

# Ogni segnalazione ferma il processo con un codice d'uscita diverso da 0; le perdite di memoria
# delle librerie di sistema non strumentate (fontconfig, Qt) sono escluse dal file di soppressioni.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"

export CCACHE_BASEDIR=$PWD
CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DTVL_SANITIZZATORI=ON -DTVL_FUZZ=ON
cmake --build build-san
echo "sanitizzatori: compilazione in $((SECONDS - inizio)) s"

if [[ "${1:-}" != "--solo-fuzz" ]]; then
    t=$SECONDS
    ctest --test-dir build-san --output-on-failure -j2
    echo "sanitizzatori: test in $((SECONDS - t)) s"
fi

export TVLITA=$PWD/build-san/bin/tvlita.db
for bersaglio in progetto foglio cronologia elenco; do
    t=$SECONDS
    lavoro=$(mktemp -d)
    # Il corpus del repository resta com'è: i nuovi ingressi vanno nella cartella di lavoro, i
    # crash in fuzz/crash-* (da conservare nel corpus e nei test).
    esito=0
    altri=()
    # Semi grandi in più (scripts/fuzz-lungo.sh): eseguiti una volta per intero, poi troncati a 1 MB.
    if [[ $bersaglio == elenco && -n "${FUZZ_SEMI_ELENCO:-}" ]]; then
        build-san/bin/fuzz_elenco -timeout=10 -rss_limit_mb=2048 -artifact_prefix=fuzz/ "$FUZZ_SEMI_ELENCO"/* \
            >"$lavoro.log" 2>&1 || esito=$?
        altri=(-max_len=1048576 "$FUZZ_SEMI_ELENCO")
    fi
    ((esito != 0)) ||
        build-san/bin/fuzz_$bersaglio -max_total_time="$secondi" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix=fuzz/ "$lavoro" "fuzz/corpus/$bersaglio" "${altri[@]}" \
            >"$lavoro.log" 2>&1 || esito=$?
    grep -E "^(#[0-9]+ +(INITED|DONE)|stat::number_of_executed_units|SUMMARY)" "$lavoro.log" || true
    rm -rf "$lavoro"
    if ((esito != 0)); then
        tail -n 60 "$lavoro.log"
        echo "sanitizzatori: fuzz_$bersaglio è fallito ($esito)" >&2
        exit 1
    fi
    echo "sanitizzatori: fuzz_$bersaglio in $((SECONDS - t)) s"
done
echo "sanitizzatori: totale $((SECONDS - inizio)) s"
