#!/bin/bash
# Writes a class of pupils' progress files into a progress folder, for looking
# at the class overview and for measuring it: every pupil has worked on some
# exercises of the sample's three sheets. Two files that are no progress file
# show how the overview lists what it cannot read.
#
# usage: make-class.sh SOL_TMP-FOLDER [PUPILS] [EXERCISES-PER-PUPIL]
set -euo pipefail

out=${1:?usage: make-class.sh SOL_TMP-FOLDER [PUPILS] [EXERCISES-PER-PUPIL]}
pupils=${2:-24}
per_pupil=${3:-14}
mkdir -p "$out"

NAMES=(ANNA LUCA GIULIA MARCO SOFIA MATTEO AURORA LEONARDO GINEVRA TOMMASO ALICE
    FRANCESCO EMMA LORENZO BEATRICE EDOARDO CHIARA RICCARDO MARTINA DAVIDE NICOLE
    GABRIELE VITTORIA SAMUELE ELISA FILIPPO GRETA PIETRO IRENE ANDREA)
SHEETS=3
EXERCISES=6

RANDOM=20260412
for ((p = 0; p < pupils; ++p)); do
    name=${NAMES[p % ${#NAMES[@]}]}
    ((p >= ${#NAMES[@]})) && name="${name}_$((p / ${#NAMES[@]} + 1))"
    file="$out/SOLVARO_${name}.INI"
    {
        printf '[ISTORY]\r\n'
        history=""
        sections=""
        for ((n = 0; n < per_pupil; ++n)); do
            # Sheets in turn, exercises in order, as a pupil goes through them.
            sheet=$((n % SHEETS))
            exercise=$((n / SHEETS % EXERCISES))
            ((per_pupil > SHEETS * EXERCISES)) && exercise=$((n / SHEETS))
            key="ID_0${sheet}${exercise}"
            roll=$((RANDOM % 100))
            if ((roll < 62)); then state=3; step=6; errors=$((RANDOM % 4))
            elif ((roll < 75)); then state=4; step=6; errors=$((2 + RANDOM % 5))
            else state=0; step=$((1 + RANDOM % 5)); errors=$((RANDOM % 6)); fi
            history+="ERRORS_${key}=${errors}"$'\r\n'
            sections+="[${key}]"$'\r\n'
            sections+="INIFILE=SOL_INI\\Tipo${sheet}.INI"$'\r\n'
            sections+="M0=0"$'\r\n'"M1=${sheet}"$'\r\n'"M2=${exercise}"$'\r\n'
            sections+="HLPNUM=${state}"$'\r\n'"B1.tag=${step}"$'\r\n'
            sections+="E1.tag=0"$'\r\n'"E1.itemindex=-1"$'\r\n'"E1sp.visible=0"$'\r\n'
            sections+="TOT_ERRORI=${errors}"$'\r\n'
            for ((k = 0; k <= 6; ++k)); do
                e=0
                ((k == 0)) && e=$errors
                sections+="ERRORE${k}=${e}"$'\r\n'
            done
        done
        printf '%s' "$history" "$sections"
    } >"$file"
done

# A note someone left in the folder, and a progress file cut short by a full disk.
printf 'Remember to collect the permission slips.\n' >"$out/promemoria.txt"
printf '[ID_001]\r\nM0=0\r\nM1=0\r\nM2=\xff\xfe\x00\x00' >"$out/SOLVARO_TOMMASO_OLD.INI"
echo "class of $pupils pupils written to $out"
