#!/usr/bin/env bash
# Holds the documents to what was built (run it after the default build): every number of the
# README's table shows in Quillon what the table says, and the demo service's manual page names the
# same numbers; every command the README shows exists; every test that the README or docs/ names is
# one CTest knows. The documents give no count of tests: `ctest --preset default -N` does. Prints
# each offending line.
set -uo pipefail
set -f # no word below is a pattern of file names
cd "$(dirname "$0")/.." || exit 1
failed=0
bad() {
    echo "check-docs: $*" >&2
    failed=1
}

# | `number`, `number` | the service answers | Quillon shows |, asked of the demo service itself.
rows=0 known=()
while IFS= read -r row; do
    line=${row%%:*} row=${row#*:} rows=$((rows + 1))
    shown=$(cut -d'|' -f4 <<<"$row" | sed 's/^ *//; s/ *$//')
    read -ra numbers <<<"$(cut -d'|' -f2 <<<"$row" | grep -o '`[^`]*`' | tr -d '`' | tr '\n' ' ')"
    [[ $row == "| any other"* ]] || known+=("${numbers[@]}")
    answers=$(build/tools/demo-service/quillon-demo-service --ask "${numbers[@]}") && [ ${#numbers[@]} -gt 0 ] ||
        bad "README.md:$line: no number to ask: $row"
    while IFS=$'\t' read -r number answer _; do
        [ "$answer" = "$shown" ] || bad "README.md:$line: $number shows \"$answer\", not \"$shown\""
    done <<<"$answers"
done < <(grep -n '^| ' README.md | sed -n '/^[0-9]*:| number | the service answers | Quillon shows |$/,/^[0-9]*:| any other/p' |
    tail -n +2)
[ "$rows" -gt 0 ] || bad "README.md has no table \"| number | the service answers | Quillon shows |\""

# The manual page's list of numbers, each the first line of an entry (.TP) of its description.
manual=packaging/debian/quillon-demo-service.1.in
listed=$(sed -n '/^\.SH DESCRIPTION/,/^\.SH OPTIONS/p' "$manual" | sed -n '/^\.TP$/{n;p}' |
    sed -E 's/^\.BR? //; s/"[^"]*"/ /g' | tr ' ' '\n' | grep -v '^$' | sort)
[ "$listed" = "$(printf '%s\n' "${known[@]}" | sort)" ] ||
    bad "$manual names other numbers than the README's table: $(diff <(echo "$listed") <(printf '%s\n' "${known[@]}" | sort) | grep '^[<>]' | tr '\n' ' ')"

# Commands: the lines of the README's sh blocks, and its inline code that runs something.
version=$(sed -n 's/^project(Quillon VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
while IFS=: read -r line command; do
    while read -r part; do
        read -ra words <<<"$part"
        [ "${words[0]}" != sudo ] || words=("${words[@]:1}")
        case ${words[0]} in
        bash) [ -f "${words[1]}" ] || bad "README.md:$line: no script ${words[1]}" ;;
        cd | apt) ;;
        cmake)
            for preset in $(grep -o -- '--preset [a-z]*' <<<"$part" | cut -d' ' -f2); do
                grep -q "\"name\": \"$preset\"" CMakePresets.json || bad "README.md:$line: no preset $preset"
            done
            for variable in $(grep -o -- '-D[A-Z_]*=' <<<"$part" | tr -d '=' | cut -c3-); do
                grep -q "^set($variable " CMakeLists.txt packaging/CMakeLists.txt ||
                    bad "README.md:$line: no cache variable $variable"
            done
            ;;
        */*) [ -e "${words[0]}" ] || bad "README.md:$line: no ${words[0]}" ;;
        *) [ -n "$(find build -name "${words[0]}" -type f -perm -u+x)" ] || command -v "${words[0]}" >/dev/null ||
            bad "README.md:$line: no program ${words[0]}" ;;
        esac
    done < <(sed 's/ *#.*//; s/ *&& */\n/g' <<<"$command")
    for deb in $(grep -o 'quillon_[^ ]*\.deb' <<<"$command"); do
        [ "$deb" = "quillon_$version-1_$(dpkg --print-architecture).deb" ] || bad "README.md:$line: $deb is not this version's"
    done
done < <(awk '/^```/ { block = !block; next } block { print NR ":" $0 }' README.md
    grep -n -o '`[^`]*`' README.md | tr -d '`' | grep -E '^[0-9]+:(bash |cmake |sudo |build/|tools/[^ ]*\.sh)')

# Tests named in the README and docs/.
tests=$(ctest --preset default -N | sed -n 's/^ *Test *#[0-9]*: //p')
while IFS=: read -r file line name; do
    grep -qx "${name//\`/}" <<<"$tests" || bad "$file:$line: CTest has no test ${name//\`/}"
done < <(grep -Hno '`\(test_[a-z_]*\|[a-z_]*_test\|realwindow[a-z_]*\)`' README.md $(git ls-files 'docs/*.md'))

[ "$failed" -eq 0 ] && echo "check-docs: the README's numbers, commands and tests hold"
exit "$failed"
