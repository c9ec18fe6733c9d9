#!/usr/bin/env bash
# The guard of `make test` over a home of its own: a command that writes
# into ~/.local/share or ~/.config fails it, one that only reads or writes
# elsewhere passes, and the command's own failure still counts.
set -u
check=$1
HOME=$(mktemp -d)
export HOME
trap 'rm -rf "$HOME"' EXIT
mkdir -p "$HOME/.local/share/applications" "$HOME/.config/quelaform"
echo old > "$HOME/.local/share/applications/old.desktop"
echo old > "$HOME/.config/quelaform/quel.ini"
sleep 0.05

failures=0
expect() {
  local want=$1 name=$2
  shift 2
  "$check" "$@" >/dev/null 2>&1
  local got=$?
  if { [ "$want" = pass ] && [ $got -ne 0 ]; } || { [ "$want" = fail ] && [ $got -eq 0 ]; }; then
    echo "FAILED: $name (exit status $got)"
    failures=$((failures + 1))
  fi
}

expect pass "nothing written" true
expect pass "reading the home" cat "$HOME/.config/quelaform/quel.ini"
expect pass "writing elsewhere" sh -c "touch '$HOME/elsewhere'"
expect fail "the command failed" false
expect fail "a new desktop entry" sh -c "touch '$HOME/.local/share/applications/quelaform.desktop'"
expect fail "a changed settings file" sh -c "echo new >> '$HOME/.config/quelaform/quel.ini'"
expect fail "a removed file" rm "$HOME/.local/share/applications/old.desktop"
expect fail "a data folder made" sh -c "rm -rf '$HOME/.local/share' && mkdir -p '$HOME/.local/share/mime'"
[ $failures -eq 0 ] && echo "home check: all cases behave"
exit $failures
