#!/usr/bin/env bash
# Times `qvftool print` of a full year to PDF against the classic calendar printer pcal
# piped through ps2pdf, for the same 2,400 events (480 of each kind), alternating the two
# several times in one run. Prints each time, the medians and how many times faster
# qvftool is.
#
#   bench/compare_pcal.sh [QVFTOOL] [ROUNDS]
#
# QVFTOOL defaults to build/tools/qvftool (build it in Release for real figures); ROUNDS
# to 7. Needs pcal and ghostscript (Debian: apt-get install pcal ghostscript).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
qvftool="${1:-$root/build/tools/qvftool}"
rounds="${2:-7}"
for tool in pcal ps2pdf; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
[ -x "$qvftool" ] || { echo "no qvftool at $qvftool" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The same events in both forms. Birthdays and anniversaries show their names alone (style
# 3) and recur every year, as pcal's mm/dd events do; fixed holidays likewise; floating
# holidays are "second Wednesday in March"; other events are dated in 2027.
awk -v qvf="$work/year.qvf" -v dates="$work/year.pcal" 'BEGIN {
  srand(2027)
  split("Ann picnic club dentist meeting with the garden school Grandma party recital bake sale at church practice", words, " ")
  split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", mon, " ")
  split("Sunday Monday Tuesday Wednesday Thursday Friday Saturday", wday, " ")
  split("first second third fourth last", nth, " ")
  split("1 2 3 4 L", rule, " ")
  printf "Version 2.0\r\nPcal comparison 2027\r\nHeader1=\r\nHeader2=\r\n\r\n" > qvf
  kinds[1] = "[Birthday]"; kinds[2] = "[Anniversary]"; kinds[3] = "[Holiday]"
  for (k = 1; k <= 5; ++k) {
    if (k != 4) printf "%s\r\n", (k == 5 ? "[Other]" : kinds[k]) > qvf
    for (i = 0; i < 480; ++i) {
      name = ""
      for (n = 1 + int(rand() * 5); n > 0; --n) name = name (name == "" ? "" : " ") words[1 + int(rand() * 17)]
      m = 1 + int(rand() * 12); d = 1 + int(rand() * 28); y = 1930 + int(rand() * 90)
      if (k <= 2) {
        printf "%02d%02d%04d 3 %s\r\n", m, d, y, name > qvf
        printf "%02d/%02d %s\n", m, d, name > dates
      } else if (k == 3) {
        printf "F%02d%02d %s\r\n", m, d, name > qvf
        printf "%02d/%02d %s\n", m, d, name > dates
      } else if (k == 4) {
        w = int(rand() * 7); r = 1 + int(rand() * 5)
        printf "%s%d%02d %s\r\n", rule[r], w, m, name > qvf
        printf "%s %s in %s %s\n", nth[r], wday[w + 1], mon[m], name > dates
      } else {
        printf "%02d%02d2027 %s\r\n", m, d, name > qvf
        printf "%02d/%02d/2027 %s\n", m, d, name > dates
      }
    }
    printf "\r\n" > qvf
  }
  printf "[End of Data]\r\n" > qvf
}'

now() { date +%s%N; }
ours=() theirs=()
for ((round = 1; round <= rounds; ++round)); do
  start=$(now)
  QT_QPA_PLATFORM=offscreen "$qvftool" print "$work/year.qvf" --year 2027 \
    --output "$work/ours.pdf" 2>/dev/null
  middle=$(now)
  pcal -f "$work/year.pcal" 1 2027 12 | ps2pdf - "$work/pcal.pdf"
  end=$(now)
  ours+=($(((middle - start) / 1000000)))
  theirs+=($(((end - middle) / 1000000)))
  echo "round $round: qvftool ${ours[-1]} ms, pcal | ps2pdf ${theirs[-1]} ms"
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
m_ours=$(median "${ours[@]}")
m_theirs=$(median "${theirs[@]}")
pages_ours=$(pdfinfo "$work/ours.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
pages_theirs=$(pdfinfo "$work/pcal.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
echo "median: qvftool $m_ours ms (${pages_ours:-?} pages), pcal | ps2pdf $m_theirs ms (${pages_theirs:-?} pages)"
awk -v a="$m_ours" -v b="$m_theirs" 'BEGIN { printf "qvftool is %.2f times as fast\n", b / (a > 0 ? a : 1) }'
