# The README's table of lint rules must be the table lint runs (and prints in lint --help), row for row:
#   bash rules_readme.sh TOOL README
set -u
table() { grep -E '^\| `[a-z-]+` \| (error|warning) \|' "$1"; }
rules() { "$1" lint --help | sed -n -E 's/^  ([a-z-]+) +(error|warning) +(.*)$/| `\1` | \2 | \3 |/p'; }
if diff <(rules "$1") <(table "$2"); then
    echo "the README lists the $(rules "$1" | wc -l) lint rules"
else
    echo "the README's lint rules (right) differ from lint's table (left)"
    exit 1
fi
