#!/usr/bin/env bash
# Fails when README.md or a page of docs/ names a file or folder of the project (app/GameExecutive,
# `scripts/test.sh`, tests/e2e/...) that does not exist. A name without its ending stands for a
# class's .h and .cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
floors='app|base|game|ui|words|shapes|tests|scripts|docs|tools|bench|assets|cmake|packaging'
wrong=0
for page in README.md docs/*.md; do
    while read -r path; do
        path=${path%.}
        [ -e "$path" ] || [ -e "$path.h" ] || [ -e "$path.cpp" ] || {
            echo "$page names $path, which does not exist" >&2
            wrong=1
        }
    done < <(grep -oE "(^|[^A-Za-z0-9_./-])($floors)/[A-Za-z0-9_./-]*[A-Za-z0-9_]" "$page" |
        sed -E 's/^[^a-z]//' | sort -u)
done
exit "$wrong"
