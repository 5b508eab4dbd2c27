#!/bin/sh
# The bench printer's spooler command: Wine's spooler pipes each PostScript
# job into it. It keeps the job and reads it back the way a person would:
#
#   print_job.sh BASE   writes BASE.ps (the job), BASE.pdf, BASE.fonts (the
#                       fonts the PDF uses), BASE.N.txt (the text of page N,
#                       laid out), BASE.N.html (its words with their boxes
#                       in points) and, last of all, BASE.pages (the page
#                       count), so a reader that finds BASE.pages finds
#                       everything else complete.
base=${1:?base name}
rm -f "$base".*
cat >"$base.ps" || exit 1
ps2pdf "$base.ps" "$base.pdf" || exit 1
pdffonts "$base.pdf" >"$base.fonts" || exit 1
pages=$(pdfinfo "$base.pdf" | sed -n 's/^Pages:[[:space:]]*//p')
i=1
while [ "$i" -le "${pages:-0}" ]; do
  pdftotext -layout -f "$i" -l "$i" "$base.pdf" "$base.$i.txt" || exit 1
  # (it says "no word list" on a blank page)
  pdftotext -bbox -f "$i" -l "$i" "$base.pdf" "$base.$i.html" 2>/dev/null || exit 1
  i=$((i + 1))
done
echo "${pages:-0}" >"$base.pages"
