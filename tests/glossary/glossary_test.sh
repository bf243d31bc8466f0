#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One Japanese term for each glossary term: none of the renderings it rules
# out appears in the catalogue or in the Japanese help pages.
#   glossary_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
glossary=$source_dir/translations/glossary.tsv
japanese_texts=("$source_dir"/translations/zelvane_ja.ts "$source_dir"/data/html/ja/*.html)
# Read as written: UTF-8, fields parted by TABs.
grep -q $'^Close\t閉じる\t' "$glossary" || { echo "FAIL: $glossary misread" >&2; exit 1; }
status=0
while IFS=$'\t' read -r english japanese ruled_out; do
    [[ -z "$english" || "$english" == \#* ]] && continue
    IFS=, read -ra renderings <<<"$ruled_out"
    for rendering in "${renderings[@]}"; do
        [ -n "$rendering" ] && grep -qF -- "$rendering" "${japanese_texts[@]}" || continue
        echo "FAIL: $rendering is used for $english, which the glossary renders $japanese" >&2
        status=1
    done
done <"$glossary"
exit $status
