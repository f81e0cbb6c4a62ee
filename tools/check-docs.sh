#!/usr/bin/env bash
# Holds the documents to the sources and to what was built (run it after the default build).
# Prints each offending line as file:line. It checks that
# - every number of the README's table shows in Quillon what the table says, and the table names
#   every number the demo service's source knows; the demo service's manual page and README list
#   the same numbers, and no document names a number-shaped one (`7770001`) the service does not know;
# - every command the README shows exists;
# - every test that the README or docs/ names is one CTest knows (the documents give no count of
#   tests: `ctest --preset default -N` does);
# - every key that the README, docs/ or a manual page names (F2, Ctrl+E, Alt+1 …) is one the
#   program's sources bind;
# - every Chinese text that the README, docs/ or a manual page quotes ("…", 「…」, `…`, or in a
#   manual page each Chinese word) is a text of the program's sources, but for a few listed below
#   with their reasons; the demo service's README may quote the demo service too.
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

# What Quillon is made of, without its tests, benchmarks and tools; and the documents beside the README.
program=$(git ls-files -- '*.cpp' '*.h' '*.ui' ':!tests/' ':!bench/' ':!fuzz/' ':!tools/')
demo=$(git ls-files -- 'tools/demo-service/*.cpp')
documents=(README.md $(git ls-files 'docs/*.md') tools/demo-service/README.md $(git ls-files 'packaging/debian/*.1.in'))

# The demo service's numbers, from its source: the numbers it answers and the names of its
# misbehaviours. The README's table names them all; the demo service's README lists them in its
# tables; a number-shaped word elsewhere (in code spans of Markdown, anywhere in a manual page) is one.
service=tools/demo-service/demoservice.cpp
served=$({
    grep -oE '(QStringLiteral\(|u)"[0-9A-Z]*[0-9][0-9A-Z]*"' $service | cut -d'"' -f2
    grep -oE '\{"[a-z0-9]+", DemoService::Behaviour::' $service | cut -d'"' -f2
} | sort -u)
[ -n "$served" ] || bad "$service: no number found"
differ() { diff <(echo "$1") <(echo "$2") | grep '^[<>]' | tr '\n' ' '; }
[ "$served" = "$(printf '%s\n' "${known[@]}" | sort -u)" ] ||
    bad "README.md: the table's numbers are not the demo service's: $(differ "$(printf '%s\n' "${known[@]}" | sort -u)" "$served")"
listed=$(awk '/^\| Number \|/ { table = 1; next } !/^\|/ { table = 0 } table && !/^\| (---|any other)/' \
    tools/demo-service/README.md | cut -d'|' -f2 | grep -o '`[^`]*`' | tr -d '`' | sort -u)
[ "$listed" = "$served" ] ||
    bad "tools/demo-service/README.md lists other numbers than the demo service's: $(differ "$listed" "$served")"
while IFS=: read -r file line word; do
    [[ $word =~ ^([A-Z]{1,3})?[0-9]{6,}([A-Z]{2})?$|^000$ ]] || continue
    grep -qx -- "$word" <<<"$served" || bad "$file:$line: the demo service knows no number $word"
done < <(for file in "${documents[@]}"; do
    case $file in
    *.md) grep -Hno '`[^`]*`' "$file" | tr -d '`' ;;
    *) grep -Hn '' "$file" ;;
    esac
done | awk -F: '{ at = $1 ":" $2; sub(/^[^:]*:[^:]*:/, ""); n = split($0, words, /[^A-Za-z0-9]+/)
                  for (i = 1; i <= n; i++) print at ":" words[i] }')

# Keys: what the sources bind, as the documents write it: Qt::CTRL | Qt::Key_E is Ctrl+E, and
# Qt::Key_1 + line in a loop of `line < 3` is Alt+1 to Alt+3.
bound=$(perl -ne '
    $count{$1} = $2 while /\b(\w+) < (\d+);/g;
    while (/((?:Qt::(?:CTRL|ALT|SHIFT) \| )*)Qt::Key(?:_(\w+)|\(Qt::Key_(\d) \+ (\w+)\))/g) {
        my ($modifiers, $key, $first, $counter) = ($1, $2, $3, $4);
        my $held = join "", map { ucfirst(lc) . "+" } $modifiers =~ /Qt::(\w+)/g;
        print "$held$_\n" for defined $key ? $key : map { $first + $_ } 0 .. ($count{$counter} // 1) - 1;
    }
    %count = () if eof;' $program | sort -u)
while IFS=: read -r file line key; do
    grep -qx -- "$key" <<<"$bound" || bad "$file:$line: no code binds the key $key"
done < <(grep -HnoE '\b((Ctrl|Alt|Shift)\+)+[A-Z0-9]+\b|\bF[0-9]{1,2}\b' "${documents[@]}")

# Quoted Chinese that is no text of the program. The demo service's answers, which the README
# quotes to say what Quillon makes of them, are held to the demo service's source instead.
demo_answers=(暂无记录 系统提示：单号格式错误，请核对后重新输入 查询结果：该单号不存在 该单号暂无物流进展或者不存在)
unchecked=(
    妈妈的茶叶                  # a note a user writes,
    "妈妈的茶叶 · 顺丰快递 SF…" # and a notification that names the parcel by it
    "将新增 12 件，跳过 3 件："   # the import's summary, made of several texts,
    "已新增 N 件"               # and what it did
)
# The texts: each string literal of a source, each <string> of a .ui file, one a line. In a quote,
# a number or Latin word (a run of ASCII) stands for itself, a %1 or the end of a literal that the
# code goes on after; "…" stands for anything.
while IFS= read -r found; do bad "$found"; done < <(
    PROGRAM=$program DEMO=$demo DEMO_ANSWERS=$(printf '%s\n' "${demo_answers[@]}") \
        UNCHECKED=$(printf '%s\n' "${unchecked[@]}") perl -CSDA -Mutf8 -MEncode=decode_utf8 - "${documents[@]}" <<'PERL'
sub texts {
    my $all = '';
    for my $file (split ' ', shift) {
        open my $in, '<:encoding(UTF-8)', $file or die "$file: $!";
        local $/;
        my $source = <$in>;
        if ($file =~ /\.ui$/) { $all .= "$1\n" while $source =~ m{<string[^>]*>(.*?)</string>}gs; next }
        my $token = qr/"(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)+'/;
        $source =~ s{^((?:[^"'/\n]|$token|/(?![/*]))*)(?://.*|/\*.*?\*/)}{$1}mg; # comments say no text
        $all .= "$1\n" while $source =~ /"((?:[^"\\\n]|\\.)*)"/g;
    }
    return $all;
}
my ($program, $demo) = (texts($ENV{PROGRAM}), texts($ENV{DEMO}));
my %demoAnswer = map { $_ => 1 } split /\n/, decode_utf8($ENV{DEMO_ANSWERS});
my %unchecked = map { $_ => 1 } split /\n/, decode_utf8($ENV{UNCHECKED});
for my $file (@ARGV) {
    open my $in, '<:encoding(UTF-8)', $file or die "$file: $!";
    local $/;
    my $text = <$in>;
    my @quoted; # [offset, text]
    if ($file =~ /\.\d\.in$/) { # a manual page writes Chinese as \[uXXXX]
        $text =~ s/\\\[u([0-9A-F]{4})\]/chr hex $1/ge;
        push @quoted, [$-[0], $&] while $text =~ /\p{Han}+/g;
    } else {
        push @quoted, [$-[0], $1] while $text =~ /`([^`\n]*)`/g;
        (my $prose = $text) =~ s/`[^`\n]*`/' ' x length $&/ge; # a quote mark in code is no quote
        push @quoted, [$-[0], $+] while $prose =~ /"([^"\n]*)"|「([^」\n]*)」/g;
    }
    for (grep { $_->[1] =~ /\p{Han}/ && !$unchecked{$_->[1]} } @quoted) {
        my ($at, $quote) = @$_;
        my $pattern = join '', map {
            $_ eq '…' ? '.*?' : /^[!-~]+$/ ? '(?:' . quotemeta . '|%\d|%n|$)' : quotemeta
        } split /(…|[!-~]+)/, $quote;
        my ($texts, $whose) = $demoAnswer{$quote}          ? ($demo, 'the demo service')
                              : $file =~ m{^tools/demo-service/} ? ($program . $demo, 'the program or the demo service')
                              :                                    ($program, 'the program');
        next if $texts =~ /$pattern/m;
        my $line = 1 + (substr($text, 0, $at) =~ tr/\n//);
        print "$file:$line: \"$quote\" is no text of $whose\n";
    }
}
PERL
)

[ "$failed" -eq 0 ] && echo "check-docs: the documents' numbers, commands, tests, keys and texts hold"
exit "$failed"
