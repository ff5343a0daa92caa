#!/bin/sh
# Installs the pre-commit hook: the staged C++ files are formatted with the
# project's .clang-format before each commit (and staged again).
set -e
cd "$(dirname "$0")/.."
hooks=$(git rev-parse --git-path hooks)
mkdir -p "$hooks"
hook=$hooks/pre-commit
cat >"$hook" <<'HOOK'
#!/bin/sh
# Formats the staged C++ files with clang-format (installed by
# scripts/install-hooks.sh).
files=$(git diff --cached --name-only --diff-filter=ACMR -- '*.cpp' '*.h')
[ -z "$files" ] && exit 0
echo "$files" | xargs clang-format -i
echo "$files" | xargs git add
HOOK
chmod +x "$hook"
echo "pre-commit hook installed: $hook"
