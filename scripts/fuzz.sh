#!/usr/bin/env bash
# Builds the fuzz targets (Clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each for SECONDS (default 30), starting from seeds taken from tests/data
# (the whole-folder target's seeds are the test offices packed by the target itself).
# Prints each target's executions; exits non-zero on the first finding (its input is kept in
# build-fuzz/findings/). With --tests, the core's tests are built in the same build (Clang, the
# same sanitizers) and run first.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=OFF
if [[ "${1:-}" == --tests ]]; then tests=ON; shift; fi
seconds="${1:-30}"
scripts/install-deps.sh clang libfuzzer-14-dev
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRK_CORE_ONLY=ON \
  -DVRK_FUZZ=ON -DVRK_BUILD_TESTS=$tests -DVRK_BUILD_BENCH=OFF -DVRK_WERROR=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"
if [[ $tests == ON ]]; then
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-fuzz --output-on-failure --parallel "$(nproc)"
fi

office="tests/data/sample-office/VRK DATA FILES/072001"
seeds="build-fuzz/seeds"
rm -rf "$seeds" && mkdir -p "$seeds"/{text_list,journal,records,dates,counts,folder,csv,ledes,seal} build-fuzz/findings
cp "$office"/ClientCodes.Dat "$office"/AttorneyInitials.Dat "$office"/ClientGroups.Dat "$seeds/text_list/"
printf '\001' | cat - "$office/MatterData.Dat" | head -c 229 >"$seeds/records/matter"
printf '\000' | cat - "$office/ClientData.Dat" | head -c 397 >"$seeds/records/client"
printf '\002' | cat - "$office/TimeRecordData.Dat" | head -c 266 >"$seeds/records/time"
for text in 07/15/2001 7/5/2001 '$1,250.50' '___,___._' 02/30/2001; do printf '%s' "$text" >"$seeds/dates/$(echo "$text" | md5sum | cut -c1-8)"; done
printf 'VRKJ' >"$seeds/journal/empty"
printf 'client,matter,date,attorney,hours,rate,description\r\nACME,1,07/03/2001,JD,1.5,,"Research, ""notes""\r\nline two"\r\n' >"$seeds/csv/time"
printf '\357\273\277client,date,amount\r\nBETA1,2001-07-02,"$1,250.00"\r\n\r\n""\n' >"$seeds/csv/payments"
ledes_names='INVOICE_DATE|INVOICE_NUMBER|CLIENT_ID|LAW_FIRM_MATTER_ID|INVOICE_TOTAL|BILLING_START_DATE|BILLING_END_DATE|INVOICE_DESCRIPTION|LINE_ITEM_NUMBER|EXP/FEE/INV_ADJ_TYPE|LINE_ITEM_NUMBER_OF_UNITS|LINE_ITEM_ADJUSTMENT_AMOUNT|LINE_ITEM_TOTAL|LINE_ITEM_DATE|LINE_ITEM_TASK_CODE|LINE_ITEM_EXPENSE_CODE|LINE_ITEM_ACTIVITY_CODE|TIMEKEEPER_ID|LINE_ITEM_DESCRIPTION|LAW_FIRM_ID|LINE_ITEM_UNIT_COST|TIMEKEEPER_NAME|TIMEKEEPER_CLASSIFICATION|CLIENT_MATTER_ID[]'
printf 'LEDES1998B[]\r\n%s\r\n%s\r\n%s\r\n%s\r\n' "$ledes_names" \
  '20010731|INV-1001|C-10|M-77|342.18|20010701|20010731|July services|1|F|1.5||300.00|20010703|L110||A101|JD|Review of lease|12-3456789|200.00|Doe, Jane|PT|CM-1[]' \
  '20010731|INV-1001|C-10|M-77|342.18|20010701|20010731|July services|2|E|1||42.18|20010712||E101||JD|Copies|12-3456789|42.18|Doe, Jane|PT|CM-1[]' \
  '20010731|INV-1002|C-10|M-78|100.00|20010701|20010731|July services|1|F|0.5|-25|100.00|20010720|L110||A101|JD|Call|12-3456789|250.00|Doe, Jane|PT|CM-2[]' \
  >"$seeds/ledes/fees"
printf 'LEDES1998B[]\n%s\n%s\n%s\n' "$ledes_names" \
  '20010831|8-2|C-10|M-77|75.00|20010801|20010831||1|F|0.5||100.00|20010802||||||12-3456789|200.00|||[]' \
  '20010831|8-2|C-10|M-77|75.00|20010801|20010831||2|IE|||-25.00|20010831||||||12-3456789||||[]' \
  >"$seeds/ledes/credit"
for pick in '\000' '\252' '\377'; do printf "$pick" | cat - "$office/Dimensions.Dat" >"$seeds/counts/$(printf "$pick" | od -An -tx1 | tr -d ' ')"; done
printf '\200' >"$seeds/counts/missing"
printf 'PERIOD SEAL 072001\r\n%s  11  ClientCodes.Dat\r\n%s  300  TimeRecordData.Dat\r\n' \
  "$(printf 'ACME\r\nZED\r\n' | sha256sum | cut -c1-64)" "$(head -c 300 /dev/zero | tr '\0' '\7' | sha256sum | cut -c1-64)" \
  >"$seeds/seal/holds"
pack() { local said; said="$(build-fuzz/fuzz/fuzz_folder "$@" 2>&1)" || { echo "$said" >&2; exit 1; }; }
# The whole-folder target's parts (see fuzz/fuzz_folder.cpp) one by one over the sample office, and
# every part over it, over the same office with a final run cut short, and over the activity office.
for part in $(seq 0 15); do pack --pack "$office" "$seeds/folder/sample-$part" "$part"; done
pack --pack "$office" "$seeds/folder/sample"
pack --pack-interrupted "$office" "$seeds/folder/sample-interrupted"
pack --pack "tests/data/activity-office/VRK DATA FILES" "$seeds/folder/activity"

total=0
for name in text_list journal records dates counts folder csv ledes seal; do
  log="build-fuzz/fuzz_$name.log"
  if ! build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build-fuzz/findings/"$name"- "$seeds/$name" >"$log" 2>&1; then
    echo "fuzz_$name: a finding, see $log and build-fuzz/findings/" >&2
    exit 1
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  echo "fuzz_$name: $runs executions, no finding"
  total=$((total + runs))
done
echo "all targets: $total executions, no finding"
