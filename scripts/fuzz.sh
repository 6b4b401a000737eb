#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, with ASan and UBSan) and runs each for a
# bounded time; any finding fails. scripts/fuzz.sh 600 runs ten minutes a target.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-12}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work="build-fuzz/corpus"
mkdir -p "$work"
seed() {  # seed TARGET FILES...: the target's corpus starts from these files
  local dir="$work/$1"; shift
  mkdir -p "$dir"
  for f in "$@"; do cp "$f" "$dir/" 2>/dev/null || true; done
}
default_design=$(mktemp)
printf 'core\t= 2\r\nlst\t= 25\r\nhst\t= 32\r\nlok\t= 25\r\nhok\t= 40\r\nBm\t= 1,5\r\nj\t= 3,5\r\nF\t= 50\r\nU1nom\t= 220\r\nU1max\t= 253\r\nU2_1\t= 20\r\nI2_1\t= 5\r\nConductor\t= \xcf\xdd\xd2-155\r\n' >"$default_design"
seed keyvalue data/*.txt
seed codec data/*.txt
seed catalogue data/*.txt
seed design_file "$default_design"
printf '2|25|32|25|40|27|34|38|0,1|0,3|0|1,5|3,5|50|220|253|20|||||5|||||0|0|0|0|0||||||||0|x|900|\x05\x10\x20\x40' >"$work/calc-seed"
seed calculation "$work/calc-seed"
seed steels "data/Стали.txt"
seed core_list "data/Сердечники.txt"
seed rectifier
rm -f "$default_design"

export ASAN_OPTIONS=detect_leaks=1
total=0
for t in keyvalue codec catalogue design_file calculation steels rectifier core_list; do
  log="build-fuzz/fuzz_$t.log"
  echo "fuzz: $t for ${seconds}s"
  if ! "build-fuzz/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
       -artifact_prefix="build-fuzz/crash-$t-" "$work/$t" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $t found a problem (input saved under build-fuzz/crash-$t-*)"
    exit 1
  fi
  runs=$(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' || echo 0)
  total=$((total + runs))
  echo "fuzz: $t: $runs inputs, no finding"
done
echo "fuzz: $total inputs in all, no finding"
