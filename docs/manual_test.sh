#!/usr/bin/env bash
# The rendered manual is a PDF that holds every heading of its Markdown
# source, the title included. Usage: manual_test.sh MANUAL.md MANUAL.pdf
set -euo pipefail
[ "$(head -c 5 "$2")" = "%PDF-" ] || { echo "manual: $2 is no PDF" >&2; exit 1; }
# One line of text: a heading may wrap.
text=$(pdftotext -enc UTF-8 "$2" - | tr -s '\n ' '  ')
status=0
while IFS= read -r heading; do
  grep -qF -- "$heading" <<<"$text" || { echo "manual: the PDF lacks the heading \"$heading\"" >&2; status=1; }
done < <(sed -n 's/^#\{1,3\} //p' "$1")
pages=$(pdfinfo "$2" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 3 ] || { echo "manual: only ${pages:-0} pages" >&2; status=1; }
[ "$status" -eq 0 ] && echo "manual: $(grep -c '^#' "$1") headings on $pages pages"
exit "$status"
